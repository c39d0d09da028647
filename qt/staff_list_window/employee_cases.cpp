// The staff-list window's cases: one employee of the list opened in a
// calculator window of its own, with the case saved in the employee's folder
// or typed from the list.

#include "qt/staff_list_window/staff_list_window.h"

#include "output/safe_file.h"
#include "output/system_reason.h"
#include "qt/calculator_window/main_window.h"
#include "qt/staff_list_window/case_window.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "qt/text/qt_text.h"
#include "stafflist/computation/case_folder.h"

#include <QFile>

#include <filesystem>
#include <string>

namespace tarvolin {

MainWindow* StaffListWindow::openEmployee(int line, bool fromList)
{
    const ComputedList* list = model_->list();
    if (list == nullptr || line < 0 || line >= model_->rowCount())
        return nullptr;
    const std::size_t row = model_->sourceRow(line);
    const std::filesystem::path folder = caseFolderOf(QFile::encodeName(caseFolder_).toStdString(), *list, row);
    const bool saved = !fromList && hasSavedCase(folder);
    if (!saved && !list->typedCase(row)) {
        complain(QStringLiteral("Diese Zeile kann nicht im Rechner geöffnet werden: Geburtstag oder Beginn der "
                                "Dienstbezüge fehlen oder sind kein Datum.\n\n")
                 + toQString(cellText(list->cell(row, colNotes))));
        return nullptr;
    }
    // The cases hold personal data: their folders are for their owner only.
    if (const int error = makePrivateFolders(folder)) {
        complain(QStringLiteral("Der Ordner „%1“ für den Fall kann nicht angelegt werden (%2).")
                     .arg(QFile::decodeName(folder.c_str()), toQString(systemReason(error))));
        return nullptr;
    }
    MainWindow* window = CaseWindow::open(*list, row, QFile::decodeName(folder.c_str()),
                                          saved ? CaseWindow::Start::SavedCase : CaseWindow::Start::FromList, this);
    if (window != nullptr)
        connect(window, &MainWindow::unloaded, this, [this] { model_->savedCasesChanged(); });
    return window;
}

} // namespace tarvolin
