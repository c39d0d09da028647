// The staff-list window with a table in its own words: an .xlsx whose
// headers Tarvolin does not know asks once which column is which, computes
// what the command computes with the same mapping in --columns, and a
// second window on the same header line asks no more. The report shows a
// carried column chosen in the window as --with does; the window saves the
// command's workbook; copied cells never run as formulas. A screen reader
// reads each drop-down list by its label and the column chosen.

#include "qt/calculator_window/announcer.h"
#include "qt/desktop/combo_box_accessible.h"
#include "qt/staff_list_window/column_mapping_dialog.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_list_worker.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "stafflist/computation/list_platform.h"
#include "tests/stafflist/workbooks.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>

using namespace tarvolin;

namespace {

std::string inlineCell(const std::string& ref, const std::string& text)
{
    return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

// Nr, Familie, Geboren, Seit, Abteilung: dates as date cells.
std::string foreignWorkbook()
{
    std::string rows = "<row r=\"1\">" + inlineCell("A1", "Nr") + inlineCell("B1", "Familie") + inlineCell("C1", "Geboren")
                       + inlineCell("D1", "Seit") + inlineCell("E1", "Abteilung") + "</row>";
    const char* people[][5] = {{"1001", "Meier", "20158", "32964", "IT"},
                               {"1002", "Schulz", "22678", "37347", "=1+1"},
                               {"1003", "Lang", "25569", "37622", "Personal"}};
    int r = 2;
    for (const auto& p : people) {
        const std::string n = std::to_string(r);
        rows += "<row r=\"" + n + "\">" + inlineCell("A" + n, p[0]) + inlineCell("B" + n, p[1]) + "<c r=\"C" + n
                + "\" s=\"1\"><v>" + p[2] + "</v></c><c r=\"D" + n + "\" s=\"1\"><v>" + p[3] + "</v></c>"
                + inlineCell("E" + n, p[4]) + "</row>";
        ++r;
    }
    return testing::xlsxOf({{"Personal", rows}});
}

std::string run(std::vector<std::string> args)
{
    args.insert(args.begin(), "--list");
    args.insert(args.end(), {"--today", "07.12.2026"});
    std::istringstream in;
    std::ostringstream out, err;
    runStaffListCommand(args, {in, out, err, false}, {});
    return out.str();
}

std::vector<std::vector<std::string>> workbookRows(const QString& path)
{
    ListInput input;
    std::istringstream none;
    input.open(path.toStdString(), none);
    std::vector<std::vector<std::string>> rows{input.header()};
    TableRecord r;
    while (input.reader().next(r))
        rows.push_back(r.fields);
    return rows;
}

struct Window {
    QTemporaryDir folder;
    QString table = folder.filePath(QStringLiteral("personal.xlsx"));
    QSettings settings{folder.filePath(QStringLiteral("tarvolin.ini")), QSettings::IniFormat};
    FixedClock clock{*Date::fromYmd(2026, 12, 7)};
    std::unique_ptr<StaffListWindow> window;

    Window()
    {
        std::ofstream{table.toStdString(), std::ios::binary} << foreignWorkbook();
        reopen();
    }
    void reopen()
    {
        window = std::make_unique<StaffListWindow>(clock, settings, folder.filePath(QStringLiteral("Fälle")));
        window->show();
    }
    StaffTableModel& model() { return window->model(); }
    QString cell(int line, int column) { return model().index(line, column).data().toString(); }
    bool computed()
    {
        QSignalSpy done{&window->worker(), &StaffListWorker::finished};
        return done.wait(60000);
    }
};

// Answers the mapping dialog whenever it comes: Geburtstag is "Geboren",
// Dienstbezüge ab is "Seit", the personnel number "Nr", the name "Familie".
class MappingAnswer {
public:
    MappingAnswer()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    int asked() const { return asked_; }

private:
    void look()
    {
        auto* dialog = qobject_cast<ColumnMappingDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        ++asked_;
        auto choose = [&](const char* input, const char* header) {
            QComboBox* box = dialog->choice(*inputSlotNamed(input));
            box->setCurrentIndex(box->findText(QString::fromUtf8(header)));
        };
        choose("Geburtstag", "Geboren");
        choose("Dienstbezüge ab", "Seit");
        choose("Personalnummer", "Nr");
        choose("Name", "Familie");
        dialog->accept();
    }

    QTimer timer_;
    int asked_ = 0;
};

// A label's words as they are seen: "&mit Spalte:" and "<b>Geburtstag</b>"
// are "mit Spalte" and "Geburtstag".
QString labelWords(const QLabel& label)
{
    QString words = label.text();
    words.remove(QRegularExpression{QStringLiteral("<[^>]*>")});
    words.remove(QLatin1Char('&'));
    if (words.endsWith(QLatin1Char(':')))
        words.chop(1);
    return words.trimmed();
}

// The drop-down lists that a screen reader would not read as "<label>,
// <chosen entry>": without a label, named otherwise, or read by the entry.
QStringList misreadChoices(const QWidget& root)
{
    QStringList faults;
    QList<QComboBox*> labelled;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        auto* box = qobject_cast<QComboBox*>(label->buddy());
        if (box == nullptr)
            continue;
        labelled << box;
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        const QString name = read->text(QAccessible::Name);
        if (!name.startsWith(labelWords(*label)) || labelWords(*label).isEmpty())
            faults << QStringLiteral("%1: „%2“ statt „%3“").arg(box->objectName(), name, labelWords(*label));
        if (read->text(QAccessible::Value) != box->currentText())
            faults << QStringLiteral("%1: Wert „%2“").arg(box->objectName(), read->text(QAccessible::Value));
    }
    for (QComboBox* box : root.findChildren<QComboBox*>())
        if (!labelled.contains(box))
            faults << box->objectName() + QStringLiteral(" ohne Beschriftung");
    return faults;
}

} // namespace

class ColumnMappingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installComboBoxAccessible(); }

    void theDialogsChoicesAreReadByTheirLabels()
    {
        const std::vector<std::string> header{"Nr", "Familie", "Geboren", "Seit", "Abteilung"};
        ColumnMappingDialog dialog{header, {{"1001", "Meier", "10.03.1955", "01.04.1990", "IT"}}, {}, nullptr};
        dialog.show();
        QCOMPARE(dialog.findChildren<QComboBox*>().size(), static_cast<qsizetype>(inputSlotCount));
        QComboBox* birthday = dialog.choice(*inputSlotNamed("Geburtstag"));
        birthday->setCurrentIndex(birthday->findText(QStringLiteral("Geboren")));
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(birthday);
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Geburtstag (Pflicht)"));
        QCOMPARE(read->text(QAccessible::Value), QStringLiteral("Geboren"));
        const QStringList faults = misreadChoices(dialog);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // One column for two inputs: the problem is said, not only shown in red.
        QComboBox* payStart = dialog.choice(*inputSlotNamed("Dienstbezüge ab"));
        payStart->setCurrentIndex(payStart->findText(QStringLiteral("Geboren")));
        QVERIFY2(lastAnnouncement(dialog).startsWith(QStringLiteral("Die Spalte „Geboren“ ist")),
                 qPrintable(lastAnnouncement(dialog)));
    }

    void asksOnceAndComputesWhatTheCommandComputes()
    {
        Window w;
        MappingAnswer answer;
        w.window->openFile(w.table);
        QVERIFY(w.computed());  // the first run, refused for want of columns
        QTRY_COMPARE_WITH_TIMEOUT(answer.asked(), 1, 60000);
        if (w.model().list() == nullptr)
            QVERIFY(w.computed());  // the run with the mapping
        QVERIFY(w.model().list() != nullptr);
        QCOMPARE(w.model().rowCount(), 3);

        std::ofstream{w.folder.filePath(QStringLiteral("spalten.txt")).toStdString()}
            << "Geburtstag = Geboren\nDienstbezüge ab = Seit\nPersonalnummer = Nr\nName = Familie\n";
        const std::string expected = run({w.table.toStdString(), "--columns",
                                          w.folder.filePath(QStringLiteral("spalten.txt")).toStdString()});
        const QString saved = w.folder.filePath(QStringLiteral("fenster.csv"));
        QCOMPARE(w.window->saveCsv(saved), QString{});
        std::ifstream in{saved.toStdString(), std::ios::binary};
        std::ostringstream bytes;
        bytes << in.rdbuf();
        QCOMPARE(bytes.str(), expected);
        QVERIFY(expected.find("1001;Meier;;IT;10.03.1955;01.04.1990;") != std::string::npos);

        // A second window on the same header line asks nothing.
        w.reopen();
        w.window->openFile(w.table);
        QVERIFY(w.computed());
        QCOMPARE(answer.asked(), 1);
        QCOMPARE(w.model().rowCount(), 3);
    }

    void reportShowsTheChosenColumnSavesTheWorkbookAndCopiesNoFormula()
    {
        Window w;
        MappingAnswer answer;
        w.window->openFile(w.table);
        QVERIFY(w.computed());
        QTRY_COMPARE_WITH_TIMEOUT(answer.asked(), 1, 60000);
        if (w.model().list() == nullptr)
            QVERIFY(w.computed());

        w.window->findChild<QSpinBox*>(QStringLiteral("year"))->setValue(2027);
        w.window->findChild<QRadioButton*>(QStringLiteral("anniversaries"))->click();
        auto* with = w.window->findChild<QComboBox*>(QStringLiteral("with"));
        QVERIFY(with->isEnabled());
        with->setCurrentIndex(with->findText(QStringLiteral("Abteilung")));
        QCOMPARE(w.model().headerData(5, Qt::Horizontal).toString(), QStringLiteral("Abteilung"));
        QCOMPARE(QAccessible::queryAccessibleInterface(with)->text(QAccessible::Name), QStringLiteral("mit Spalte"));
        QCOMPARE(QAccessible::queryAccessibleInterface(with)->text(QAccessible::Value), QStringLiteral("Abteilung"));
        const QStringList faults = misreadChoices(*w.window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        std::ofstream{w.folder.filePath(QStringLiteral("spalten.txt")).toStdString()}
            << "Geburtstag = Geboren\nDienstbezüge ab = Seit\nPersonalnummer = Nr\nName = Familie\n";
        const std::string mapping = w.folder.filePath(QStringLiteral("spalten.txt")).toStdString();
        const QString command = w.folder.filePath(QStringLiteral("befehl.xlsx"));
        run({w.table.toStdString(), "--columns", mapping, "--anniversaries", "2027", "--with", "Abteilung", "--output",
             command.toStdString()});
        const QString saved = w.folder.filePath(QStringLiteral("fenster.xlsx"));
        QCOMPARE(w.window->saveXlsx(saved), QString{});
        QCOMPARE(workbookRows(saved), workbookRows(command));
        QCOMPARE(workbookRows(saved).size(), std::size_t{2}); // Schulz: 25 years on 01.04.2027

        // "=1+1" goes to the clipboard as a text, not as a formula.
        w.window->findChild<QRadioButton*>(QStringLiteral("all"))->click();
        FrozenTableView& table = w.window->table();
        const int line = 1;
        QCOMPARE(w.cell(line, 3), QStringLiteral("=1+1"));
        table.selectionModel()->select(w.model().index(line, 3), QItemSelectionModel::ClearAndSelect);
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("'=1+1\n"));
    }
};

QTEST_MAIN(ColumnMappingTest)
#include "column_mapping_test.moc"
