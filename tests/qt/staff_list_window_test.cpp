// The staff-list window against `tarvolin --list`: a generated table dropped
// on the window shows every row, a year filter shows the command's report,
// the saved CSV is the command's byte for byte, dates sort as dates, copied
// cells paste into a spreadsheet, and a double-click (or Enter) opens the
// calculator with that row's case, which then shows what the list shows.
// Everything runs through the window's controls, on a fixed system date.

#include "bench/staff_table.h"
#include "qt/staff_list_window/background_job.h"
#include "qt/staff_list_window/case_window.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/calculator_window/main_window.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_list_worker.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "calc/date_text.h"
#include "stafflist/tables/csv_reader.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_platform.h"
#include "stafflist/tables/table_date.h"
#include "stafflist/computation/year_reports.h"
#include "tests/qt/pdf_reading.h"
#include "tests/qt/window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <QMimeData>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

using namespace tarvolin;

namespace {

const Date listDay = *Date::fromYmd(2026, 12, 7);

// Generated rows (every second one with fourteen earlier periods), then rows
// made for the checks: birthdays whose text order is not their date order,
// a name with the separator and quotes, rows the list cannot compute.
std::string staffTable(int generatedRows)
{
    bench::StaffTableGenerator g;
    std::string t = bench::StaffTableGenerator::header();
    for (int n = 0; n < generatedRows; ++n)
        t += g.row(n);
    const std::string noPeriods(14 * 4, ';');
    t += "900;Früh;Frieda;02.01.1960;01.04.1990;31.12.2027;" + noPeriods + "\r\n";
    t += "901;Spät;Siegfried;01.02.1970;01.04.1995;;" + noPeriods + "\r\n";
    t += "902;\"Jubi;\"\"lar\"\"\";Anna;05.05.1965;01.01.1987;;63/5" + noPeriods + "\r\n";
    t += "903;Ohne;Datum;31.02.1970;01.01.1990;;" + noPeriods + "\r\n";
    t += "904;Vor;Geburt;01.01.1970;01.01.1960;;" + noPeriods + "\r\n";
    return t;
}

std::string readAll(const QString& path)
{
    std::ifstream in{path.toStdString(), std::ios::binary};
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// What `tarvolin --list` writes for the table with these options.
std::string commandCsv(const QString& table, std::vector<std::string> options, const QString& output)
{
    std::vector<std::string> args{"--list", table.toStdString(), "--today", "07.12.2026", "--output",
                                  output.toStdString()};
    args.insert(args.end(), options.begin(), options.end());
    std::istringstream in;
    std::ostringstream out, err;
    runStaffListCommand(args, {in, out, err, false}, {});
    return readAll(output);
}

std::vector<std::vector<std::string>> csvLines(const std::string& csv)
{
    std::istringstream in{csv};
    CsvReader reader{in};
    TableRecord record;
    reader.readHeader(record);
    std::vector<std::vector<std::string>> lines;
    while (reader.next(record))
        lines.push_back(record.fields);
    return lines;
}

QList<MainWindow*> calculators()
{
    QList<MainWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MainWindow*>(w); m != nullptr && m->isVisible())
            found << m;
    return found;
}

struct ListWindow {
    QTemporaryDir folder;
    QString table = folder.filePath(QStringLiteral("personal.csv"));
    QString caseFolder = folder.filePath(QStringLiteral("Fälle"));
    QSettings settings{folder.filePath(QStringLiteral("tarvolin.ini")), QSettings::IniFormat};
    tarvolin::FixedClock clock{listDay};
    std::unique_ptr<StaffListWindow> window;
    testing::ModalWatchdog watchdog;

    explicit ListWindow(int generatedRows = 300)
    {
        std::ofstream{table.toStdString(), std::ios::binary} << staffTable(generatedRows);
        reopen();
    }
    void reopen()
    {
        window = std::make_unique<StaffListWindow>(clock, settings, caseFolder);
        window->show();
    }
    StaffTableModel& model() { return window->model(); }
    template <class W>
    W& control(const char* name)
    {
        return *window->findChild<W*>(QString::fromLatin1(name));
    }
    // Opens the table (again) and waits until it is computed.
    bool compute()
    {
        QSignalSpy done{&window->worker(), &StaffListWorker::finished};
        window->openFile(table);
        return done.wait(120000) && model().list() != nullptr;
    }
    bool computeAgain()
    {
        QSignalSpy done{&window->worker(), &StaffListWorker::finished};
        return done.wait(120000) && model().list() != nullptr;
    }
    QString cell(int line, int column) { return model().index(line, column).data().toString(); }
    int lineOf(const QString& name)
    {
        for (int line = 0; line < model().rowCount(); ++line)
            if (cell(line, colName) == name)
                return line;
        return -1;
    }
};

} // namespace

class StaffListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensADroppedTableAndNamesEveryControl();
    void savesWhatTheCommandWrites_data();
    void savesWhatTheCommandWrites();
    void sortsDatesAsDates();
    void copiesCellsForASpreadsheet();
    void opensTheCalculatorWithTheRowsCase();
    void cancelLeavesNoList();
    void remembersYearAndColumnWidths();
    void sortsFromTheMenu();
    void searchFindsUmlautsHoweverSpelled_data();
    void searchFindsUmlautsHoweverSpelled();
    void aFailedOpenKeepsTheListAndItsStatus();
    void namesFitTheirColumnUpToALimit();
    void helpKeyOpensTheStaffListPage();
    void aCaseWindowAsksAndOffersItsAddressee();
    void aCaseWindowOffersTheRowsAddress();
    void colorsRowsByTheirNotes();
    void savesTheReportsCalendarAsTheCommandDoes();
    void writesTheLettersOfTheSelection();
};

void StaffListWindowTest::opensADroppedTableAndNamesEveryControl()
{
    ListWindow w;
    // The table dropped on the window.
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(w.table)});
    QDragEnterEvent enter{QPoint{10, 10}, Qt::CopyAction, &file, Qt::LeftButton, {}};
    QApplication::sendEvent(w.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QSignalSpy done{&w.window->worker(), &StaffListWorker::finished};
    QDropEvent drop{QPointF{10, 10}, Qt::CopyAction, &file, Qt::LeftButton, {}};
    QApplication::sendEvent(w.window.get(), &drop);
    QVERIFY(done.wait(120000));
    QCOMPARE(w.model().rowCount(), 305);
    // The notes count is the command's count of rows with a note.
    std::size_t withNotes = 0;
    for (const auto& l : csvLines(commandCsv(w.table, {}, w.folder.filePath(QStringLiteral("all.csv")))))
        withNotes += l.size() == resultColumnCount && !l[colNotes].empty() ? 1 : 0;
    QVERIFY(withNotes >= 2);
    QCOMPARE(w.control<QRadioButton>("notes").accessibleName(), notesCountText(withNotes));
    w.control<QRadioButton>("notes").click();
    QCOMPARE(static_cast<std::size_t>(w.model().rowCount()), withNotes);

    // Every control the keyboard reaches has a name for screen readers (a
    // spin box's own line edit hands its focus to the spin box).
    for (QWidget* c : w.window->findChildren<QWidget*>())
        if (c->isVisibleTo(w.window.get()) && (c->focusPolicy() & Qt::TabFocus) && !c->inherits("QScrollBar")
            && c->focusProxy() == nullptr)
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName() + " " + c->metaObject()->className()));
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

void StaffListWindowTest::savesWhatTheCommandWrites_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("referenceDate");
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("all rows") << "all" << "" << 2027 << QStringList{};
    QTest::newRow("all rows, reference date") << "all" << "31.12.2027" << 2027
                                              << QStringList{"--reference-date", "31.12.2027"};
    QTest::newRow("anniversaries 2027") << "anniversaries" << "" << 2027 << QStringList{"--anniversaries", "2027"};
    QTest::newRow("retirements 2031, reference date")
        << "retirements" << "30.06.2026" << 2031
        << QStringList{"--retirements", "2031", "--reference-date", "30.06.2026"};
}

void StaffListWindowTest::savesWhatTheCommandWrites()
{
    QFETCH(QString, filter);
    QFETCH(QString, referenceDate);
    QFETCH(int, year);
    QFETCH(QStringList, options);

    ListWindow w;
    QVERIFY(w.compute());
    if (!referenceDate.isEmpty()) {
        auto& field = w.control<QLineEdit>("referenceDate");
        field.setFocus();
        field.setText(referenceDate);
        QSignalSpy done{&w.window->worker(), &StaffListWorker::finished};
        QTest::keyClick(&field, Qt::Key_Return);
        QVERIFY(done.wait(120000));
    }
    w.control<QSpinBox>("year").setValue(year);
    w.control<QRadioButton>(filter.toLatin1().constData()).click();

    std::vector<std::string> args;
    for (const QString& o : options)
        args.push_back(o.toStdString());
    const std::string expected = commandCsv(w.table, args, w.folder.filePath(QStringLiteral("command.csv")));
    const QString saved = w.folder.filePath(QStringLiteral("window.csv"));
    QCOMPARE(w.window->saveCsv(saved), QString{});
    QVERIFY(readAll(saved) == expected);

    // The window shows those very lines, in that order.
    const auto lines = csvLines(expected);
    QCOMPARE(static_cast<std::size_t>(w.model().rowCount()), lines.size());
    QVERIFY(!lines.empty());
    for (int line = 0; line < w.model().rowCount(); ++line)
        for (int c = 0; c < w.model().columnCount(); ++c)
            QCOMPARE(w.cell(line, c).toStdString(), lines[static_cast<std::size_t>(line)][static_cast<std::size_t>(c)]);
}

void StaffListWindowTest::sortsDatesAsDates()
{
    ListWindow w;
    QVERIFY(w.compute());
    FrozenTableView& table = w.window->table();
    QHeaderView* header = table.horizontalHeader();
    auto clickHead = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                 header->height() / 2));
    };
    auto birthdays = [&] {
        std::vector<int> days;
        for (int line = 0; line < w.model().rowCount(); ++line)
            if (const auto d = parseTableDate(w.cell(line, colBirthday).toStdString()))
                days.push_back(d->serial());
        return days;
    };
    clickHead(colBirthday);
    const std::vector<int> ascending = birthdays();
    QCOMPARE(ascending.size(), std::size_t{303});
    QVERIFY(std::is_sorted(ascending.begin(), ascending.end()));
    // 02.01.1960 before 01.02.1970, as days and not as texts; the two rows
    // that could not be computed have no birthday and come last.
    QVERIFY(w.lineOf(QStringLiteral("Früh")) < w.lineOf(QStringLiteral("Spät")));
    QCOMPARE(w.cell(w.model().rowCount() - 2, colName), QStringLiteral("Ohne"));
    QCOMPARE(w.cell(w.model().rowCount() - 1, colName), QStringLiteral("Vor"));

    clickHead(colBirthday);
    const std::vector<int> descending = birthdays();
    QVERIFY(std::is_sorted(descending.rbegin(), descending.rend()));
}

void StaffListWindowTest::copiesCellsForASpreadsheet()
{
    ListWindow w;
    QVERIFY(w.compute());
    FrozenTableView& table = w.window->table();
    const int line = w.lineOf(QStringLiteral("Jubi;\"lar\""));
    QVERIFY(line > 0);
    QItemSelection cells{w.model().index(line - 1, colName), w.model().index(line, colBirthday)};
    table.selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Spät\tSiegfried\t01.02.1970\n\"Jubi;\"\"lar\"\"\"\tAnna\t05.05.1965\n"));
}

void StaffListWindowTest::opensTheCalculatorWithTheRowsCase()
{
    ListWindow w;
    QVERIFY(w.compute());
    // The calculator never works in the program's working directory.
    QTemporaryDir workingDirectory;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workingDirectory.path());
    const ComputedList& list = *w.model().list();
    FrozenTableView& table = w.window->table();

    // A row with fourteen earlier periods and no notes but those on its
    // dates (the window shows no message for them): double-click on its name
    // in the frozen columns.
    int line = 0;
    auto messages = [&](std::size_t row) { return list.hasNotes(row) && !list.hasOnlyDateNotes(row); };
    while (messages(w.model().sourceRow(line)) || !list.typedCase(w.model().sourceRow(line))->periods[13])
        ++line;
    QTableView& frozen = table.frozenPart();
    const QRect name = frozen.visualRect(w.model().index(line, colName));
    QVERIFY(frozen.viewport()->rect().contains(name.center()));
    // As the mouse does it: press, release, the double-click, release.
    QTest::mouseClick(frozen.viewport(), Qt::LeftButton, {}, name.center());
    QTest::mouseDClick(frozen.viewport(), Qt::LeftButton, {}, name.center());
    QTest::mouseRelease(frozen.viewport(), Qt::LeftButton, {}, name.center());
    QTRY_COMPARE(calculators().size(), 1);
    MainWindow& calculator = *calculators().first();

    const std::size_t row = w.model().sourceRow(line);
    ResultLine listed;
    list.line(row, listed);
    QCOMPARE(calculator.jda().Datum(0).text, dateText(*listed.date(colBirthday)));
    QCOMPARE(calculator.jda().Datum(1).text, dateText(*listed.date(colPayStart)));
    ResultLine shown = listed;
    readWindowResults(calculator.jda(), shown);
    QVERIFY(shown == listed);
    // The row's notes on its dates are the calculator's hint on its last
    // notice day.
    const QString hint = calculator.widget("Termin")->toolTip();
    for (const QString& note : QString::fromStdString(cellText(listed[colNotes])).split(QStringLiteral(" | "), Qt::SkipEmptyParts))
        QVERIFY2(hint.contains(note), qPrintable(hint));
    QVERIFY(calculator.windowTitle().endsWith(
        QStringLiteral(" – %1, %2, Personalnummer %3").arg(w.cell(line, colName), w.cell(line, colFirstName), w.cell(line, 0))));
    QVERIFY(calculator.windowTitle().startsWith(QString::fromStdString(calculator.jda().formCaption)));
    // It prints as the program's own window does: addressee, letterhead, preview.
    QVERIFY(&calculator.jda().platform().letter != &LetterDetails::none());

    // Schließen keeps the case in the cases' folder, and only there.
    QTest::mouseClick(calculator.widget("Schließen"), Qt::LeftButton);
    QTRY_COMPARE(calculators().size(), 0);
    // Each employee has a folder of their own, for their owner only, named
    // by the personnel number.
    const QString employee = QDir{w.caseFolder}.filePath(w.cell(line, 0));
    QVERIFY(QFileInfo::exists(QDir{employee}.filePath(QStringLiteral("jda.txt"))));
    QVERIFY(!QFileInfo::exists(QDir{w.caseFolder}.filePath(QStringLiteral("jda.txt"))));
    for (const QString& folder : {w.caseFolder, employee})
        QCOMPARE(QFileInfo{folder}.permissions() & 0x0077, QFileDevice::Permissions{});
    QCOMPARE(QFileInfo{QDir{employee}.filePath(QStringLiteral("jda.txt"))}.permissions() & 0x0077,
             QFileDevice::Permissions{});
    QVERIFY(QDir{workingDirectory.path()}.isEmpty());

    // The list marks the row, and opening it again shows the saved case, not
    // the list's values: an edit made in the window is still there.
    QVERIFY(w.model().headerData(line, Qt::Vertical).toString().contains(QChar{0x270E}));
    QVERIFY(!w.model().headerData(line == 0 ? 1 : 0, Qt::Vertical).toString().contains(QChar{0x270E}));
    MainWindow* again = w.window->openEmployee(line);
    QVERIFY(again != nullptr);
    QVERIFY(again->windowTitle().endsWith(QStringLiteral("(gespeicherter Fall)")));
    again->jda().Eingabe(1).text = "geändert im Fenster";
    QTest::mouseClick(again->widget("Schließen"), Qt::LeftButton);
    QTRY_COMPARE(calculators().size(), 0);
    again = w.window->openEmployee(line);
    QVERIFY(again->jda().Eingabe(1).text.rfind("geändert im Fenster", 0) == 0);
    again->close();
    QTRY_COMPARE(calculators().size(), 0);
    // Starting again from the list's values is there when wanted.
    MainWindow* fresh = w.window->openEmployee(line, true);
    QVERIFY(!fresh->windowTitle().contains(QStringLiteral("gespeicherter Fall")));
    QCOMPARE(fresh->jda().Datum(0).text, dateText(*listed.date(colBirthday)));
    QVERIFY(fresh->jda().Eingabe(1).text.find("geändert") == std::string::npos);
    fresh->close();
    QTRY_COMPARE(calculators().size(), 0);

    // Enter on a line opens its case too.
    const int other = w.lineOf(QStringLiteral("Früh"));
    table.setFocus();
    table.setCurrentIndex(w.model().index(other, colBirthday));
    QTest::keyClick(&table, Qt::Key_Return);
    QTRY_COMPARE(calculators().size(), 1);
    QCOMPARE(calculators().first()->jda().Datum(0).text, std::string{"02/01/1960"});
    QCOMPARE(calculators().first()->jda().Datum(31).text, std::string{"31/12/2027"});
    calculators().first()->close();
    QDir::setCurrent(previous);
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

void StaffListWindowTest::cancelLeavesNoList()
{
    ListWindow w{20000};
    QSignalSpy done{&w.window->worker(), &StaffListWorker::finished};
    w.window->openFile(w.table);
    QVERIFY(w.control<QPushButton>("cancel").isVisible());
    QTest::mouseClick(&w.control<QPushButton>("cancel"), Qt::LeftButton);
    QVERIFY(done.wait(120000));
    QVERIFY(w.window->worker().outcome().cancelled);
    QVERIFY(w.model().list() == nullptr);
    QVERIFY(!w.control<QPushButton>("cancel").isVisible());
}

void StaffListWindowTest::remembersYearAndColumnWidths()
{
    ListWindow w;
    QVERIFY(w.compute());
    w.control<QSpinBox>("year").setValue(2031);
    w.window->table().horizontalHeader()->resizeSection(colNotes, 333);
    w.window->close();
    w.reopen();
    QCOMPARE(w.control<QSpinBox>("year").value(), 2031);
    QVERIFY(w.compute());
    QCOMPARE(w.window->table().columnWidth(colNotes), 333);

    // Values that no window could have written are left out, not obeyed: a
    // width that is no number or 0 would hide its column for good.
    w.window->close();
    w.settings.setValue(QStringLiteral("Personalliste/Jahr"), QStringLiteral("abc"));
    w.settings.setValue(QStringLiteral("Personalliste/Spaltenbreiten/Hinweise"), QStringLiteral("abc"));
    w.settings.setValue(QStringLiteral("Personalliste/Spaltenbreiten/Name"), 0);
    w.settings.sync();
    w.reopen();
    QCOMPARE(w.control<QSpinBox>("year").value(), listDay.year());
    QVERIFY(w.compute());
    QVERIFY(w.window->table().columnWidth(colNotes) > 20);
    QVERIFY(w.window->table().columnWidth(colName) > 20);
}

// "Ansicht › Sortieren nach": every column by its head, as a click on the
// head sorts (ascending, then descending), and the list's own order back.
void StaffListWindowTest::sortsFromTheMenu()
{
    ListWindow w;
    QVERIFY(w.compute());
    auto* menu = w.window->findChild<QMenu*>(QStringLiteral("sortMenu"));
    QVERIFY(menu);
    auto choose = [&](const QString& text) {
        emit menu->aboutToShow();
        for (QAction* a : menu->actions())
            if (a->text().startsWith(text)) {
                a->trigger();
                return true;
            }
        return false;
    };
    auto checked = [&] {
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* a : menu->actions())
            if (a->isChecked())
                texts << a->text();
        return texts;
    };
    // The names as the sort compares them, the lines without a name left out.
    auto nameKeys = [&] {
        std::vector<std::string> keys;
        for (int line = 0; line < w.model().rowCount(); ++line)
            if (const QString n = w.cell(line, colName); !n.isEmpty())
                keys.push_back(nameKey(n.toStdString()));
        return keys;
    };
    auto names = [&] {
        QStringList n;
        for (int line = 0; line < w.model().rowCount(); ++line)
            n << w.cell(line, colName);
        return n;
    };
    const QStringList own = names();
    QVERIFY(checked().isEmpty());

    QVERIFY(choose(QStringLiteral("Name")));
    QCOMPARE(w.window->table().horizontalHeader()->sortIndicatorSection(), int{colName});
    const std::vector<std::string> ascending = nameKeys();
    QVERIFY(std::is_sorted(ascending.begin(), ascending.end()));
    QVERIFY(names() != own);
    QCOMPARE(checked(), QStringList{QStringLiteral("Name (aufsteigend)")});

    QVERIFY(choose(QStringLiteral("Name")));
    QCOMPARE(w.window->table().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    const std::vector<std::string> descending = nameKeys();
    QVERIFY(std::is_sorted(descending.rbegin(), descending.rend()));
    QCOMPARE(checked(), QStringList{QStringLiteral("Name (absteigend)")});

    QVERIFY(choose(QStringLiteral("&Ursprüngliche Reihenfolge")));
    QCOMPARE(names(), own);
    QVERIFY(checked().isEmpty());
    // The menu is reached from the keyboard: Alt+N opens "Ansicht", S this menu.
    bool found = false;
    for (QAction* a : w.window->menuBar()->actions())
        found = found || (a->text() == QStringLiteral("A&nsicht") && a->menu()->actions().first()->menu() == menu);
    QVERIFY(found);
    QCOMPARE(menu->title(), QStringLiteral("&Sortieren nach"));
}

void StaffListWindowTest::searchFindsUmlautsHoweverSpelled_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("found");
    QTest::newRow("ue for ü") << "frueh" << "Früh";
    QTest::newRow("ae for ä, capitals") << "SPAET" << "Spät";
    QTest::newRow("plain a for ä") << "spat, sieg" << "Spät";
    QTest::newRow("Vorname Name") << "Frieda Früh" << "Früh";
}

void StaffListWindowTest::searchFindsUmlautsHoweverSpelled()
{
    QFETCH(QString, search);
    QFETCH(QString, found);
    ListWindow w;
    QVERIFY(w.compute());
    auto& field = w.control<QLineEdit>("search");
    field.setFocus();
    // (QTest types Latin-1 keys only; the text goes in as an input method would put it.)
    field.insert(search);
    QCOMPARE(w.model().rowCount(), 1);
    QCOMPARE(w.cell(0, colName), found);
}

// A table that cannot be opened leaves the list shown, the status naming
// its file, and says what failed in a message of its own.
void StaffListWindowTest::aFailedOpenKeepsTheListAndItsStatus()
{
    ListWindow w;
    QVERIFY(w.compute());
    auto& status = w.control<QLabel>("status");
    const QString before = status.text();
    QVERIFY2(before.contains(QStringLiteral("personal.csv")), qPrintable(before));
    QString said;
    w.watchdog.expect([&](QMessageBox& box) {
        said = box.text();
        testing::clickButton(box, QStringLiteral("OK"));
    });
    QSignalSpy done{&w.window->worker(), &StaffListWorker::finished};
    w.window->openFile(w.folder.filePath(QStringLiteral("gibt es nicht.csv")));
    QVERIFY(done.wait(120000));
    QTRY_VERIFY(!w.watchdog.stillExpecting());
    QVERIFY2(said.contains(QStringLiteral("gibt es nicht.csv")), qPrintable(said));
    QCOMPARE(status.text(), before);
    QCOMPARE(w.model().rowCount(), 305);
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

// The name columns are as wide as the longest name of the whole list, also
// one far below the lines in sight; a name longer than the limit is cut
// short and its cell's tool tip holds the whole of it.
void StaffListWindowTest::namesFitTheirColumnUpToALimit()
{
    ListWindow w;
    const std::string noPeriods(14 * 4, ';');
    const QString longName = QStringLiteral("Hohenstein-Wittgenstein");
    const QString tooLong = QStringLiteral("von und zu ") + QString(12, QLatin1Char('X')).replace(QLatin1Char('X'), longName);
    std::ofstream{w.table.toStdString(), std::ios::app | std::ios::binary}
        << "905;" << longName.toStdString() << ";Lang;01.01.1970;01.01.1990;;" << noPeriods << "\r\n"
        << "906;Kurz;" << tooLong.toStdString() << ";01.01.1970;01.01.1990;;" << noPeriods << "\r\n";
    QVERIFY(w.compute());
    FrozenTableView& table = w.window->table();
    const QFontMetrics metrics = table.fontMetrics();
    QVERIFY(table.columnWidth(colName) >= metrics.horizontalAdvance(longName));
    QCOMPARE(table.columnWidth(colFirstName), w.window->columnWidthLimit());
    QVERIFY(table.columnWidth(colFirstName) < metrics.horizontalAdvance(tooLong));

    const int line = w.lineOf(QStringLiteral("Kurz"));
    QVERIFY(line >= 0);
    static_cast<QTableView&>(table).scrollTo(w.model().index(line, colFirstName));
    QTableView& frozen = table.frozenPart();
    const QRect cell = frozen.visualRect(w.model().index(line, colFirstName));
    QHelpEvent help{QEvent::ToolTip, cell.center(), frozen.viewport()->mapToGlobal(cell.center())};
    QApplication::sendEvent(frozen.viewport(), &help);
    // (With the row's note: on 07.12.2026 its last notice day has passed.)
    QTRY_COMPARE(QToolTip::text(),
                 tooLong + QStringLiteral("\n\nHinweise: Kündigungstermin verstrichen (spätestens am 30.06.2026)"));
    // A name that fits has none of its own.
    const QRect fits = frozen.visualRect(w.model().index(line, colName));
    QToolTip::hideText();
    QHelpEvent short_{QEvent::ToolTip, fits.center(), frozen.viewport()->mapToGlobal(fits.center())};
    QApplication::sendEvent(frozen.viewport(), &short_);
    QVERIFY(QToolTip::text() != QStringLiteral("Kurz"));
}

// F1 opens the staff list's own help page of the program's copy of the
// site in the browser (here a stand-in for xdg-open that notes the address).
void StaffListWindowTest::helpKeyOpensTheStaffListPage()
{
    QTemporaryDir bin;
    QFile stub{bin.path() + QStringLiteral("/xdg-open")};
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1/given'\n").arg(bin.path()).toUtf8());
    stub.close();
    QVERIFY(stub.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    ListWindow w;
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    qputenv("PATH", path);
    QFile given{bin.path() + QStringLiteral("/given")};
    QTRY_VERIFY(given.exists() && given.size() > 0);
    QVERIFY(given.open(QIODevice::ReadOnly));
    const QString opened = QString::fromUtf8(given.readAll()).trimmed();
    QVERIFY2(opened.startsWith(QStringLiteral("file://")) && opened.endsWith(QStringLiteral("/site/manual/personalliste.htm")),
             qPrintable(opened));
    QVERIFY(QFileInfo::exists(QUrl{opened}.toLocalFile()));
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

// A case opened from the list: Drucken offers the row's employee as the
// addressee, named in the dialog's title; the close box on the changed case
// asks, and Speichern keeps it in the cases' folder.
void StaffListWindowTest::aCaseWindowAsksAndOffersItsAddressee()
{
    ListWindow w;
    QVERIFY(w.compute());
    const int line = w.lineOf(QStringLiteral("Früh"));
    FrozenTableView& table = w.window->table();
    table.setFocus();
    table.setCurrentIndex(w.model().index(line, colBirthday));
    QTest::keyClick(&table, Qt::Key_Return);
    QTRY_COMPARE(calculators().size(), 1);
    MainWindow& calculator = *calculators().first();

    QString offered;
    QString title;
    w.watchdog.expectDialog([&](QWidget& modal) {
        title = modal.windowTitle();
        for (QLineEdit* f : modal.findChildren<QLineEdit*>())
            if (f->accessibleName() == QStringLiteral("Name"))
                offered = f->text();
        modal.close();
    });
    QTest::mouseClick(calculator.widget("Drucken"), Qt::LeftButton);
    QCOMPARE(offered, QStringLiteral("Frieda Früh"));
    QCOMPARE(title, QStringLiteral("Empfänger des Briefs – Früh, Frieda, Personalnummer 900, Geburtstag 02.01.1960"));

    QTest::mouseClick(calculator.widget("Altern"), Qt::LeftButton);
    QString asked;
    w.watchdog.expect([&](QMessageBox& box) {
        asked = box.text();
        testing::clickButton(box, QStringLiteral("Speichern"));
    });
    QVERIFY(calculator.close());
    QCOMPARE(asked, QStringLiteral("Sollen die Eingaben gespeichert werden?"));
    QTRY_COMPARE(calculators().size(), 0);
    QVERIFY(QFileInfo::exists(QDir{w.caseFolder}.filePath(QStringLiteral("900/jda.txt"))));
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

// A table with the address columns, in their other usual spellings: the
// letter of a case opened from it goes to that row's full address.
void StaffListWindowTest::aCaseWindowOffersTheRowsAddress()
{
    ListWindow w;
    std::ofstream{w.table.toStdString(), std::ios::binary}
        << "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Geschlecht;Strasse;Hausnummer;Postleitzahl;Wohnort\n"
           "1001;Meier;Anna;10.03.1955;01.04.1990;w;Gartenweg;3;12345;Musterstadt\n"
           "1002;Schulz;Bernd;01.02.1962;01.08.1987;m;Ringstraße;17a;54321;Beispielhausen\n";
    QVERIFY(w.compute());
    FrozenTableView& table = w.window->table();
    table.setFocus();
    table.setCurrentIndex(w.model().index(w.lineOf(QStringLiteral("Schulz")), colBirthday));
    QTest::keyClick(&table, Qt::Key_Return);
    QTRY_COMPARE(calculators().size(), 1);
    MainWindow& calculator = *calculators().first();
    QStringList offered;
    w.watchdog.expectDialog([&](QWidget& modal) {
        offered << modal.findChild<QComboBox*>()->currentText();
        for (QLineEdit* f : modal.findChildren<QLineEdit*>())
            offered << f->text();
        modal.close();
    });
    QTest::mouseClick(calculator.widget("Drucken"), Qt::LeftButton);
    QCOMPARE(offered, (QStringList{"Herrn", "Bernd Schulz", "Ringstraße 17a", "54321 Beispielhausen"}));
    QVERIFY(calculator.close());
    QTRY_COMPARE(calculators().size(), 0);
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

// Red: not computed; amber: notes from the typing; light blue: only the
// notes on the row's dates (last notice day passed, age limit reached).
void StaffListWindowTest::colorsRowsByTheirNotes()
{
    ListWindow w;
    QVERIFY(w.compute());
    const ComputedList& list = *w.model().list();
    std::set<QRgb> colours[3];
    for (int line = 0; line < w.model().rowCount(); ++line) {
        const std::size_t row = w.model().sourceRow(line);
        const QVariant background = w.model().index(line, colName).data(Qt::BackgroundRole);
        const std::string notes = cellText(list.cell(row, colNotes));
        const bool dateNotesOnly = !notes.empty() && [&] {
            for (std::size_t at = 0; at < notes.size();) {
                const std::size_t end = std::min(notes.find(" | ", at), notes.size());
                const std::string part = notes.substr(at, end - at);
                if (!part.starts_with("Kündigungstermin verstrichen (spätestens am ")
                    && !part.starts_with("Altersgrenze bereits erreicht am "))
                    return false;
                at = end + 3;
            }
            return true;
        }();
        QCOMPARE(list.hasOnlyDateNotes(row), dateNotesOnly);
        if (notes.empty()) {
            QVERIFY(!background.isValid());
            continue;
        }
        const int kind = !list.computed(row) ? 0 : dateNotesOnly ? 2 : 1;
        colours[kind].insert(background.value<QColor>().rgb());
    }
    for (const auto& c : colours)
        QCOMPARE(c.size(), std::size_t{1});
    QVERIFY(*colours[0].begin() != *colours[1].begin());
    QVERIFY(*colours[1].begin() != *colours[2].begin());
    QVERIFY(*colours[0].begin() != *colours[2].begin());
}

// "Als Kalender speichern…" is there for the year views only, and writes
// what the command writes (but for the moment it was made).
void StaffListWindowTest::savesTheReportsCalendarAsTheCommandDoes()
{
    ListWindow w;
    QVERIFY(w.compute());
    QAction* calendar = w.window->findChild<QAction*>(QStringLiteral("calendar"));
    QVERIFY(calendar != nullptr);
    QVERIFY(!calendar->isEnabled());
    QCOMPARE(w.control<QSpinBox>("year").minimum(), 1930);
    QCOMPARE(w.control<QSpinBox>("year").maximum(), 2060);
    w.control<QSpinBox>("year").setValue(2027);
    w.control<QRadioButton>("anniversaries").click();
    QVERIFY(calendar->isEnabled());
    const QString saved = w.folder.filePath(QStringLiteral("window.ics"));
    QCOMPARE(w.window->saveCalendar(saved), QString{});
    const std::string expected =
        commandCsv(w.table, {"--anniversaries", "2027"}, w.folder.filePath(QStringLiteral("command.ics")));
    auto withoutStamps = [](const std::string& ics) {
        std::string kept;
        std::istringstream lines{ics};
        for (std::string l; std::getline(lines, l);)
            if (!l.starts_with("DTSTAMP:"))
                kept += l + "\n";
        return kept;
    };
    QVERIFY(expected.find("BEGIN:VEVENT") != std::string::npos);
    QVERIFY(withoutStamps(readAll(saved)) == withoutStamps(expected));
    w.control<QRadioButton>("all").click();
    QVERIFY(!calendar->isEnabled());
}

// "Briefe für die Auswahl…": the rows selected, in the order shown, one page
// each, the row not computed on the last page; Abbrechen stops the letters
// of all rows shown and leaves no file.
void StaffListWindowTest::writesTheLettersOfTheSelection()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ListWindow w;
    QVERIFY(w.compute());
    QAction* letters = w.window->findChild<QAction*>(QStringLiteral("letters"));
    QVERIFY(letters != nullptr && letters->isEnabled());
    FrozenTableView& table = w.window->table();
    for (const char* name : {"Spät", "Früh", "Ohne"})
        table.selectionModel()->select(w.model().index(w.lineOf(QString::fromUtf8(name)), colName),
                                       QItemSelectionModel::Select);
    const QString pdf = w.folder.filePath(QStringLiteral("briefe.pdf"));
    QSignalSpy done{&w.window->job(), &BackgroundJob::finished};
    QVERIFY(w.window->writeLetters(pdf, true));
    QVERIFY(!letters->isEnabled());
    QVERIFY(done.wait(60000));
    QCOMPARE(w.window->job().result(), QString{});
    QCOMPARE(testing::pdfPages(pdf), 3);
    const QString text = testing::pdfText(pdf);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.value(0).contains(QStringLiteral("Frieda Früh")));
    QVERIFY(pages.value(1).contains(QStringLiteral("Siegfried Spät")));
    QVERIFY(pages.value(2).contains(QStringLiteral("1 Zeile nicht berechnet, ohne Brief:")));
    QVERIFY2(pages.value(2).simplified().contains(QStringLiteral("903 Ohne, Datum")), qPrintable(pages.value(2)));

    table.clearSelection();
    const QString all = w.folder.filePath(QStringLiteral("alle.pdf"));
    QVERIFY(w.window->writeLetters(all, false));
    QPushButton& cancel = w.control<QPushButton>("cancel");
    QVERIFY(cancel.isVisible());
    cancel.click();
    QVERIFY(done.wait(60000));
    QVERIFY(!QFileInfo::exists(all));
    QVERIFY(w.watchdog.unexpected().isEmpty());
}

QTEST_MAIN(StaffListWindowTest)
#include "staff_list_window_test.moc"
