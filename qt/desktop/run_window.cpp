// The program on the desktop: the application, the German texts, the
// platform (system date, printer, browser, the letter's settings and
// dialogs) and the window.

#include "qt/desktop/run_window.h"

#include "qt/desktop/desktop_application.h"
#include "qt/desktop/desktop_platform.h"
#include "qt/calculator_window/main_window.h"

#include <QApplication>
#include <QTimer>

namespace tarvolin {

int runWindow(int argc, char** argv, const std::function<void(QWidget& window)>& beforeStart)
{
    const auto application = startDesktopApplication(argc, argv);

    SystemClock clock;
    DesktopPlatform platform{clock};
    MainWindow window{clock, platform.printer, platform.shell, platform.letter};
    platform.attach(window);
    QObject::connect(&window, &MainWindow::unloaded, application.get(), &QCoreApplication::quit, Qt::QueuedConnection);
    if (beforeStart)
        beforeStart(window);
    window.start();
    // A settings file that was not read is said once, after the window has
    // come up and told what it has to tell about its own start.
    if (const QString problem = platform.letterSettings.startNotice(); !problem.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, problem] {
            const QByteArray text = problem.toUtf8();
            window.jda().notice(std::string_view{text.constData(), static_cast<std::size_t>(text.size())});
        });
    }
    return QApplication::exec();
}

} // namespace tarvolin
