#include "qt/staff_list_window/case_window.h"

#include "qt/calculator_window/main_window.h"
#include "stafflist/computation/case_folder.h"
#include "stafflist/computation/row_typing.h"
#include "qt/text/qt_text.h"

#include <QDir>
#include <QFile>

namespace tarvolin {

namespace {

} // namespace

QString employeeTitle(const ComputedList& list, std::size_t row)
{
    return QStringLiteral(" – ") + employeeName(list, row);
}

QString employeeName(const ComputedList& list, std::size_t row)
{
    QStringList names;
    for (std::size_t c : {colName, colFirstName})
        if (const QString n = toQString(list.text(row, c)); !n.isEmpty())
            names << n;
    QStringList parts;
    if (!names.isEmpty())
        parts << names.join(QStringLiteral(", "));
    if (const QString number = toQString(list.text(row, colPersonnelNumber)); !number.isEmpty())
        parts << QStringLiteral("Personalnummer ") + number;
    if (parts.isEmpty())
        parts << QStringLiteral("Zeile %1 der Personalliste").arg(static_cast<qlonglong>(list.fileLine(row)));
    return parts.join(QStringLiteral(", "));
}

CaseWindow::CaseWindow(Date today, const QString& folder, QObject* parent)
    : QObject{parent}, clock_{today}, platform_{clock_},
      window_{std::make_unique<MainWindow>(clock_, platform_.printer, platform_.shell, platform_.letter)}
{
    platform_.printer.setPdfFolder(folder);
    platform_.attach(*window_);
    connect(window_.get(), &MainWindow::unloaded, this, &QObject::deleteLater, Qt::QueuedConnection);
}

CaseWindow::~CaseWindow() = default;

MainWindow* CaseWindow::open(const ComputedList& list, std::size_t row, const QString& folder, Start start,
                             QObject* parent)
{
    const std::filesystem::path path{QFile::encodeName(QDir{folder}.absolutePath()).toStdString()};
    const bool saved = start == Start::SavedCase && hasSavedCase(path);
    const std::optional<TypedCase> typed = list.typedCase(row);
    if (!saved && !typed)
        return nullptr;
    auto* opened = new CaseWindow{list.today, folder, parent};
    MainWindow& window = *opened->window_;
    window.setTitleSuffix(employeeTitle(list, row) + (saved ? QStringLiteral(" (gespeicherter Fall)") : QString{}));
    opened->platform_.letter.setListCase(employeeName(list, row), list.addressee(row));
    if (saved)
        window.start([&window, path] { openSavedCase(window.jda(), path); });
    else
        window.start([&window, path, c = *typed] { openCase(window.jda(), path, c); });
    return &window;
}

} // namespace tarvolin
