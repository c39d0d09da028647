#pragma once
// StaffListWindow: "Tarvolin – Personalliste", the staff list for clerks.
// It opens a staff table (file dialog or drop), has it computed off the
// user-interface thread with a progress bar and "Abbrechen", and shows the
// result: all rows, the rows with notes, or the anniversaries or the
// retirements of a year, narrowed by a search, sortable by any column, the
// first columns frozen. It saves and prints what it shows exactly as
// `tarvolin --list` writes it for the same file, options and filter, and it
// opens one employee's case in a calculator window of its own.
//
// What it shows, saves and prints comes from stafflist/ (list_selection,
// selection_output); this class only lays out the controls and connects
// them. Its member functions are defined by area, one file each: the frame
// (staff_list_window.cpp), the view and filters (view_and_filters.cpp), the
// files (staff_list_files.cpp), the letters (selection_letters.cpp) and the
// cases (employee_cases.cpp).
//
// On a clerk's screen: the window opens inside the screen's free area, its
// bars wrap where the width ends (1366 x 768 at 200 %), and the status line
// cuts a long text short instead of widening the window. The first columns
// are as wide as the longest name of the list, up to a limit beyond which a
// name is cut short with its whole text as tool tip. "Ansicht › Sortieren
// nach" sorts by any column from the keyboard, F1 and the Hilfe menu open
// the staff list's help page, and the search finds a name however its
// umlauts are written.

#include "calc/clock.h"
#include "qt/staff_list_window/staff_list_worker.h"
#include "qt/desktop/desktop_shell.h"
#include "stafflist/command/printable_table.h"
#include "stafflist/computation/list_selection.h"

#include <QMainWindow>

#include <cstddef>
#include <functional>
#include <vector>

QT_BEGIN_NAMESPACE
class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSettings;
class QSpinBox;
QT_END_NAMESPACE

namespace tarvolin {

class BackgroundJob;
class LetterRun;
class FrozenTableView;
class MainWindow;
class StaffListWorker;
class StaffTableModel;
class StatusText;

class StaffListWindow final : public QMainWindow {
    Q_OBJECT

public:
    // `caseFolder`: where opened employees keep jda.txt and their letters.
    StaffListWindow(Clock& clock, QSettings& settings, QString caseFolder, QWidget* parent = nullptr);
    ~StaffListWindow() override;

    // Computes the table in the file; the window shows it when it is done.
    void openFile(const QString& path);
    // A sentence for the status line (the settings file was refused).
    void showNotice(const QString& text);
    // Saves what is shown as CSV. Empty text, or what failed, in German.
    QString saveCsv(const QString& path) const;
    // Saves the dates of the report shown as a calendar file (.ics).
    QString saveCalendar(const QString& path) const;
    // Starts writing the letters of letterRows() into `path` in the
    // background (job() tells when it is done); false when there is no row.
    bool writeLetters(const QString& path, bool jdaLetter);
    BackgroundJob& job() const { return *job_; }
    // The same as an Excel workbook; `notes` gets what was changed in texts
    // to write them (a character a workbook cannot hold, a text too long).
    QString saveXlsx(const QString& path, QStringList* notes = nullptr) const;
    // Asks which column is which input for the table opened last; true when
    // the clerk gave an answer (it is remembered, and the table computed anew).
    bool askColumnMapping();
    // Opens the calculator with the case of a shown line: the case saved in
    // the employee's folder, or (when there is none, or `fromList`) the case
    // typed from the list's values; nullptr when there is no case to type.
    MainWindow* openEmployee(int line, bool fromList = false);

    StaffTableModel& model() const { return *model_; }
    FrozenTableView& table() const { return *table_; }
    StaffListWorker& worker() const { return *worker_; }
    // Opens the staff list's help page in the browser.
    void showHelp();
    // The address of that page.
    static std::string helpPageAddress();
    // The widest a column grows to show its longest text; longer texts are
    // cut short.
    int columnWidthLimit() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The frame (staff_list_window.cpp).
    void makeActions();
    QWidget* makeOptionsBar();
    QWidget* makeFilterBar();
    void makeStatusBar();
    void orderTabStops();
    void updateActions();
    void complain(const QString& text);
    void report(const QString& text);
    void keepOnScreen();

    // The view and its filters (view_and_filters.cpp).
    void selectionEdited();
    void updateFilterTexts();
    void updateWithChoice();
    void updateShownCount();
    void applyColumnWidths();
    // The width that shows the longest text of a column of the whole list,
    // its head included, up to columnWidthLimit.
    int fittedWidth(int column) const;
    void showProgress(int percent, qulonglong rows);

    // The files (staff_list_files.cpp): the table opened and computed, what
    // is shown saved and printed, the settings.
    void startComputing();
    void computingFinished();
    void referenceDateEdited();
    QString listStatus(const ComputedList& list) const;
    void chooseFile();
    void chooseCsv();
    void chooseXlsx();
    void choosePdf();
    void chooseCalendar();
    void print();
    void printReport();
    QString chooseSaveName(const QString& title, const QString& filter, const QString& suffix);
    // True, and the user told, when `path` is the opened table itself.
    bool refusesInput(const QString& path);
    // A PDF or a print job of many pages runs off this thread; `done` is
    // shown when it succeeded.
    void startJob(const QString& running, const QString& done, std::function<QString()> work, bool cancellable = false);
    void jobFinished();
    PrintableTable shownTable() const;
    void readSettings();
    void writeSettings() const;

    // The letters of a selection (selection_letters.cpp).
    // "Briefe für die Auswahl…": the letter of each row selected, or of each
    // row shown, as one PDF file, written in the background.
    // "Briefe für die Auswahl drucken…": the same as one print job.
    void chooseLetters(bool onPrinter = false);
    void printLetters(bool jdaLetter);
    std::function<QString()> lettersWork(bool jdaLetter, std::function<QString(LetterRun&)> write) const;
    std::vector<std::size_t> letterRows() const;

    // The personnel number, name and first name stay in sight in the list; a
    // report is narrow enough to need no frozen columns.
    static constexpr int frozenListColumns = 3;

    Clock& clock_;
    QSettings& settings_;
    QString caseFolder_;
    QString path_;                     // the table computed or being computed
    std::optional<Date> referenceDate_; // for rows without one of their own
    QString jobDone_;                  // what to say when the job has succeeded
    QHash<QString, int> columnWidths_; // by column head, as the user left them
    StaffListWorker::Mappings mappings_; // remembered column mappings by header line
    StaffListWorker::Outcome opened_;    // the header, first records and mapping of the table opened last
    QHash<QString, int> fittedWidths_; // by column head, as fitted to the list shown
    bool placingColumns_ = false;      // widths set by the program are not remembered
    bool placed_ = false;              // fitted into the screen when first shown

    StaffListWorker* worker_;
    BackgroundJob* job_;
    StaffTableModel* model_;
    FrozenTableView* table_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* csvAction_ = nullptr;
    QAction* xlsxAction_ = nullptr;
    QAction* mappingAction_ = nullptr;
    QAction* pdfAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* calendarAction_ = nullptr;
    QAction* lettersAction_ = nullptr;
    QAction* printLettersAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    DesktopShell shell_;
    QLineEdit* referenceDateEdit_ = nullptr;
    QButtonGroup* filters_ = nullptr;
    QRadioButton* allButton_ = nullptr;
    QRadioButton* anniversariesButton_ = nullptr;
    QRadioButton* retirementsButton_ = nullptr;
    QRadioButton* notesButton_ = nullptr;
    QSpinBox* yearBox_ = nullptr;
    QComboBox* withBox_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    StatusText* statusText_ = nullptr;
    QLabel* shownText_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// "3 Zeilen mit Hinweisen", "1 Zeile mit Hinweisen", "Keine Zeile mit Hinweisen".
QString notesCountText(std::size_t rows);
// The status line while no table is shown.
QString noTableStatus();

} // namespace tarvolin
