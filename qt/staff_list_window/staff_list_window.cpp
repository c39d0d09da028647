// The staff-list window's frame: its controls, their layout, keyboard and
// names, which actions are open when, the status line and the messages, its
// place on the screen and its help. The other areas of the window:
//   view_and_filters.cpp   what the table shows: filters, search, counts,
//                          column widths, the progress of a computation
//   staff_list_files.cpp   opening and computing a table, saving and printing
//                          what is shown, the settings kept between runs
//   selection_letters.cpp  the letters of a selection
//   employee_cases.cpp     one employee's case opened in a calculator window

#include "qt/staff_list_window/staff_list_window.h"

#include "help/links.h"
#include "qt/calculator_window/announcer.h"
#include "qt/staff_list_window/background_job.h"
#include "qt/staff_list_window/flow_layout.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/staff_list_window/sort_menu.h"
#include "qt/staff_list_window/staff_list_worker.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "qt/staff_list_window/status_text.h"
#include "stafflist/computation/case_folder.h"
#include "stafflist/command/list_options.h"
#include "stafflist/tables/visible_text.h"
#include "qt/text/qt_text.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvolin {

namespace {

const QString listTitle = QStringLiteral("Tarvolin – Personalliste");

} // namespace


StaffListWindow::StaffListWindow(Clock& clock, QSettings& settings, QString caseFolder, QWidget* parent)
    : QMainWindow{parent},
      clock_{clock},
      settings_{settings},
      caseFolder_{std::move(caseFolder)},
      worker_{new StaffListWorker{this}},
      job_{new BackgroundJob{this}},
      model_{new StaffTableModel{this}}
{
    setObjectName(QStringLiteral("Personalliste"));
    setWindowTitle(listTitle);
    setAcceptDrops(true);

    table_ = new FrozenTableView;
    table_->setObjectName(QStringLiteral("table"));
    table_->setModel(model_);
    table_->setAccessibleName(QStringLiteral("Personalliste"));
    table_->setAccessibleDescription(
        QStringLiteral("Eingabetaste oder Doppelklick öffnet den Fall im Rechner; Strg+C kopiert die markierten Zellen"));
    table_->frozenPart().setAccessibleName(QStringLiteral("Personalliste, feste Spalten"));
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setFrozenColumns(frozenListColumns);
    connect(table_, &FrozenTableView::lineActivated, this, [this](int line) { openEmployee(line); });
    table_->setTextElideMode(Qt::ElideRight);
    // One look at the file system per row head drawn: always what is saved now.
    model_->setSavedCase([this](std::size_t row) {
        const ComputedList* list = model_->list();
        return list != nullptr &&
               hasSavedCase(caseFolderOf(QFile::encodeName(caseFolder_).toStdString(), *list, row));
    });
    const int lineHeight = table_->fontMetrics().height() + 6;
    table_->verticalHeader()->setMinimumSectionSize(lineHeight);
    table_->verticalHeader()->setDefaultSectionSize(lineHeight);
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!placingColumns_ && model_->list() != nullptr && column < model_->columnCount())
            columnWidths_[model_->headerData(column, Qt::Horizontal).toString()] = size;
    });

    makeActions();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout{central};
    layout->addWidget(makeOptionsBar());
    layout->addWidget(makeFilterBar());
    layout->addWidget(table_, 1);
    setCentralWidget(central);
    makeStatusBar();
    orderTabStops();

    connect(worker_, &StaffListWorker::progressed, this, &StaffListWindow::showProgress);
    connect(worker_, &StaffListWorker::finished, this, &StaffListWindow::computingFinished);
    connect(job_, &BackgroundJob::finished, this, &StaffListWindow::jobFinished);
    connect(job_, &BackgroundJob::progressed, this, [this](int percent) {
        progress_->setRange(0, 100);
        progress_->setValue(percent);
    });

    shell_.setLateFailure([this](const std::string& text) { complain(QString::fromStdString(text)); });

    readSettings();
    updateFilterTexts();
    applyColumnWidths();
    updateActions();
    statusText_->setText(noTableStatus());
    table_->setFocus();
}

StaffListWindow::~StaffListWindow()
{
    // ~QWidget takes the controls down only after this window's members are
    // gone, and the field with the focus reports its last edit as it goes
    // (the reference date's editingFinished, the year's valueChanged). No
    // slot of this window may run then: everything its parts send to it is
    // cut off here, while it is still whole.
    for (QObject* part : findChildren<QObject*>())
        disconnect(part, nullptr, this, nullptr);
    // The table still draws its row heads while it goes; whether a row has
    // a saved case is asked of this window's case folder, gone by then.
    model_->setSavedCase({});
}

void StaffListWindow::makeActions()
{
    auto add = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto triggered) {
        auto* a = new QAction{text, this};
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, triggered);
        menu->addAction(a);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    openAction_ = add(file, QStringLiteral("&Öffnen…"), QKeySequence::Open, [this] { chooseFile(); });
    file->addSeparator();
    csvAction_ = add(file, QStringLiteral("Als &CSV speichern…"), QKeySequence::Save, [this] { chooseCsv(); });
    xlsxAction_ = add(file, QStringLiteral("Als &Excel-Datei speichern…"), QKeySequence{}, [this] { chooseXlsx(); });
    pdfAction_ = add(file, QStringLiteral("Als &PDF speichern…"), QKeySequence{QStringLiteral("Ctrl+Shift+S")},
                     [this] { choosePdf(); });
    printAction_ = add(file, QStringLiteral("&Drucken…"), QKeySequence::Print, [this] { print(); });
    calendarAction_ = add(file, QStringLiteral("Als &Kalender speichern…"), QKeySequence{}, [this] { chooseCalendar(); });
    calendarAction_->setObjectName(QStringLiteral("calendar"));
    calendarAction_->setToolTip(QStringLiteral("Die Daten des Berichts als Kalenderdatei (.ics) für Thunderbird, Outlook "
                                               "oder Evolution"));
    lettersAction_ = add(file, QStringLiteral("&Briefe für die Auswahl…"), QKeySequence{}, [this] { chooseLetters(); });
    lettersAction_->setObjectName(QStringLiteral("letters"));
    printLettersAction_ = add(file, QStringLiteral("Briefe für die Auswahl d&rucken…"), QKeySequence{},
                              [this] { chooseLetters(true); });
    printLettersAction_->setObjectName(QStringLiteral("printLetters"));
    lettersAction_->setToolTip(QStringLiteral("Für jede markierte Zeile, sonst für jede angezeigte, der Brief, den ihr "
                                              "Fall im Rechner druckt: eine Seite je Brief, als eine PDF-Datei"));
    file->addSeparator();
    mappingAction_ = add(file, QStringLiteral("Spalten &zuordnen…"), QKeySequence{}, [this] { askColumnMapping(); });
    file->addSeparator();
    add(file, QStringLiteral("&Schließen"), QKeySequence::Close, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    copyAction_ = add(edit, QStringLiteral("&Kopieren"), QKeySequence::Copy, [this] { table_->copySelection(); });
    // The table handles Ctrl+C itself while it has the focus, and a text
    // field copies its own text; the menu item is for the mouse.
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    add(edit, QStringLiteral("&Suchen"), QKeySequence::Find, [this] {
        searchEdit_->setFocus(Qt::ShortcutFocusReason);
        searchEdit_->selectAll();
    });
    add(edit, QStringLiteral("Fall im &Rechner öffnen"), QKeySequence{}, [this] {
        if (table_->currentIndex().isValid())
            openEmployee(table_->currentIndex().row());
    });
    add(edit, QStringLiteral("Fall neu aus der &Liste öffnen"), QKeySequence{}, [this] {
        if (table_->currentIndex().isValid())
            openEmployee(table_->currentIndex().row(), true);
    });

    // Sorting without the mouse: every column by its head (Alt+N, S).
    QMenu* view = menuBar()->addMenu(QStringLiteral("A&nsicht"));
    view->addMenu(makeSortMenu(*table_, QStringLiteral("&Sortieren nach"), view));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    helpAction_ = add(help, QStringLiteral("&Hilfe zur Personalliste"), QKeySequence::HelpContents, [this] { showHelp(); });
    helpAction_->setObjectName(QStringLiteral("help"));

    QToolBar* tools = addToolBar(QStringLiteral("Datei"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* a : {openAction_, csvAction_, xlsxAction_, pdfAction_, printAction_})
        tools->addAction(a);
}

namespace {

// A label and its field, kept together on one line of a bar that wraps.
QWidget* pair(QWidget* label, QWidget* field)
{
    auto* both = new QWidget;
    auto* row = new QHBoxLayout{both};
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(field);
    return both;
}

} // namespace

QWidget* StaffListWindow::makeOptionsBar()
{
    auto* bar = new QWidget;
    auto* row = new FlowLayout{bar};
    auto* label = new QLabel{QStringLiteral("S&tichtag für Zeilen ohne eigenen:")};
    referenceDateEdit_ = new QLineEdit;
    referenceDateEdit_->setObjectName(QStringLiteral("referenceDate"));
    referenceDateEdit_->setPlaceholderText(QStringLiteral("heute"));
    referenceDateEdit_->setMaxLength(10);
    referenceDateEdit_->setFixedWidth(referenceDateEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    referenceDateEdit_->setAccessibleName(QStringLiteral("Stichtag für Zeilen ohne eigenen Stichtag, TT.MM.JJJJ, leer: heute"));
    referenceDateEdit_->setToolTip(QStringLiteral("Stichtag („benötigt bis“): der Tag, bis zu dem die Beschäftigungszeit "
                                                  "benötigt wird. Die Kündigungstermine gelten für das Monats- oder "
                                                  "Quartalsende, in dem er liegt. Leer: heute"));
    label->setBuddy(referenceDateEdit_);
    connect(referenceDateEdit_, &QLineEdit::editingFinished, this, &StaffListWindow::referenceDateEdited);
    row->addWidget(pair(label, referenceDateEdit_));
    return bar;
}

QWidget* StaffListWindow::makeFilterBar()
{
    auto* bar = new QWidget;
    auto* row = new FlowLayout{bar};
    filters_ = new QButtonGroup{this};
    auto radio = [&](const QString& objectName, ListFilter filter) {
        auto* b = new QRadioButton;
        b->setObjectName(objectName);
        filters_->addButton(b, static_cast<int>(filter));
        row->addWidget(b);
        return b;
    };
    allButton_ = radio(QStringLiteral("all"), ListFilter::All);
    allButton_->setText(QStringLiteral("&Alle"));
    allButton_->setAccessibleName(QStringLiteral("Alle Zeilen"));
    allButton_->setChecked(true);
    anniversariesButton_ = radio(QStringLiteral("anniversaries"), ListFilter::Anniversaries);
    retirementsButton_ = radio(QStringLiteral("retirements"), ListFilter::Retirements);

    auto* yearLabel = new QLabel{QStringLiteral("Jah&r:")};
    yearBox_ = new QSpinBox;
    yearBox_->setObjectName(QStringLiteral("year"));
    yearBox_->setRange(firstReportYear, lastReportYear);
    yearBox_->setAccessibleName(QStringLiteral("Jahr der Dienstjubiläen und der Altersgrenze"));
    yearLabel->setBuddy(yearBox_);
    row->addWidget(pair(yearLabel, yearBox_));
    auto* withLabel = new QLabel{QStringLiteral("&mit Spalte:")};
    withBox_ = new QComboBox;
    withBox_->setObjectName(QStringLiteral("with"));
    // Read by its label, as every drop-down list: "mit Spalte, Abteilung".
    withBox_->setAccessibleName(QStringLiteral("mit Spalte"));
    withBox_->setToolTip(QStringLiteral("Eine Spalte der Tabelle (etwa Abteilung), die der Bericht nach den Namen zeigt"));
    withBox_->setAccessibleDescription(withBox_->toolTip());
    withLabel->setBuddy(withBox_);
    row->addWidget(pair(withLabel, withBox_));
    notesButton_ = radio(QStringLiteral("notes"), ListFilter::WithNotes);

    auto* searchLabel = new QLabel{QStringLiteral("&Suchen:")};
    searchEdit_ = new QLineEdit;
    searchEdit_->setObjectName(QStringLiteral("search"));
    searchEdit_->setPlaceholderText(QStringLiteral("Name oder Personalnummer"));
    searchEdit_->setClearButtonEnabled(true);
    for (QToolButton* clear : searchEdit_->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Suche leeren"));
    searchEdit_->setAccessibleName(QStringLiteral("Suche nach Name oder Personalnummer"));
    searchEdit_->setMinimumWidth(searchEdit_->fontMetrics().horizontalAdvance(searchEdit_->placeholderText()) + 40);
    searchLabel->setBuddy(searchEdit_);
    row->addWidget(pair(searchLabel, searchEdit_));

    connect(filters_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            selectionEdited();
    });
    connect(yearBox_, &QSpinBox::valueChanged, this, [this] {
        updateFilterTexts();
        if (model_->isReport())
            selectionEdited();
    });
    connect(searchEdit_, &QLineEdit::textChanged, this, &StaffListWindow::selectionEdited);
    connect(withBox_, &QComboBox::currentIndexChanged, this, [this] {
        if (model_->isReport())
            selectionEdited();
    });
    return bar;
}

void StaffListWindow::makeStatusBar()
{
    statusText_ = new StatusText;
    statusText_->setObjectName(QStringLiteral("status"));
    shownText_ = new QLabel;
    shownText_->setObjectName(QStringLiteral("shown"));
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    progress_->setAccessibleName(QStringLiteral("Fortschritt der Berechnung"));
    progress_->setMaximumWidth(220);
    progress_->setMinimumWidth(60);
    cancelButton_ = new QPushButton{QStringLiteral("Abbrechen")};
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    cancelButton_->setAccessibleName(QStringLiteral("Berechnung abbrechen"));
    cancelButton_->setShortcut(Qt::Key_Escape);
    connect(cancelButton_, &QPushButton::clicked, worker_, &StaffListWorker::cancel);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { job_->cancel(); });
    statusBar()->addWidget(statusText_, 1);
    statusBar()->addPermanentWidget(shownText_);
    statusBar()->addPermanentWidget(progress_);
    statusBar()->addPermanentWidget(cancelButton_);
}

// Top to bottom, left to right; the table last but for "Abbrechen".
void StaffListWindow::orderTabStops()
{
    const QList<QWidget*> order{referenceDateEdit_, allButton_, anniversariesButton_, retirementsButton_, yearBox_,
                                withBox_,           notesButton_, searchEdit_,         table_,             cancelButton_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}






// While a table is computed nothing of the list is saved; while a PDF is
// written or printed no other table is opened.
void StaffListWindow::updateActions()
{
    const bool computing = worker_->isRunning();
    const bool writing = job_->isRunning();
    for (QAction* a : {csvAction_, xlsxAction_, pdfAction_, printAction_, lettersAction_, printLettersAction_})
        a->setEnabled(model_->list() != nullptr && !computing && !writing);
    calendarAction_->setEnabled(model_->list() != nullptr && model_->isReport() && !computing && !writing);
    openAction_->setEnabled(!writing);
    mappingAction_->setEnabled(!opened_.header.empty() && !computing && !writing);
    referenceDateEdit_->setEnabled(!writing);
    if (writing)
        progress_->setRange(0, 0);
    else
        progress_->setRange(0, 100);
    progress_->setVisible(computing || writing);
    cancelButton_->setVisible(computing || job_->isCancellable());
}

void StaffListWindow::complain(const QString& text) { QMessageBox::warning(this, listTitle, text); }

// The status line, and the same words for a screen reader, which does not
// read a status line by itself; a failure comes as a message box instead.
void StaffListWindow::report(const QString& text)
{
    statusText_->setText(text);
    announce(*this, text);
}

void StaffListWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(placed_, true))
        keepOnScreen();
}

void StaffListWindow::closeEvent(QCloseEvent* event)
{
    worker_->cancel();
    writeSettings();
    QMainWindow::closeEvent(event);
}

void StaffListWindow::showNotice(const QString& text) { statusText_->setText(text); }

// Inside the screen's free area: a window restored from a larger screen, or
// the first size on a small or strongly scaled one (1366 x 768 at 200 % has
// 683 x 384 of room), is made to fit and moved into sight.
void StaffListWindow::keepOnScreen()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr)
        return;
    const QRect room = s->availableGeometry();
    // The window system's frame, where known; else room for a usual one.
    const bool framed = frameGeometry() != geometry();
    const QMargins frame = framed ? QMargins{geometry().left() - frameGeometry().left(),
                                             geometry().top() - frameGeometry().top(),
                                             frameGeometry().right() - geometry().right(),
                                             frameGeometry().bottom() - geometry().bottom()}
                                  : QMargins{4, 30, 4, 4};
    const QSize most = room.size() - QSize{frame.left() + frame.right(), frame.top() + frame.bottom()};
    QRect wanted{pos(), size().boundedTo(most).expandedTo(minimumSizeHint().boundedTo(most))};
    if (isMaximized())
        return;
    wanted.moveLeft(std::clamp(wanted.left(), room.left() + frame.left(), room.right() - frame.right() - wanted.width() + 1));
    wanted.moveTop(std::clamp(wanted.top(), room.top() + frame.top(), room.bottom() - frame.bottom() - wanted.height() + 1));
    resize(wanted.size());
    move(wanted.topLeft() - QPoint{frame.left(), frame.top()});
}

void StaffListWindow::showHelp()
{
    const std::string address = helpPageAddress();
    if (!shell_.open(address))
        complain(QString::fromStdString(shell_.failureText(address)));
}

std::string StaffListWindow::helpPageAddress() { return helpAddress("111", "personalliste"); }

} // namespace tarvolin
