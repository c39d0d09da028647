// The staff list on the desktop: the application, the German texts, the
// window; opened employees are calculator windows in the same application.

#include "qt/run_list_window.h"

#include "qt/german_translation.h"
#include "qt/staff_list_window.h"
#include "qt/window_style.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace tarvolin {

namespace {

// As for the calculator: without a screen one German line and exit status 1
// instead of Qt's abort.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fputs("Tarvolin: Das Fenster kann nicht geöffnet werden, kein Bildschirm erreichbar "
               "(DISPLAY prüfen); ohne Fenster läuft: tarvolin --list DATEI\n",
               stderr);
    std::_Exit(1);
}

} // namespace

int runListWindow(int argc, char** argv, const std::string& file)
{
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication application{argc, argv};
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Tarvolin"));
    QApplication::setStyle(new WindowStyle);
    loadGermanTranslation(application);

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
