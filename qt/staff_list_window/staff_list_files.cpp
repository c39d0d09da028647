// The staff-list window's files: opening a table (dialog, drop, command
// line) and having it computed, saving and printing what is shown, and the
// settings kept between runs.

#include "qt/staff_list_window/staff_list_window.h"

#include "qt/staff_list_window/background_job.h"
#include "qt/staff_list_window/column_mapping_dialog.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/paper/staff_list_pdf.h"
#include "qt/paper/pdf_file.h"
#include "qt/staff_list_window/staff_list_worker.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "qt/paper/year_report_pdf.h"
#include "qt/staff_list_window/status_text.h"
#include "calc/date_text.h"
#include "output/safe_file.h"
#include "output/system_reason.h"
#include "stafflist/command/csv_sink.h"
#include "stafflist/command/selection_output.h"
#include "stafflist/tables/table_date.h"
#include "stafflist/tables/visible_text.h"
#include "qt/text/qt_text.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>

#include <algorithm>
#include <ctime>
#include <utility>

namespace tarvolin {

namespace {

std::filesystem::path localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

constexpr int smallestColumnWidth = 20;
constexpr int largestColumnWidth = 2000;
constexpr qsizetype largestWidthCount = 200; // far more columns than any list has

namespace key {
const QString geometry = QStringLiteral("Personalliste/Fenster");
const QString year = QStringLiteral("Personalliste/Jahr");
const QString folder = QStringLiteral("Personalliste/Ordner");
// Only widths the user set. (Earlier versions kept the program's own widths
// under "Spaltenbreiten" as well, which held names cut short for good.)
const QString widths = QStringLiteral("Personalliste/Spaltenbreiten-gesetzt");
const QString oldWidths = QStringLiteral("Personalliste/Spaltenbreiten");
const QString mappings = QStringLiteral("Personalliste/Spaltenzuordnungen");
} // namespace key

// The local file of a drop, if it brings one.
QString droppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo{url.toLocalFile()}.isFile())
            return url.toLocalFile();
    return {};
}

} // namespace

QString noTableStatus()
{
    return QStringLiteral("Keine Personaltabelle geöffnet: Datei › Öffnen… (Strg+O) oder eine Datei ins Fenster ziehen.");
}

void StaffListWindow::openFile(const QString& path)
{
    path_ = path;
    settings_.setValue(key::folder, QFileInfo{path}.absolutePath());
    startComputing();
}

void StaffListWindow::startComputing()
{
    if (path_.isEmpty())
        return;
    worker_->start(path_, clock_.today(), referenceDate_, mappings_);
    progress_->setValue(0);
    report(QStringLiteral("„%1“ wird berechnet …").arg(path_));
    updateActions();
}

// The status line always names the list shown; a computation that was
// cancelled or failed leaves that list and says so separately.
void StaffListWindow::computingFinished()
{
    const StaffListWorker::Outcome& outcome = worker_->outcome();
    if (!outcome.cancelled && !outcome.header.empty())
        opened_ = outcome;
    if (outcome.list) {
        fittedWidths_.clear();
        model_->setList(outcome.list);
        updateWithChoice();
        updateFilterTexts();
        selectionEdited();
    } else if (const ComputedList* shown = model_->list()) {
        // The list shown stays, and with it the file and the reference date
        // it was computed with.
        path_ = toQString(shown->fileName);
        referenceDate_ = shown->referenceDate;
        referenceDateEdit_->setText(shown->referenceDate ? toQString(germanDateText(*shown->referenceDate)) : QString{});
    } else if (!outcome.needsMapping) {
        path_.clear();
    }
    updateActions();
    if (outcome.needsMapping) {
        statusText_->setText(outcome.error);
        if (askColumnMapping())
            return;
        if (model_->list() == nullptr)
            path_.clear();
    }
    const ComputedList* shown = model_->list();
    QString status = shown ? listStatus(*shown) : noTableStatus();
    if (outcome.cancelled)
        status = QStringLiteral("Berechnung abgebrochen. ") + (shown ? QStringLiteral("Angezeigt wird ") + status : status);
    report(status);
    if (!outcome.cancelled && !outcome.error.isEmpty())
        complain(outcome.error);
}

QString StaffListWindow::listStatus(const ComputedList& list) const
{
    QString text = QStringLiteral("„%1“: %2 Zeilen, berechnet mit dem Tagesdatum %3.")
                       .arg(toQString(visibleText(list.fileName)), QLocale{QLocale::German}.toString(static_cast<qulonglong>(list.size())),
                            toQString(germanDateText(list.today)));
    if (list.readWindows1252)
        text += QStringLiteral(" Nicht durchweg gültiges UTF-8: die übrigen Zeilen wurden als Windows-1252 gelesen.");
    if (list.size() == 0)
        text += QStringLiteral(" Nach der Kopfzeile (Zeile %1) stehen keine Zeilen.").arg(static_cast<qlonglong>(list.headerLine));
    return text;
}

void StaffListWindow::referenceDateEdited()
{
    // The field loses the focus when its window closes: that confirms
    // nothing, and a closing window computes nothing.
    if (isHidden())
        return;
    const QString text = referenceDateEdit_->text().trimmed();
    std::optional<Date> day;
    if (!text.isEmpty()) {
        day = parseTableDate(text.toStdString());
        if (!day) {
            complain(QStringLiteral("„%1“ ist kein Datum (TT.MM.JJJJ). Ohne Angabe gilt der heutige Tag.").arg(text));
            referenceDateEdit_->setFocus();
            referenceDateEdit_->selectAll();
            return;
        }
        referenceDateEdit_->setText(toQString(germanDateText(*day)));
    }
    if (day == referenceDate_)
        return;
    referenceDate_ = day;
    startComputing();
}

void StaffListWindow::chooseFile()
{
    const QString folder = settings_.value(key::folder, QDir::homePath()).toString();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Personaltabelle öffnen"), folder,
                                                      QStringLiteral("Tabellen (*.csv *.txt *.xlsx *.ods);;Alle Dateien (*)"));
    if (!path.isEmpty())
        openFile(path);
}

QString StaffListWindow::chooseSaveName(const QString& caption, const QString& filter, const QString& suffix)
{
    const ListSelection& s = model_->selection();
    QString name = QStringLiteral("Personalliste");
    if (s.filter == ListFilter::Anniversaries)
        name = QStringLiteral("Dienstjubilaeen-%1").arg(s.year);
    else if (s.filter == ListFilter::Retirements)
        name = QStringLiteral("Altersgrenze-%1").arg(s.year);
    const QString folder = settings_.value(key::folder, QDir::homePath()).toString();
    QString path = QFileDialog::getSaveFileName(this, caption, QDir{folder}.filePath(name + suffix), filter);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    if (!path.isEmpty())
        settings_.setValue(key::folder, QFileInfo{path}.absolutePath());
    return path;
}

void StaffListWindow::chooseCsv()
{
    const QString path = chooseSaveName(QStringLiteral("Als CSV speichern"), QStringLiteral("CSV-Dateien (*.csv)"),
                                        QStringLiteral(".csv"));
    if (path.isEmpty() || refusesInput(path))
        return;
    if (const QString e = saveCsv(path); !e.isEmpty())
        complain(e);
    else
        report(QStringLiteral("Gespeichert: „%1“").arg(path));
}

void StaffListWindow::chooseXlsx()
{
    const QString path = chooseSaveName(QStringLiteral("Als Excel-Datei speichern"),
                                        QStringLiteral("Excel-Arbeitsmappen (*.xlsx)"), QStringLiteral(".xlsx"));
    if (path.isEmpty() || refusesInput(path))
        return;
    QStringList notes;
    if (const QString e = saveXlsx(path, &notes); !e.isEmpty()) {
        complain(e);
        return;
    }
    report(QStringLiteral("Gespeichert: „%1“").arg(path));
    // Texts changed to fit into the file are said where they cannot be missed.
    if (!notes.isEmpty())
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("Gespeichert: „%1“\n\n%2").arg(path, notes.join(QLatin1Char('\n'))));
}

bool StaffListWindow::askColumnMapping()
{
    if (opened_.header.empty() || path_.isEmpty())
        return false;
    ColumnMappingDialog dialog{opened_.header, opened_.preview, opened_.mapping, this};
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString key = headerLineKey(opened_.header);
    mappings_[key] = columnMappingText(dialog.mapping());
    settings_.setValue(key::mappings + QLatin1Char('/') + key, toQString(mappings_[key]));
    settings_.sync();
    startComputing();
    return true;
}

void StaffListWindow::choosePdf()
{
    const QString path = chooseSaveName(QStringLiteral("Als PDF speichern"), QStringLiteral("PDF-Dateien (*.pdf)"),
                                        QStringLiteral(".pdf"));
    if (path.isEmpty() || refusesInput(path))
        return;
    if (model_->isReport()) {
        startJob(QStringLiteral("„%1“ wird geschrieben …").arg(path), QStringLiteral("Gespeichert: „%1“").arg(path),
                 [report = selectionReport(*model_->list(), model_->selection()), file = path.toStdString()] {
                     return toQString(writeYearReportPdf(report, file));
                 });
        return;
    }
    startJob(QStringLiteral("„%1“ wird geschrieben …").arg(path), QStringLiteral("Gespeichert: „%1“").arg(path),
             [table = shownTable(), file = path.toStdString(), job = job_] {
                 return toQString(writeStaffListPdf(table, file, [job](std::size_t painted, std::size_t rows) {
                     job->reportProgress(static_cast<int>(painted * 100 / std::max<std::size_t>(rows, 1)));
                 }));
             });
}

void StaffListWindow::chooseCalendar()
{
    if (model_->list() == nullptr || !model_->isReport())
        return;
    const QString path = chooseSaveName(QStringLiteral("Als Kalender speichern"),
                                        QStringLiteral("Kalenderdateien (*.ics)"), QStringLiteral(".ics"));
    if (path.isEmpty() || refusesInput(path))
        return;
    if (const QString e = saveCalendar(path); !e.isEmpty())
        complain(e);
    else
        statusText_->setText(QStringLiteral("Gespeichert: „%1“ – in Thunderbird, Outlook oder Evolution importieren; ein "
                                            "erneuter Import ersetzt die Termine, statt sie zu verdoppeln.")
                                 .arg(path));
}

QString StaffListWindow::saveCalendar(const QString& path) const
{
    if (model_->list() == nullptr || !model_->isReport())
        return QStringLiteral("Eine Kalenderdatei gibt es nur für die Dienstjubiläen und die Altersgrenze eines Jahres.");
    return toQString(writeTextFile(path.toStdString(), selectionCalendar(*model_->list(), model_->selection(), std::time(nullptr))));
}

void StaffListWindow::print()
{
    if (model_->list() == nullptr)
        return;
    if (model_->isReport()) {
        printReport();
        return;
    }
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    setStaffListPage(*printer);
    QPrintDialog dialog{printer.get(), this};
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString file = printer->outputFileName();
        if (refusesInput(file))
            return;
        startJob(QStringLiteral("„%1“ wird geschrieben …").arg(file), QStringLiteral("Gespeichert: „%1“").arg(file),
                 [table = shownTable(), printer, file] {
                     const WriteResult written = printToPdfFile(
                         *printer, [&](QPagedPaintDevice& device, int) { return paintStaffList(table, device); });
                     return written ? QString{}
                                    : QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden. %2")
                                          .arg(file, toQString(written.failure->sentence()));
                 });
        return;
    }
    startJob(QStringLiteral("Die Liste wird gedruckt …"), QStringLiteral("Gedruckt."), [table = shownTable(), printer] {
        return paintStaffList(table, *printer) ? QString{} : QStringLiteral("Der Drucker hat die Liste nicht angenommen.");
    });
}

// A year report prints in portrait, grouped by month, as its PDF.
void StaffListWindow::printReport()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    setYearReportPage(*printer);
    QPrintDialog dialog{printer.get(), this};
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReportDocument report = selectionReport(*model_->list(), model_->selection());
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString file = printer->outputFileName();
        if (refusesInput(file))
            return;
        startJob(QStringLiteral("„%1“ wird geschrieben …").arg(file), QStringLiteral("Gespeichert: „%1“").arg(file),
                 [report = std::move(report), printer, file] {
                     const WriteResult written = printToPdfFile(
                         *printer, [&](QPagedPaintDevice& device, int) { return paintYearReport(report, device); });
                     return written ? QString{}
                                    : QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden. %2")
                                          .arg(file, toQString(written.failure->sentence()));
                 });
        return;
    }
    startJob(QStringLiteral("Der Bericht wird gedruckt …"), QStringLiteral("Gedruckt."),
             [report = std::move(report), printer] {
                 return paintYearReport(report, *printer) ? QString{}
                                                          : QStringLiteral("Der Drucker hat den Bericht nicht angenommen.");
             });
}

void StaffListWindow::startJob(const QString& running, const QString& done, std::function<QString()> work,
                               bool cancellable)
{
    jobDone_ = done;
    job_->start(std::move(work), cancellable);
    report(running);
    updateActions();
}

void StaffListWindow::jobFinished()
{
    updateActions();
    // Stopped by Abbrechen: the status line says so, no warning.
    if (job_->cancelRequested() && !job_->result().isEmpty()) {
        report(job_->result());
        return;
    }
    if (!job_->result().isEmpty()) {
        statusText_->clear();
        complain(job_->result());
        return;
    }
    report(jobDone_);
}

PrintableTable StaffListWindow::shownTable() const
{
    return selectionTable(*model_->list(), model_->selection());
}

QString StaffListWindow::saveCsv(const QString& path) const
{
    if (model_->list() == nullptr)
        return QStringLiteral("Es ist keine Liste berechnet.");
    return toQString(writeTextFile(path.toStdString(), selectionCsv(*model_->list(), model_->selection())));
}

QString StaffListWindow::saveXlsx(const QString& path, QStringList* notes) const
{
    if (model_->list() == nullptr)
        return QStringLiteral("Es ist keine Liste berechnet.");
    std::vector<std::string> changed;
    const QString failure = toQString(writeSelectionXlsx(*model_->list(), model_->selection(), path.toStdString(), &changed));
    if (notes != nullptr)
        for (const std::string& note : changed)
            notes->push_back(toQString(note));
    return failure;
}


bool StaffListWindow::refusesInput(const QString& path)
{
    if (path_.isEmpty() || !isSameFile(localPath(path_), localPath(path)))
        return false;
    complain(QStringLiteral("„%1“ ist die geöffnete Personaltabelle selbst und wird nicht überschrieben. Bitte einen "
                            "anderen Namen wählen.")
                 .arg(path));
    return true;
}





void StaffListWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (openAction_->isEnabled() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void StaffListWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty() || !openAction_->isEnabled())
        return;
    event->acceptProposedAction();
    openFile(path);
}


// Every value is checked: a width that is no number, or none a column can
// have, is left out (a column of width 0 would be hidden for good).
void StaffListWindow::readSettings()
{
    if (!restoreGeometry(settings_.value(key::geometry).toByteArray()))
        resize(1100, 700);
    // (When shown, keepOnScreen fits a size or place from a larger screen.)
    bool ok = false;
    const int year = settings_.value(key::year).toInt(&ok);
    yearBox_->setValue(ok && year >= yearBox_->minimum() && year <= yearBox_->maximum() ? year : clock_.today().year());
    settings_.beginGroup(key::widths);
    const QStringList heads = settings_.childKeys();
    for (const QString& head : heads.mid(0, largestWidthCount)) {
        const int width = settings_.value(head).toInt(&ok);
        if (ok && width >= smallestColumnWidth && width <= largestColumnWidth)
            columnWidths_[head] = width;
    }
    settings_.endGroup();
    // Remembered mappings: only what reads as a mapping, and not more than a
    // clerk would ever make.
    settings_.beginGroup(key::mappings);
    for (const QString& header : settings_.childKeys()) {
        const std::string text = settings_.value(header).toString().toStdString();
        std::string problem;
        if (mappings_.size() < 1000 && text.size() < 65536 && !parseColumnMapping(text, problem).empty())
            mappings_[header] = text;
    }
    settings_.endGroup();
}




void StaffListWindow::writeSettings() const
{
    settings_.setValue(key::geometry, saveGeometry());
    settings_.setValue(key::year, yearBox_->value());
    settings_.remove(key::oldWidths);
    settings_.beginGroup(key::widths);
    for (auto it = columnWidths_.constBegin(); it != columnWidths_.constEnd(); ++it)
        settings_.setValue(it.key(), it.value());
    settings_.endGroup();
    settings_.sync();
}

} // namespace tarvolin
