// The letter with a letterhead and an addressee, and the plain letter, as
// QtPrinter draws them into a PDF, read back with poppler-utils: the plain
// letters are drawn exactly as before letterheads existed, the letterhead
// and the address stand where the plain letter leaves room, the longest
// letter stays on one page, and a long description is condensed instead of
// running into the T column.

#include "qt/letter/qt_printer.h"
#include "tests/qt/pdf_reading.h"
#include "tests/support/typical_letter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

// Sixty characters each, as long as the fields allow.
const std::string longName = "Anna-Katharina Beispiel-Mustermann von und zu Hohenlohe-Lang";
const std::string longDescription = "Musterstadt, Abteilung Personal und Organisation, Sachgeb. 6";

Letterhead fullLetterhead()
{
    Letterhead head = typicalLetterhead();
    head.employer = "Stadtverwaltung Musterstadt am Beispielsee, Amt für Personal";
    head.senderLine3 = "personalamt@musterstadt.example";
    head.fileReference = "11-22/2008-Ber";
    return head;
}

void fillAllRows(LetterInput& l)
{
    for (int k = 1; k <= 14; ++k)
        setLetterRow(l, k, QStringLiteral("01/01/%1").arg(1960 + k).toStdString(),
                     QStringLiteral("31/12/%1").arg(1960 + k).toStdString(), longDescription, true, {"0", "0", "1"});
}

// Prints the letter into a PDF in the folder and returns its path.
QString printPdf(const LetterInput& letter, const QTemporaryDir& folder)
{
    QtPrinter printer;
    printer.setForcePdf(true);
    printer.setPdfFolder(folder.path());
    printer.setPdfNotice({});
    if (!printLetter(letter, printer).failure.empty())
        return {};
    return printer.lastPdfPath();
}

LetterInput typical(bool jdaLetter)
{
    LetterInput l = typicalLetter();
    l.jdaLetter = jdaLetter;
    return l;
}

} // namespace

class LetterheadPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void plainLettersAreDrawnAsBefore()
    {
        QFile file{QFINDTESTDATA("plain_letters.words")};
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QStringList> expected;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                expected[line.section(QLatin1Char(' '), 0, 0)] << line.section(QLatin1Char(' '), 1);

        LetterInput jda = typical(true);
        jda.rows[3].description = "Studium der Verwaltungswissenschaft";
        LetterInput employment = jda;
        employment.jdaLetter = false;
        LetterInput fullTable = jda;
        for (int k = 1; k <= 14; ++k)
            setLetterRow(fullTable, k, QStringLiteral("01/01/%1").arg(1960 + k).toStdString(),
                         QStringLiteral("31/12/%1").arg(1960 + k).toStdString(),
                         QStringLiteral("Zeitraum %1").arg(k).toStdString(), true, {"0", "0", "1"});
        const std::pair<const char*, LetterInput> cases[] = {
            {"plain-jda", jda}, {"plain-employment", employment}, {"plain-jda-14rows", fullTable}};
        for (const auto& [name, letter] : cases) {
            QTemporaryDir folder;
            const std::vector<PdfWord> words = pdfWords(printPdf(letter, folder));
            const QStringList& before = expected[QString::fromLatin1(name)];
            QVERIFY2(!before.isEmpty(), name);
            QCOMPARE(static_cast<qsizetype>(words.size()), before.size());
            for (std::size_t i = 0; i < words.size(); ++i) {
                const QStringList e = before[static_cast<qsizetype>(i)].split(QLatin1Char(' '));
                const PdfWord& w = words[i];
                const double boxNow[] = {w.box.left(), w.box.top(), w.box.right(), w.box.bottom()};
                bool same = w.page == e[0].toInt() && w.text == e.mid(5).join(QLatin1Char(' '));
                for (int c = 0; c < 4; ++c)
                    same = same && std::abs(boxNow[c] - e[c + 1].toDouble()) < 0.01;
                QVERIFY2(same, qPrintable(QStringLiteral("%1: %2 at %3,%4 on page %5, before: %6")
                                              .arg(QString::fromLatin1(name), w.text)
                                              .arg(w.box.left())
                                              .arg(w.box.top())
                                              .arg(w.page)
                                              .arg(before[static_cast<qsizetype>(i)])));
            }
        }
    }

    // The letterhead fills the lines under the office, the address the room
    // under the line of "Herrn / Frau", which stays where a window envelope
    // shows it; the signer stands under the right signature line. (One
    // row only: a letter short enough to need no shrinking.)
    void letterheadAndAddresseeWhereThePlainLetterLeavesRoom()
    {
        LetterInput letter = typical(true);
        letter.rows[3].ticked = false;
        QTemporaryDir plainFolder;
        const QString plain = printPdf(letter, plainFolder);
        letter.letterhead = fullLetterhead();
        letter.letterhead.signerFunction = "LEITERIN DES AMTES FÜR PERSONAL, ORGANISATION UND FINANZEN";
        letter.addressee = {"Frau", "Anna Beispiel", "Gartenweg 3", "12345 Musterstadt"};
        QTemporaryDir folder;
        const QString pdf = printPdf(letter, folder);

        const QStringList lines = squeezedLines(pdfText(pdf));
        const QStringList head{
            "Stadtverwaltung Musterstadt am Beispielsee, Amt für Personal 15.05.2008",
            "Personalamt",
            "Marktplatz 1, 12345 Musterstadt",
            "Telefon 01234 5678-0",
            "personalamt@musterstadt.example",
            "Aktenzeichen: 11-22/2008-Ber",
            "Frau",
            "Anna Beispiel",
            "Gartenweg 3",
            "12345 Musterstadt",
            "Festsetzung Ihres Jubiläumsdienstalters",
        };
        QCOMPARE(lines.mid(0, head.size()), head);
        QVERIFY(!lines.contains(QStringLiteral("Herrn / Frau")));
        QCOMPARE(lines.mid(lines.size() - 2),
                 (QStringList{"Erika Mustermann",
                              "LEITERIN DES AMTES FÜR PERSONAL, ORGANISATION UND FINANZEN"}));

        QCOMPARE(wordBox(pdf, QStringLiteral("Frau")).top(), wordBox(plain, QStringLiteral("Herrn")).top());
        QCOMPARE(wordBox(pdf, QStringLiteral("Festsetzung")).top(), wordBox(plain, QStringLiteral("Festsetzung")).top());
        const QRectF signer = wordBox(pdf, QStringLiteral("Erika")).united(wordBox(pdf, QStringLiteral("Mustermann")));
        const double centre = marginPoints + pointsOfTwips(letter::signerCentreX);
        QVERIFY2(std::abs(signer.center().x() - centre) < 1.0, qPrintable(QString::number(signer.center().x())));
        // A function too wide to stand centred there keeps to the printable width of A4.
        const double right = wordBox(pdf, QStringLiteral("FINANZEN")).right();
        QVERIFY2(right <= 595.28 - marginPoints + 0.5, qPrintable(QString::number(right)));
    }

    // Three sender lines, an Aktenzeichen, a 60-character name (wrapped) and
    // all 14 rows: the letter still comes out on one page, every row on it.
    void longestLetterStaysOnOnePage_data()
    {
        QTest::addColumn<bool>("jdaLetter");
        QTest::newRow("JDA letter") << true;
        QTest::newRow("employment-period letter") << false;
    }
    void longestLetterStaysOnOnePage()
    {
        QFETCH(bool, jdaLetter);
        LetterInput letter = typical(jdaLetter);
        fillAllRows(letter);
        letter.letterhead = fullLetterhead();
        letter.addressee = {"Herrn", longName, "Am langen Weg 123a", "12345 Musterstadt"};
        QTemporaryDir folder;
        const QString pdf = printPdf(letter, folder);
        QCOMPARE(pdfPages(pdf), 1);
        const QStringList lines = squeezedLines(pdfText(pdf));
        // Wider than the address field of a window envelope: on two lines.
        QVERIFY2(lines.contains(QStringLiteral("Anna-Katharina Beispiel-Mustermann von und")), qPrintable(lines.join('|')));
        QVERIFY(lines.contains(QStringLiteral("zu Hohenlohe-Lang")));
        for (int k = 1; k <= 14; ++k)
            QVERIFY2(lines.contains(QStringLiteral("01/01/%1 - 31/12/%1 %2 0 0 1")
                                        .arg(1960 + k)
                                        .arg(QString::fromStdString(longDescription))),
                     qPrintable(QString::number(k)));
        QCOMPARE(lines.last(), QStringLiteral("Leiterin des Personalamts"));
    }

    // A 60-character description at x 4500 ends before x 9400 instead of
    // running into the T column at 9500, whole and on its line; so does an
    // employer's name before the date.
    void longTextsAreCondensedNotOverprinted_data()
    {
        QTest::addColumn<bool>("jdaLetter");
        QTest::newRow("JDA letter") << true;
        QTest::newRow("employment-period letter") << false;
    }
    void longTextsAreCondensedNotOverprinted()
    {
        QFETCH(bool, jdaLetter);
        LetterInput letter = typical(jdaLetter);
        letter.rows[3].description = longDescription;
        QTemporaryDir folder;
        const QString pdf = printPdf(letter, folder);
        const std::vector<PdfWord> words = pdfWords(pdf);
        const QRectF first = wordBox(pdf, QStringLiteral("Musterstadt,"));
        QVERIFY(!first.isEmpty());
        double right = 0;
        QStringList onItsLine;
        for (const PdfWord& w : words)
            if (std::abs(w.box.top() - first.top()) < 0.5 && w.box.left() >= first.left() &&
                w.box.left() < marginPoints + pointsOfTwips(letter::daysX) - 1) {
                right = std::max(right, w.box.right());
                onItsLine << w.text;
            }
        QCOMPARE(onItsLine.join(QLatin1Char(' ')), QString::fromStdString(longDescription));
        QVERIFY2(right < marginPoints + pointsOfTwips(9400), qPrintable(QString::number(right)));
        QVERIFY(std::abs(first.left() - (marginPoints + pointsOfTwips(letter::rowTextX))) < 1.5);
        // The figures of the row stand in their columns, untouched.
        const QStringList figures = squeezedLines(pdfText(pdf)).filter(QStringLiteral("01/01/1984"));
        QCOMPARE(figures, QStringList{"01/01/1984 - 31/12/1985 " + QString::fromStdString(longDescription) + " 0 0 2"});
    }
};

QTEST_MAIN(LetterheadPdfTest)
#include "letterhead_pdf_test.moc"
