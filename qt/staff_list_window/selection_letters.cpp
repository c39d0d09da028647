// "Briefe für die Auswahl…": the letters of the rows selected in the table,
// or of all rows shown when at most one is selected, in the order shown; the
// letter (JDA or Beschäftigungszeit) chosen as in the calculator's view; one
// PDF written in the background, with progress and Abbrechen.

#include "qt/letter/letter_settings.h"
#include "qt/paper/pdf_file.h"
#include "qt/staff_list_window/background_job.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/letter/letters_pdf.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "stafflist/command/list_letters.h"
#include "qt/text/qt_text.h"

#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <set>

namespace tarvolin {

namespace {

// The letter's kind, asked as the calculator's two views name it; nothing
// when the user cancelled.
std::optional<bool> askJdaLetter(QWidget* parent, std::size_t rows)
{
    QMessageBox box{QMessageBox::Question, QStringLiteral("Briefe für die Auswahl"),
                    rows == 1 ? QStringLiteral("Welcher Brief soll für die Zeile geschrieben werden?")
                              : QStringLiteral("Welcher Brief soll für die %1 Zeilen geschrieben werden?").arg(rows),
                    QMessageBox::NoButton, parent};
    QPushButton* jda = box.addButton(QStringLiteral("&Jubiläumsdienstalter"), QMessageBox::AcceptRole);
    QPushButton* employment = box.addButton(QStringLiteral("&Beschäftigungszeit"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(jda);
    box.exec();
    if (box.clickedButton() == jda)
        return true;
    if (box.clickedButton() == employment)
        return false;
    return std::nullopt;
}

} // namespace

std::vector<std::size_t> StaffListWindow::letterRows() const
{
    std::set<int> lines;
    for (const QModelIndex& cell : table_->selectionModel()->selectedIndexes())
        lines.insert(cell.row());
    std::vector<std::size_t> rows;
    if (lines.size() > 1) {
        for (const int line : lines)
            rows.push_back(model_->sourceRow(line));
        return rows;
    }
    for (int line = 0; line < model_->rowCount(); ++line)
        rows.push_back(model_->sourceRow(line));
    return rows;
}

void StaffListWindow::chooseLetters(bool onPrinter)
{
    if (model_->list() == nullptr || job_->isRunning())
        return;
    const std::size_t rows = letterRows().size();
    if (rows == 0) {
        complain(QStringLiteral("Die Auswahl enthält keine Zeile: es gibt keinen Brief zu schreiben."));
        return;
    }
    const std::optional<bool> jdaLetter = askJdaLetter(this, rows);
    if (!jdaLetter)
        return;
    if (onPrinter) {
        printLetters(*jdaLetter);
        return;
    }
    const QString path = chooseSaveName(QStringLiteral("Briefe für die Auswahl speichern"),
                                        QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral(".pdf"));
    if (path.isEmpty() || refusesInput(path))
        return;
    writeLetters(path, *jdaLetter);
}

// The work of a run of letters on the job's thread: the rows' letters with
// the office's letterhead, progress after every 20, Abbrechen between two.
std::function<QString()> StaffListWindow::lettersWork(bool jdaLetter, std::function<QString(LetterRun&)> write) const
{
    return [list = model_->sharedList(), rows = letterRows(), jdaLetter, letterhead = LetterSettings{}.letterhead(),
            job = job_, write = std::move(write)]() mutable {
        ListLetterRun run{list, std::move(rows), jdaLetter, [job](std::size_t done, std::size_t total) {
                              if (done % 20 == 0 || done == total)
                                  job->reportProgress(static_cast<int>(done * 100 / std::max<std::size_t>(total, 1)));
                              return !job->cancelRequested();
                          }};
        run.letterhead = letterhead;
        return write(run);
    };
}

bool StaffListWindow::writeLetters(const QString& path, bool jdaLetter)
{
    if (model_->list() == nullptr || job_->isRunning() || letterRows().empty())
        return false;
    startJob(QStringLiteral("Die Briefe werden in „%1“ geschrieben …").arg(path),
             QStringLiteral("Gespeichert: „%1“").arg(path),
             lettersWork(jdaLetter, [file = path.toStdString()](LetterRun& run) { return toQString(writeLettersPdf(run, file)); }),
             true);
    return true;
}

// One print job through the print dialog; its "print to file" goes through
// the safe writer as every PDF of the list does.
void StaffListWindow::printLetters(bool jdaLetter)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Tarvolin-Briefe"));
    QPrintDialog dialog{printer.get(), this};
    dialog.setWindowTitle(QStringLiteral("Briefe drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString file = printer->outputFileName();
        if (refusesInput(file))
            return;
        startJob(QStringLiteral("„%1“ wird geschrieben …").arg(file), QStringLiteral("Gespeichert: „%1“").arg(file),
                 lettersWork(jdaLetter,
                             [printer, file](LetterRun& run) {
                                 std::string failure;
                                 const WriteResult written = printToPdfFile(*printer, [&](QPagedPaintDevice& d, int r) {
                                     return paintLetters(run, d, r, failure);
                                 });
                                 if (!failure.empty())
                                     return toQString(failure);
                                 return written ? QString{}
                                                : QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden. %2")
                                                      .arg(file, toQString(written.failure->sentence()));
                             }),
                 true);
        return;
    }
    startJob(QStringLiteral("Die Briefe werden gedruckt …"), QStringLiteral("Gedruckt."),
             lettersWork(jdaLetter,
                         [printer](LetterRun& run) {
                             std::string failure;
                             if (paintLetters(run, *printer, printer->resolution(), failure))
                                 return QString{};
                             return failure.empty() ? QStringLiteral("Der Drucker hat die Briefe nicht angenommen.")
                                                    : toQString(failure);
                         }),
             true);
}

} // namespace tarvolin
