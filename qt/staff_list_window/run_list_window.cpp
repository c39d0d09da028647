// The staff list on the desktop: the application, the German texts, the
// window; opened employees are calculator windows in the same application.

#include "qt/staff_list_window/run_list_window.h"

#include "output/safe_file.h"
#include "qt/desktop/desktop_application.h"
#include "qt/letter/letter_settings.h"
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
    const QString settingsFile = QDir{QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)}.filePath(
        QStringLiteral("Personalliste.conf"));
    const QString refused = settingsFileRefusal(settingsFile);
    if (refused.isEmpty())
        makePrivateFile(QFile::encodeName(settingsFile).toStdString());
    // A file that is refused is neither read nor overwritten: the window
    // starts with its defaults and keeps nothing.
    QSettings settings{refused.isEmpty() ? settingsFile : QString{}, QSettings::IniFormat};
    StaffListWindow window{clock, settings, caseFolder};
    window.show();
    if (!refused.isEmpty())
        window.showNotice(refused);
    else if (settings.status() == QSettings::FormatError)
        window.showNotice(QStringLiteral("Die Einstellungen in „%1“ sind fehlerhaft und wurden übergangen; es gelten die "
                                         "Voreinstellungen.")
                              .arg(settingsFile));
    if (!file.empty()) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(file));
        QTimer::singleShot(0, &window, [&window, path] { window.openFile(path); });
    }
    return QApplication::exec();
}

} // namespace tarvolin
