// "Briefe für die Auswahl…": the letters of the rows selected in the table,
// or of all rows shown when at most one is selected, in the order shown; the
// letter (JDA or Beschäftigungszeit) chosen as in the calculator's view; one
// PDF written in the background, with progress and Abbrechen.

#include "qt/letter/letter_settings.h"
#include "qt/staff_list_window/background_job.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/staff_list_window/letters_pdf.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "stafflist/list_letters.h"

#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>

#include <set>

namespace tarvolin {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The letter's kind, asked as the calculator's two views name it; nothing
// when the user cancelled.
std::optional<bool> askJdaLetter(QWidget* parent, std::size_t rows)
{
    QMessageBox box{QMessageBox::Question, QStringLiteral("Briefe für die Auswahl"),
                    QStringLiteral("Welcher Brief soll für die %1 Zeilen geschrieben werden?").arg(rows),
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

void StaffListWindow::chooseLetters()
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
    const QString path = chooseSaveName(QStringLiteral("Briefe für die Auswahl speichern"),
                                        QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral(".pdf"));
    if (path.isEmpty() || refusesInput(path))
        return;
    writeLetters(path, *jdaLetter);
}

bool StaffListWindow::writeLetters(const QString& path, bool jdaLetter)
{
    std::vector<std::size_t> rows = letterRows();
    if (model_->list() == nullptr || job_->isRunning() || rows.empty())
        return false;
    const Letterhead letterhead = LetterSettings{}.letterhead();
    startJob(
        QStringLiteral("Die Briefe werden in „%1“ geschrieben …").arg(path), QStringLiteral("Gespeichert: „%1“").arg(path),
        [list = model_->sharedList(), rows = std::move(rows), jdaLetter, letterhead, file = path.toStdString(),
         job = job_]() mutable {
            ListLetterRun run{list, std::move(rows), jdaLetter, [job](std::size_t done, std::size_t total) {
                                  if (done % 20 == 0 || done == total)
                                      job->reportProgress(static_cast<int>(done * 100 / std::max<std::size_t>(total, 1)));
                                  return !job->cancelRequested();
                              }};
            run.letterhead = letterhead;
            return q(writeLettersPdf(run, file));
        },
        true);
    return true;
}

} // namespace tarvolin
