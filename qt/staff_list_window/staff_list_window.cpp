// The staff-list window: its controls, their layout, keyboard and names, and
// how the filter bar and the search choose what the table shows. Opening,
// saving, printing and the settings are in staff_list_files.cpp.

#include "qt/staff_list_window/staff_list_window.h"

#include "stafflist/command/list_options.h"

#include "help/links.h"
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
#include <QFile>
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
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace tarvolin {

namespace {

const QString listTitle = QStringLiteral("Tarvolin – Personalliste");

QString number(qulonglong n) { return QLocale{QLocale::German}.toString(n); }

// The personnel number, name and first name stay in sight in the list; a
// report is narrow enough to need no frozen columns.
constexpr int frozenListColumns = 3;

} // namespace

QString notesCountText(std::size_t rows)
{
    if (rows == 0)
        return QStringLiteral("Keine Zeile mit Hinweisen");
    if (rows == 1)
        return QStringLiteral("1 Zeile mit Hinweisen");
    return QStringLiteral("%1 Zeilen mit Hinweisen").arg(number(rows));
}

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

void StaffListWindow::updateFilterTexts()
{
    const QString year = QString::number(yearBox_->value());
    anniversariesButton_->setText(QStringLiteral("Dienst&jubiläen im Jahr ") + year);
    anniversariesButton_->setAccessibleName(QStringLiteral("Dienstjubiläen im Jahr ") + year);
    retirementsButton_->setText(QStringLiteral("Alters&grenze im Jahr ") + year);
    retirementsButton_->setAccessibleName(QStringLiteral("Altersgrenze im Jahr ") + year);
    const std::size_t notes = model_->list() ? model_->list()->rowsWithNotes() : 0;
    QString text = notesCountText(notes);
    notesButton_->setAccessibleName(text);
    notesButton_->setText(text.replace(text.indexOf(QStringLiteral("Zeile")), 5, QStringLiteral("&Zeile")));
    notesButton_->setEnabled(notes > 0 || notesButton_->isChecked());
    notesButton_->setToolTip(QStringLiteral("Nur die Zeilen zeigen, zu denen es Hinweise gibt"));
}

void StaffListWindow::selectionEdited()
{
    ListSelection s;
    s.filter = static_cast<ListFilter>(filters_->checkedId());
    s.year = yearBox_->value();
    s.search = searchEdit_->text().toStdString();
    if (withBox_->currentIndex() > 0)
        s.with = {static_cast<std::size_t>(withBox_->currentIndex() - 1)};
    withBox_->setEnabled(withBox_->count() > 1 && reportOf(s.filter).has_value());
    model_->setSelection(s);
    updateActions();
    if (model_->sortColumn() < 0)
        table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setFrozenColumns(model_->isReport() ? 0 : frozenListColumns);
    applyColumnWidths();
    updateShownCount();
}

// The widths the user left a column at, by its head; otherwise a width
// fitted once per list: the first columns (the names) to their longest text
// in the whole list, the others to their head and the lines in sight, each
// up to columnWidthLimit. Fitted widths stay while the list is shown, so
// that the columns do not change their widths with every letter of a search.
void StaffListWindow::applyColumnWidths()
{
    if (model_->list() == nullptr)
        return;
    placingColumns_ = true;
    QHeaderView* header = table_->horizontalHeader();
    for (int c = 0; c < model_->columnCount(); ++c) {
        const QString head = model_->headerData(c, Qt::Horizontal).toString();
        if (const auto known = columnWidths_.constFind(head); known != columnWidths_.constEnd()) {
            header->resizeSection(c, *known);
            continue;
        }
        auto fitted = fittedWidths_.constFind(head);
        if (fitted == fittedWidths_.constEnd())
            fitted = fittedWidths_.insert(head, fittedWidth(c));
        header->resizeSection(c, *fitted);
    }
    table_->setFrozenColumns(table_->frozenColumns());
    placingColumns_ = false;
}

int StaffListWindow::columnWidthLimit() const
{
    // About 40 characters, and never more than a third of the window.
    const int characters = table_->fontMetrics().averageCharWidth() * 40;
    return std::max(120, std::min(characters, width() / 3));
}

int StaffListWindow::fittedWidth(int column) const
{
    const int limit = columnWidthLimit();
    if (column >= frozenListColumns || model_->isReport()) {
        table_->resizeColumnToContents(column);
        return std::min(table_->horizontalHeader()->sectionSize(column), limit);
    }
    // The longest texts by their number of characters are measured, not all
    // of a list of many thousand rows.
    const QFontMetrics metrics = table_->fontMetrics();
    const ComputedList& list = *model_->list();
    std::vector<std::pair<std::size_t, std::string_view>> longest;
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::string_view text = list.field(row, static_cast<std::size_t>(column));
        longest.emplace_back(text.size(), text);
    }
    const std::size_t measured = std::min<std::size_t>(longest.size(), 20);
    std::partial_sort(longest.begin(), longest.begin() + static_cast<std::ptrdiff_t>(measured), longest.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    int widest = table_->horizontalHeader()->sectionSizeHint(column);
    for (std::size_t i = 0; i < measured; ++i) {
        const std::string_view text = longest[i].second;
        const QString shown = toQString(text);
        widest = std::max(widest, metrics.horizontalAdvance(shown));
    }
    // The cell's margins on both sides, as the style draws them.
    const int margins = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) + 6;
    return std::min(widest + margins, limit);
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

// The carried columns of the list, for a report to show one of them.
void StaffListWindow::updateWithChoice()
{
    const QString kept = withBox_->currentText();
    const QSignalBlocker quiet{withBox_};
    withBox_->clear();
    withBox_->addItem(QStringLiteral("keine"));
    if (const ComputedList* list = model_->list())
        for (const std::string& h : list->layout.carriedHeaders())
            withBox_->addItem(QString::fromStdString(visibleText(h)));
    withBox_->setCurrentIndex(std::max(0, withBox_->findText(kept)));
}

void StaffListWindow::updateShownCount()
{
    if (const ComputedList* list = model_->list())
        shownText_->setText(QStringLiteral("Angezeigt: %1 von %2 Zeilen")
                                .arg(number(static_cast<qulonglong>(model_->rowCount())), number(list->size())));
}

void StaffListWindow::showProgress(int percent, qulonglong rows)
{
    progress_->setValue(percent);
    statusText_->setText(QStringLiteral("„%1“ wird berechnet: %2 Zeilen").arg(path_, number(rows)));
}

} // namespace tarvolin
