// The letter through QtPrinter into a PDF file, read back with pdftotext
// (poppler-utils): the lines in order, the columns where the twips put them,
// 12-point Arial (Liberation Sans), a second page for a full table, no
// overwriting, and a German failure message when the file cannot be written.
// Also the desktop shell that opens the help pages.

#include "calc/date_text.h"
#include "qt/desktop_shell.h"
#include "qt/qt_printer.h"
#include "tests/support/fakes.h"

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

namespace {

// A window object whose printer is a QtPrinter writing PDF files into a
// temporary folder.
struct PdfWindow {
    testing::RecordingMessageBox messages;
    testing::FixedClock clock;
    QtPrinter printer;
    testing::RecordingShell shell;
    testing::RecordingHost host;
    JDA jda{Platform{messages, clock, printer, shell, host}};
    QStringList notices;

    explicit PdfWindow(const QString& folder)
    {
        printer.setForcePdf(true);
        printer.setPdfFolder(folder);
        printer.setPdfNotice([this](const QString& sentence) { notices << sentence; });
        clock.day = *Date::fromYmd(2008, 5, 15);
    }

    void setRow(int k, const char* from, const char* to, const char* text, const char* d, const char* m,
                const char* y)
    {
        jda.Datum(2 * k).text = from;
        jda.Datum(2 * k + 1).text = to;
        jda.Eingabe(k).text = text;
        jda.box(k).value = true;
        setPanels(k, d, m, y);
    }
    void setPanels(int r, const char* d, const char* m, const char* y)
    {
        jda.Tage(r).text = d;
        jda.Monat(r).text = m;
        jda.Jahr(r).text = y;
    }

    // The typical case: two prior periods, the 40th and 50th anniversaries
    // beyond the retirement age.
    void fillTypicalCase()
    {
        jda.Datum(0).text = "10/03/1955";
        jda.Datum(1).text = "01/04/1990";
        setRow(1, "01/09/1980", "31/08/1983", "Wehrdienst", "0", "0", "3");
        setRow(2, "01/01/1984", "31/12/1985", "Studium der Verwaltungswissenschaft", "0", "0", "2");
        setPanels(15, "15", "1", "18");
        setPanels(16, "0", "0", "5");
        setPanels(17, "15", "1", "23");
        jda.Datum(31).text = "15/05/2008";
        jda.Datum(32).text = "01/04/1985";
        jda.Datum(33).text = "01/04/2010";
        jda.Datum(34).text = "01/04/2025";
        jda.Datum(35).text = "01/04/2035";
        jda.Datum(38).text = "31/12/2020";
        jda.Text(13).text = "Erreichen der Regelaltersgrenze";
        jda.Text(5).visible = false;
        jda.Text(6).visible = true;
        jda.Text(7).visible = true;
        jda.retireAgeYears = 65;
        jda.retireAgeMonths = 9;
        jda.Opt(0).value = true;
        jda.Opt(1).value = false;
    }
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path) { return run(QStringLiteral("pdftotext"), {"-layout", path, "-"}); }

// The lines of the text that are not blank, with runs of blanks squeezed.
QStringList squeezedLines(const QString& text)
{
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// The box of a word (the occurrence-th equal to `word`) in points, from
// pdftotext's bounding boxes; an empty box when it is missing.
QRectF wordBox(const QString& path, const QString& word, int occurrence = 0)
{
    const QString html = run(QStringLiteral("pdftotext"), {"-bbox", path, "-"});
    static const QRegularExpression box{QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re")};
    int seen = 0;
    for (auto it = box.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5) == word && seen++ == occurrence)
            return QRectF{QPointF{m.captured(1).toDouble(), m.captured(2).toDouble()},
                          QPointF{m.captured(3).toDouble(), m.captured(4).toDouble()}};
    }
    return {};
}

// The printable area starts at the PDF's margin of 10 mm = 28.35 pt.
constexpr double marginPoints = 28.35;
double pointsOfTwips(int twips) { return twips / 20.0; }

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
        PdfWindow w{folder.path()};
        w.fillTypicalCase();
        w.jda.Drucken_Click();

        QVERIFY(w.messages.shown.empty());
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
        PdfWindow w{folder.path()};
        w.fillTypicalCase();
        w.jda.Drucken_Click();
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
        PdfWindow w{folder.path()};
        w.fillTypicalCase();
        w.jda.Opt(0).value = false;
        w.jda.Opt(1).value = true;
        w.jda.Drucken_Click();
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
        PdfWindow w{folder.path()};
        w.fillTypicalCase();
        for (int k = 1; k <= 14; ++k) {
            const QByteArray from = QStringLiteral("01/01/%1").arg(1960 + k).toUtf8();
            const QByteArray to = QStringLiteral("31/12/%1").arg(1960 + k).toUtf8();
            const QByteArray text = QStringLiteral("Zeitraum %1").arg(k).toUtf8();
            w.setRow(k, from.constData(), to.constData(), text.constData(), "0", "0", "1");
        }
        w.jda.Drucken_Click();
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
        PdfWindow w{folder.path()};
        w.fillTypicalCase();
        w.jda.Drucken_Click();
        const QString first = w.printer.lastPdfPath();
        QFile firstFile{first};
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        const QByteArray firstBytes = firstFile.readAll();
        firstFile.close();

        w.jda.Opt(0).value = false;
        w.jda.Opt(1).value = true;
        w.jda.Drucken_Click();
        const QString second = w.printer.lastPdfPath();
        w.jda.Drucken_Click();
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
        PdfWindow w{folder.path()};
        w.fillTypicalCase();
        w.jda.Drucken_Click();
        QVERIFY(w.messages.shown.empty());
        QCOMPARE(QFileInfo{w.printer.lastPdfPath()}.fileName(), stem + QStringLiteral("-2.pdf"));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(pdfText(w.printer.lastPdfPath()).contains(QStringLiteral("Festsetzung Ihres Jubiläumsdienstalters")));
    }

    void unwritableFolderIsReportedInGerman()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("gibt-es-nicht"));
        PdfWindow w{missing};
        w.fillTypicalCase();
        const std::string birthday = w.jda.Datum(0).text;
        w.jda.Drucken_Click();
        QCOMPARE(w.messages.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.messages.shown[0].title), QStringLiteral("Tarvolin"));
        const QString text = QString::fromStdString(w.messages.shown[0].text);
        QVERIFY2(text.startsWith(QStringLiteral("Der Brief konnte nicht als PDF-Datei gespeichert werden")),
                 qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(missing)), qPrintable(text));
        QVERIFY(w.printer.lastPdfPath().isEmpty());
        QVERIFY(w.notices.isEmpty());
        QCOMPARE(w.jda.Datum(0).text, birthday);

        // The next letter, into a folder that exists, is complete: nothing of
        // the failed one is left over.
        w.printer.setPdfFolder(folder.path());
        w.jda.Drucken_Click();
        const QStringList lines = squeezedLines(pdfText(w.printer.lastPdfPath()));
        QCOMPARE(lines.count(QStringLiteral("Festsetzung Ihres Jubiläumsdienstalters")), 1);
    }

    // The address reaches the desktop's URL handling unchanged, and a
    // desktop that cannot open it gives false. (The offscreen platform has no
    // browser of its own; a registered handler stands in for it.)
    void desktopShellHandsOverTheAddress()
    {
        DesktopShell shell;
        const std::string address = "http://www.tarvolin.de/Tarifvertrag/TVoeD/TVoeD-Text/34-Kuendigung.htm";
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
