// The staff list on the desktop: the application, the German texts, the
// window; opened employees are calculator windows in the same application.

#include "qt/staff_list_window/run_list_window.h"

#include "qt/desktop/desktop_application.h"
#include "qt/staff_list_window/staff_list_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace tarvolin {

int runListWindow(int argc, char** argv, const std::string& file)
{
    const auto application = startDesktopApplication(argc, argv);

    // Cases opened from the list keep their jda.txt here, apart from the
    // user's own: ~/.local/share/Tarvolin/Personalliste.
    const QString caseFolder =
        QDir{QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)}.filePath(QStringLiteral("Personalliste"));
    SystemClock clock;
    // Window size, column widths, year and folder: ~/.config/Tarvolin/Personalliste.conf.
    QSettings settings{QDir{QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)}.filePath(
                           QStringLiteral("Personalliste.conf")),
                       QSettings::IniFormat};
    StaffListWindow window{clock, settings, caseFolder};
    window.show();
    if (!file.empty()) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(file));
        QTimer::singleShot(0, &window, [&window, path] { window.openFile(path); });
    }
    return QApplication::exec();
}

} // namespace tarvolin
