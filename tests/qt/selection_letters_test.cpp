// The letters of a selection against the letters of the case windows: for
// each row, the page of `--letters` holds word for word (pdftotext, layout
// kept) what the row's case window prints to PDF when Drucken is pressed,
// with the office's letterhead and the row's address; the JDA letter and,
// chosen like the window's view, the Beschäftigungszeit letter of a year's
// jubilarians. A row that cannot be computed gives no page of its own and is
// named on the last one.

#include "qt/calculator_window/main_window.h"
#include "qt/letter/letter_settings.h"
#include "qt/letter/qt_printer.h"
#include "qt/staff_list_window/case_window.h"
#include "qt/letter/letters_pdf.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "stafflist/command/list_writers.h"
#include "stafflist/computation/staff_list.h"
#include "tests/qt/pdf_reading.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sstream>

namespace tarvolin {
namespace {

using namespace tarvolin::testing;

// Meier with an earlier period and a full address; Schulz with a reference
// date; a row without a birthday; Öztürk with 25 years of service in 2027.
const char* const staffTable =
    "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Stichtag;Anrede;Straße;Hausnummer;PLZ;Ort;"
    "Vorzeit 1 von;Vorzeit 1 bis;Vorzeit 1 öD;Vorzeit 1 Bezeichnung\n"
    "1001;Meier;Anna;10.03.1955;01.04.1990;;Frau;Gartenweg;3;12345;Musterstadt;01.09.1980;31.08.1983;x;"
    "Angestellte Stadt Köln\n"
    "1002;Schulz;Bernd;01.02.1962;01.08.1987;30.09.2026;Herr;Ringstraße;17a;54321;Beispielhausen;;;;\n"
    "1003;Leer;Lena;;01.08.1987;;;;;;;;;;\n"
    "1004;Öztürk;Ayşe;15.06.1975;01.07.2002;;Frau;Am Bach;1;11111;Köln;;;;\n";

const Date listDay = *Date::fromYmd(2026, 12, 7);

QString pageText(const QString& pdf, int page)
{
    return run(QStringLiteral("pdftotext"),
               {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

int runLetters(std::vector<std::string> args)
{
    std::istringstream none;
    std::ostringstream out, err;
    ListWriters writers;
    writers.letters = writeOfficeLettersPdf;
    return runStaffListCommand(args, {none, out, err, false}, writers);
}

std::shared_ptr<ComputedList> computed(const std::string& file)
{
    ListInput input;
    std::istringstream none;
    if (!input.open(file, none).empty())
        return nullptr;
    auto list = std::make_shared<ComputedList>();
    list->fileName = file;
    list->today = listDay;
    computeStaffRows(input, listDay, std::nullopt, [&](const ComputedRow& row) { list->add(row); },
                     [](std::size_t, std::size_t) { return true; });
    return list;
}

} // namespace

class SelectionLettersTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string staff;

    // The PDF the row's case window writes when Drucken is pressed, with the
    // letter of the view chosen.
    QString caseWindowLetter(const ComputedList& list, std::size_t row, bool jdaLetter)
    {
        const QString folder = dir.filePath(QStringLiteral("fall-%1-%2").arg(row).arg(jdaLetter));
        QDir{}.mkpath(folder);
        MainWindow* window = CaseWindow::open(list, row, folder, CaseWindow::Start::FromList, nullptr);
        if (window == nullptr)
            return {};
        auto* printer = dynamic_cast<QtPrinter*>(&window->jda().platform().printer);
        printer->setForcePdf(true);
        printer->setPdfFolder(folder);
        printer->setPdfNotice({});
        if (!jdaLetter)
            QTest::mouseClick(window->widget("Opt", 1), Qt::LeftButton);
        QTest::mouseClick(window->widget("Drucken"), Qt::LeftButton);
        const QStringList files = QDir{folder}.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        window->jda().platform().host.unload();
        return files.size() == 1 ? QDir{folder}.filePath(files.first()) : QString{};
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QStandardPaths::setTestModeEnabled(true);
        LetterSettings settings;
        Letterhead head;
        head.employer = "Stadt Musterstadt";
        head.office = "Personalamt";
        head.senderLine1 = "Rathausplatz 1, 12345 Musterstadt";
        head.senderLine2 = "Telefon 0123 4567";
        head.signerName = "Erika Mustermann";
        QVERIFY(settings.setLetterhead(head));
        QVERIFY(settings.setPrintDirectly(true));
        staff = dir.filePath(QStringLiteral("personal.csv")).toStdString();
        std::ofstream{staff} << staffTable;
    }

    void eachPageIsTheCaseWindowsLetter_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("jdaLetter");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("JDA letters of all rows") << QStringList{} << true << QList<int>{0, 1, 3};
        QTest::newRow("Beschäftigungszeit of the jubilarians of 2027")
            << QStringList{"--letter", "beschaeftigungszeit", "--anniversaries", "2027"} << false << QList<int>{1, 3};
    }

    void eachPageIsTheCaseWindowsLetter()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, jdaLetter);
        QFETCH(QList<int>, rows);
        const QString pdf = dir.filePath(QStringLiteral("briefe-%1.pdf").arg(jdaLetter));
        std::vector<std::string> args{"--list", staff, "--today", "07.12.2026", "--letters", "--output", pdf.toStdString()};
        for (const QString& o : options)
            args.push_back(o.toStdString());
        QCOMPARE(runLetters(args), listWithUncomputedRows);
        QCOMPARE(pdfPages(pdf), static_cast<int>(rows.size()) + 1);

        const std::shared_ptr<ComputedList> list = computed(staff);
        QVERIFY(list != nullptr && list->size() == 4);
        for (int i = 0; i < rows.size(); ++i) {
            const QString single = caseWindowLetter(*list, static_cast<std::size_t>(rows[i]), jdaLetter);
            QVERIFY2(!single.isEmpty(), "the case window printed its letter");
            QCOMPARE(pdfPages(single), 1);
            const QString page = pageText(pdf, i + 1);
            QCOMPARE(page, pageText(single, 1));
            QVERIFY(page.contains(QStringLiteral("Stadt Musterstadt")));
            QVERIFY(page.contains(QString::fromUtf8(jdaLetter ? "Jubiläumsdienstalter" : "Beschäftigungszeit")));
        }
        const QStringList last = squeezedLines(pageText(pdf, static_cast<int>(rows.size()) + 1));
        QCOMPARE(last.value(0), QStringLiteral("1 Zeile nicht berechnet, ohne Brief:"));
        QVERIFY2(last.join(QLatin1Char(' ')).contains(QStringLiteral("Zeile 4")), qPrintable(last.join('|')));
        QVERIFY2(last.join(QLatin1Char(' ')).contains(QStringLiteral("1003 Leer, Lena")), qPrintable(last.join('|')));
    }

    // No row in the selection: nothing is written, and the answer says so.
    void anEmptySelectionWritesNothing()
    {
        const QString pdf = dir.filePath(QStringLiteral("keine.pdf"));
        QCOMPARE(runLetters({"--list", staff, "--today", "07.12.2026", "--letters", "--retirements", "1930", "--output",
                             pdf.toStdString()}),
                 listFailed);
        QVERIFY(!QFileInfo::exists(pdf));
    }
};

} // namespace tarvolin

QTEST_MAIN(tarvolin::SelectionLettersTest)
#include "selection_letters_test.moc"
