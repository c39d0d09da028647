// The program on the desktop: the application, the German texts, the
// platform (system date, printer, browser, the letter's settings and
// dialogs) and the window.

#include "qt/run_window.h"

#include "qt/desktop_platform.h"
#include "qt/german_translation.h"
#include "qt/main_window.h"
#include "qt/window_style.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace tarvolin {

namespace {

// Qt ends the process when no platform plugin can start (no DISPLAY, an X
// server that cannot be reached). While the application starts, its
// messages are held back; a fatal one becomes one German line and exit
// status 1 instead of Qt's English explanation and an abort.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fputs("Tarvolin: Das Fenster kann nicht geöffnet werden, kein Bildschirm erreichbar "
               "(DISPLAY prüfen); ohne Fenster laufen: tarvolin --script DATEI und tarvolin --list DATEI\n",
               stderr);
    std::_Exit(1);
}

} // namespace

int runWindow(int argc, char** argv, const std::function<void(QWidget& window)>& beforeStart)
{
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication application{argc, argv};
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Tarvolin"));
    QApplication::setStyle(new WindowStyle);
    loadGermanTranslation(application);

    SystemClock clock;
    DesktopPlatform platform{clock};
    MainWindow window{clock, platform.printer, platform.shell, platform.letter};
    platform.attach(window);
    QObject::connect(&window, &MainWindow::unloaded, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    if (beforeStart)
        beforeStart(window);
    window.start();
    return QApplication::exec();
}

} // namespace tarvolin
