// A year report of 2,000 rows on paper, read back with poppler-utils: A4
// portrait; every page with the title, the source file, the day of creation
// and "Seite n von m"; a heading with the count for each month, in the order
// of the months, with as many lines as the CSV report has for it; the total;
// the rows that could not be computed with their reasons at the end; and no
// word of a name outside the page.

#include "qt/paper/year_report_pdf.h"
#include "stafflist/command/list_command.h"
#include "stafflist/command/report_document.h"
#include "tests/qt/pdf_reading.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace tarvolin {
namespace {

using namespace tarvolin::testing;

// 2,000 people: 25 years of service in 2027, on the first of a month that
// turns with the row; every 40th row 40 years; three rows that cannot be
// computed.
std::string staffTable()
{
    std::string t = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\n";
    for (int i = 0; i < 2000; ++i) {
        const int month = 1 + i % 12;
        const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
        const std::string name = i == 7 ? "von der Heide" : "Name" + std::to_string(i);
        const std::string first = i == 7 ? "Anna-Katharina Friederike Luise" : "Vorname";
        std::string birthday = "15.06.1975", pay = "01." + mm + ".2002";
        if (i % 40 == 1)
            pay = "01." + mm + ".1987", birthday = "15.06.1966";
        if (i == 100)
            birthday.clear();
        if (i == 200)
            birthday = "31.02.1970";
        if (i == 300)
            pay.clear();
        t += std::to_string(5000 + i) + ";" + name + ";" + first + ";" + birthday + ";" + pay + "\n";
    }
    return t;
}

int runList(const std::vector<std::string>& args, const ListWriters& writers)
{
    std::istringstream none;
    std::ostringstream out, err;
    return runStaffListCommand(args, {none, out, err, false}, writers);
}

// Per month of the CSV report: its number of lines.
std::map<int, int> linesPerMonth(const QString& csvPath)
{
    std::ifstream in{csvPath.toStdString()};
    std::map<int, int> months;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        if (line.size() >= 10)
            ++months[std::stoi(line.substr(3, 2))];
    return months;
}

} // namespace

class YearReportPdfTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void twoThousandRowsByMonthWithCountsAndTheRowsNotComputed()
    {
        QTemporaryDir dir;
        const std::string staff = dir.filePath(QStringLiteral("staff.csv")).toStdString();
        std::ofstream{staff} << staffTable();
        const QString pdf = dir.filePath(QStringLiteral("jubilaeen.pdf"));
        const QString csv = dir.filePath(QStringLiteral("jubilaeen.csv"));
        ListWriters writers;
        writers.report = writeYearReportPdf;
        const std::vector<std::string> common{"--list", staff, "--today", "07.12.2026", "--anniversaries", "2027"};
        auto with = [&](const QString& output) {
            auto args = common;
            args.insert(args.end(), {"--output", output.toStdString()});
            return args;
        };
        QCOMPARE(runList(with(pdf), writers), listWithUncomputedRows);
        QCOMPARE(runList(with(csv), writers), listWithUncomputedRows);

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("(A4)")) && info.contains(QStringLiteral("Page rot:        0")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("595 x 842")) || info.contains(QStringLiteral("595.276 x 841.89")), qPrintable(info));
        const int pages = pdfPages(pdf);
        QVERIFY(pages >= 20);

        const QStringList pageTexts = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pageTexts.size(), pages);
        const QString source = QStringLiteral("aus „%1“, erstellt am 07.12.2026").arg(QString::fromStdString(staff));
        for (int p = 0; p < pages; ++p) {
            const QStringList lines = squeezedLines(pageTexts[p]);
            QVERIFY2(lines.value(0).startsWith(QStringLiteral("Dienstjubiläen 2027")), qPrintable(lines.value(0)));
            QVERIFY2(pageTexts[p].contains(source), qPrintable(QString::number(p)));
            QVERIFY(lines.join(QLatin1Char('\n')).contains(QStringLiteral("Seite %1 von %2").arg(p + 1).arg(pages)));
        }

        const QStringList all = squeezedLines(pdfText(pdf));
        const std::map<int, int> months = linesPerMonth(csv);
        QCOMPARE(static_cast<int>(months.size()), 12);
        int total = 0, at = -1;
        for (const auto& [month, count] : months) {
            const QString heading = QStringLiteral("%1 2027: %2 Dienstjubiläen")
                                        .arg(QString::fromUtf8(germanMonthName(static_cast<unsigned>(month)).data()))
                                        .arg(count);
            const int found = static_cast<int>(all.indexOf(heading));
            QVERIFY2(found > at, qPrintable(heading));
            at = found;
            total += count;
        }
        QVERIFY(total > 1900);
        QVERIFY(all.indexOf(QStringLiteral("Insgesamt 2027: %1 Dienstjubiläen").arg(total)) > at);
        const int notComputed = static_cast<int>(all.indexOf(QStringLiteral("3 Zeilen nicht berechnet:")));
        QVERIFY(notComputed > at);
        const QString end = all.mid(notComputed).join(QLatin1Char(' '));
        for (const char* row : {"(Zeile 102: 5100 Name100, Vorname)", "(Zeile 202: 5200 Name200, Vorname)",
                                "(Zeile 302: 5300 Name300, Vorname)", "Geburtstag fehlt"})
            QVERIFY2(end.contains(QString::fromUtf8(row)), row);

        // Nothing is cut: every word of the long name is there, inside the page.
        const std::vector<PdfWord> words = pdfWords(pdf);
        for (const char* part : {"von", "der", "Heide", "Anna-Katharina", "Friederike", "Luise"})
            QVERIFY2(std::any_of(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == part; }), part);
        for (const PdfWord& w : words)
            QVERIFY2(w.box.left() >= 40 && w.box.right() <= 595.3 - 40, qPrintable(w.text));
    }

    // --with Abteilung: the carried column stands after the names on paper,
    // each department on its employee's line, neither cut.
    void theColumnAskedForStandsBesideTheNames()
    {
        QTemporaryDir dir;
        const std::string staff = dir.filePath(QStringLiteral("staff.csv")).toStdString();
        std::ofstream{staff} << "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Abteilung;Telefon\n"
                                "1;Meier;Anna;10.03.1975;01.04.2002;Bauverwaltung und Liegenschaften;11\n"
                                "2;von der Heide;Jörg;01.01.1965;01.02.1987;Ordnungsamt;12\n"
                                "3;Lang;Eva;01.01.1970;01.06.1990;Kämmerei;13\n";
        const QString pdf = dir.filePath(QStringLiteral("jubilaeen.pdf"));
        ListWriters writers;
        writers.report = writeYearReportPdf;
        QCOMPARE(runList({"--list", staff, "--today", "07.12.2026", "--anniversaries", "2027", "--with", "Abteilung",
                          "--output", pdf.toStdString()},
                         writers),
                 listComplete);
        const QStringList lines = squeezedLines(pdfText(pdf));
        const auto lineWith = [&](const QString& part) {
            for (const QString& l : lines)
                if (l.contains(part))
                    return l;
            return QString{};
        };
        QVERIFY2(lineWith(QStringLiteral("Name")).contains(QStringLiteral("Abteilung")), qPrintable(lines.join('|')));
        QVERIFY(lineWith(QStringLiteral("Meier")).contains(QStringLiteral("Bauverwaltung und Liegenschaften")));
        QVERIFY(lineWith(QStringLiteral("von der Heide")).contains(QStringLiteral("Ordnungsamt")));
        QVERIFY(!lines.join(QLatin1Char(' ')).contains(QStringLiteral("Kämmerei"))); // no anniversary in 2027
        QVERIFY(!lines.join(QLatin1Char(' ')).contains(QStringLiteral("Telefon")));
    }
};

} // namespace tarvolin

QTEST_MAIN(tarvolin::YearReportPdfTest)
#include "year_report_pdf_test.moc"
