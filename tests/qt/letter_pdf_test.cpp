// The letter through QtPrinter into a PDF file, read back with pdftotext
// (poppler-utils): the lines in order, the columns where the twips put them,
// 12-point Arial (Liberation Sans), a second page for a full table, no
// overwriting, and a German failure message when the file cannot be written.
// Also the desktop shell that opens the help pages.

#include "calc/date_text.h"
#include "qt/desktop/desktop_shell.h"
#include "qt/letter/qt_printer.h"
#include "tests/qt/pdf_reading.h"
#include "tests/support/typical_letter.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

// The typical letter printed by a QtPrinter that writes PDF files into a
// temporary folder; row 4's description is a long one.
struct PdfLetter {
    QtPrinter printer;
    LetterInput letter = testing::typicalLetter();
    QStringList notices;

    explicit PdfLetter(const QString& folder)
    {
        printer.setForcePdf(true);
        printer.setPdfFolder(folder);
        printer.setPdfNotice([this](const QString& sentence) { notices << sentence; });
        letter.rows[3].description = "Studium der Verwaltungswissenschaft";
    }

    LetterPrinted print() { return printLetter(letter, printer); }
};

} // namespace

// Stands in for the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

class LetterPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void jdaLetterLinesInOrder()
    {
        QTemporaryDir folder;
        PdfLetter w{folder.path()};
        QVERIFY(w.print().failure.empty());

        const QString expectedName = QStringLiteral("Tarvolin-Brief-%1.pdf")
                                         .arg(QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
        QCOMPARE(QFileInfo{w.printer.lastPdfPath()}.fileName(), expectedName);
        QCOMPARE(QFileInfo{w.printer.lastPdfPath()}.absolutePath(), QDir{folder.path()}.absolutePath());
        QCOMPARE(w.notices.size(), 1);
        QVERIFY(w.notices[0].startsWith(QStringLiteral("Es ist kein Drucker eingerichtet.")));
        QVERIFY(w.notices[0].contains(w.printer.lastPdfPath()));

        const QStringList expected{
            "Mein Arbeitgeber 15.05.2008",
            "Personalstelle",
            "Herrn / Frau",
            "Festsetzung Ihres Jubiläumsdienstalters",
            "Ihr Jubiläumsdienstalter (JDA) wird mit Wirkung ab 01/04/1990",
            "festgesetzt auf 01/04/1985.",
            "Begründung",
            "Das JDA wurde wie folgt berechnet:",
            "1. Geburtstag: 10/03/1955",
            "2. Tag, ab dem Ihnen Dienstbezüge zustehen: 01/04/1990",
            "3. Abzusetzende Zeiten T M J",
            "01/09/1980 - 31/08/1983 Wehrdienst 0 0 3",
            "01/01/1984 - 31/12/1985 Studium der Verwaltungswissenschaft 0 0 2",
            "_________",
            "0 0 5",
            "4. Beginn des Jubiläumsdienstalters 01/04/1985",
            "5. Erreichen der Regelaltersgrenze 31/12/2020",
            "im Alter von 65 Jahren und 9 Monaten",
            "6. Nachrichtlich und vorbehaltlich zu berücksichtigender künftiger Umstände:",
            "25-jähriges Dienstjubiläum 01/04/2010",
            "40-jähriges Dienstjubiläum (wird nicht erreicht) 01/04/2025",
            "50-jähriges Dienstjubiläum (wird nicht erreicht) 01/04/2035",
            "Sachlich und rechnerisch richtig: Festgestellt:",
            "_________________________ _________________________",
        };
        const QString text = pdfText(w.printer.lastPdfPath());
        QCOMPARE(squeezedLines(text), expected);
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
    }

    void columnsAndLinesWhereTheTwipsPutThem()
    {
        QTemporaryDir folder;
        PdfLetter w{folder.path()};
        w.print();
        const QString pdf = w.printer.lastPdfPath();

        struct Column {
            const char* word;
            int twips;
        };
        for (const Column c : {Column{"15.05.2008", 7000}, Column{"T", 9500}, Column{"M", 10000}, Column{"J", 10500},
                               Column{"31/08/1983", 3000}, Column{"Wehrdienst", 4500}}) {
            const QRectF at = wordBox(pdf, QString::fromUtf8(c.word));
            QVERIFY2(!at.isEmpty(), c.word);
            // Glyphs start a little right of the pen position (side bearing).
            QVERIFY2(std::abs(at.x() - (marginPoints + pointsOfTwips(c.twips))) < 1.5,
                     qPrintable(QStringLiteral("%1 at %2 pt").arg(c.word).arg(at.x())));
        }
        // Line height of 12-point Liberation Sans: about 13.4 pt (267.6 twips).
        const double head = wordBox(pdf, QStringLiteral("Mein")).y();
        const double next = wordBox(pdf, QStringLiteral("Personalstelle")).y();
        QVERIFY2(std::abs((next - head) - 13.38) < 0.3, qPrintable(QString::number(next - head)));
        // Eight blanks of 12-point Arial (3.33 pt each) indent the head.
        const double indent = wordBox(pdf, QStringLiteral("Mein")).x() - marginPoints;
        QVERIFY2(std::abs(indent - 8 * 3.336) < 1.0, qPrintable(QString::number(indent)));

        // "arial" is drawn as Liberation Sans, regular and bold, both embedded.
        const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
        QStringList families;
        for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2))
            if (!line.isEmpty())
                families << line.section(QLatin1Char(' '), 0, 0);
        families.sort();
        QCOMPARE(families, (QStringList{"LiberationSans", "LiberationSans-Bold"}));
        // The underline of the sums, the rightmost text of the sheet, ends
        // inside the printable width of A4 (595 pt).
        const QRectF underline = wordBox(pdf, QStringLiteral("_________"));
        QVERIFY(!underline.isEmpty());
        QVERIFY2(underline.right() < 595.0 - marginPoints, qPrintable(QString::number(underline.right())));
    }

    void employmentLetterLinesInOrder()
    {
        QTemporaryDir folder;
        PdfLetter w{folder.path()};
        w.letter.jdaLetter = false;
        w.print();
        const QStringList lines = squeezedLines(pdfText(w.printer.lastPdfPath()));
        const QStringList expected{
            "Berechnung der Beschäftigungszeit",
            "Sie werden voraussichtlich bis zum 15/05/2008 folgende Beschäftigungszeit erreichen:",
            "23 Jahre, 1 Monate und 15 Tage.",
            "Begründung",
            "Berechnung der anrechenbaren Vordienstzeiten: T M J",
            "01/09/1980 - 31/08/1983 Wehrdienst 0 0 3",
            "01/01/1984 - 31/12/1985 Studium der Verwaltungswissenschaft 0 0 2",
            "_________",
            "0 0 5",
            "+ aktuelle Beschäftigungszeit bei uns vom 01/04/1990 bis 15/05/2008 15 1 18",
            "_________",
            "= anrechenbare Beschäftigungszeiten insgesamt 15 1 23",
            "=========",
            "Sachlich und rechnerisch richtig: Festgestellt:",
        };
        int from = 0;
        for (const QString& line : expected) {
            const int at = lines.indexOf(line, from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing or out of order: ") + line));
            from = at + 1;
        }
        QVERIFY(!lines.join('\n').contains(QStringLiteral("Das JDA wurde")));
    }

    void fullTableContinuesOnASecondPage()
    {
        QTemporaryDir folder;
        PdfLetter w{folder.path()};
        for (int k = 1; k <= 14; ++k)
            testing::setLetterRow(w.letter, k, QStringLiteral("01/01/%1").arg(1960 + k).toStdString(),
                                  QStringLiteral("31/12/%1").arg(1960 + k).toStdString(),
                                  QStringLiteral("Zeitraum %1").arg(k).toStdString(), true, {"0", "0", "1"});
        w.print();
        const QString text = pdfText(w.printer.lastPdfPath());
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        // Every row is there once, in order, and the signatures close the second page.
        const QStringList lines = squeezedLines(text);
        int from = 0;
        for (int k = 1; k <= 14; ++k) {
            const QString row = QStringLiteral("01/01/%1 - 31/12/%1 Zeitraum %2 0 0 1").arg(1960 + k).arg(k);
            const int at = lines.indexOf(row, from);
            QVERIFY2(at >= 0, qPrintable(row));
            from = at + 1;
        }
        QVERIFY(squeezedLines(pages[1]).contains(QStringLiteral("Sachlich und rechnerisch richtig: Festgestellt:")));
        QVERIFY(!squeezedLines(pages[0]).contains(QStringLiteral("Sachlich und rechnerisch richtig: Festgestellt:")));
    }

    void secondLetterOfTheDayGetsItsOwnFile()
    {
        QTemporaryDir folder;
        PdfLetter w{folder.path()};
        w.print();
        const QString first = w.printer.lastPdfPath();
        QFile firstFile{first};
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        const QByteArray firstBytes = firstFile.readAll();
        firstFile.close();

        w.letter.jdaLetter = false;
        w.print();
        const QString second = w.printer.lastPdfPath();
        w.print();
        const QString third = w.printer.lastPdfPath();

        const QString stem = QStringLiteral("Tarvolin-Brief-") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
        QCOMPARE(QFileInfo{second}.fileName(), stem + QStringLiteral("-2.pdf"));
        QCOMPARE(QFileInfo{third}.fileName(), stem + QStringLiteral("-3.pdf"));
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        QCOMPARE(firstFile.readAll(), firstBytes);
        QVERIFY(pdfText(second).contains(QStringLiteral("Berechnung der Beschäftigungszeit")));
        QCOMPARE(w.notices.size(), 3);
    }

    // A link under the letter's name, even one that points nowhere yet, is
    // neither written through nor counted as a failure: the letter takes
    // the next free name.
    void aLinkUnderTheLettersNameIsLeftAlone()
    {
        QTemporaryDir folder;
        const QString stem =
            QStringLiteral("Tarvolin-Brief-") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
        const QString target = folder.filePath(QStringLiteral("anderswo.pdf"));
        QVERIFY(QFile::link(target, folder.filePath(stem + QStringLiteral(".pdf"))));
        PdfLetter w{folder.path()};
        QVERIFY(w.print().failure.empty());
        QCOMPARE(QFileInfo{w.printer.lastPdfPath()}.fileName(), stem + QStringLiteral("-2.pdf"));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(pdfText(w.printer.lastPdfPath()).contains(QStringLiteral("Festsetzung Ihres Jubiläumsdienstalters")));
    }

    void unwritableFolderIsReportedInGerman()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("gibt-es-nicht"));
        PdfLetter w{missing};
        const QString text = QString::fromStdString(w.print().failure);
        QVERIFY2(text.startsWith(QStringLiteral("Der Brief konnte nicht als PDF-Datei gespeichert werden")),
                 qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(missing)), qPrintable(text));
        QVERIFY(w.printer.lastPdfPath().isEmpty());
        QVERIFY(w.notices.isEmpty());

        // The next letter, into a folder that exists, is complete: nothing of
        // the failed one is left over.
        w.printer.setPdfFolder(folder.path());
        w.print();
        const QStringList lines = squeezedLines(pdfText(w.printer.lastPdfPath()));
        QCOMPARE(lines.count(QStringLiteral("Festsetzung Ihres Jubiläumsdienstalters")), 1);
    }

    // The address reaches the desktop's URL handling unchanged, and a
    // desktop that cannot open it gives false. (The offscreen platform has no
    // browser of its own; a registered handler stands in for it.)
    void desktopShellHandsOverTheAddress()
    {
        DesktopShell shell;
        // The law-text site is on the web; the help site's pages come with the program.
        const std::string address = "http://www.gesetze-im-internet.de/bgb/__622.html";
        if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression{QStringLiteral("does not support")});
            QVERIFY(!shell.open(address));
        }

        UrlCatcher browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        const bool opened = shell.open(address);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QVERIFY(opened);
        QCOMPARE(browser.opened, QStringList{QString::fromStdString(address)});
    }
};

QTEST_MAIN(LetterPdfTest)
#include "letter_pdf_test.moc"
