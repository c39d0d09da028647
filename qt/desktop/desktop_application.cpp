#include "qt/desktop/desktop_application.h"

#include "qt/desktop/combo_box_accessible.h"
#include "qt/desktop/german_translation.h"
#include "qt/desktop/window_style.h"

#include <cstdio>
#include <cstdlib>

namespace tarvolin {

namespace {

// While the application starts, its messages are held back; a fatal one
// becomes one German line and exit status 1.
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

std::unique_ptr<QApplication> startDesktopApplication(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Tarvolin"));
    QApplication::setStyle(new WindowStyle);
    loadGermanTranslation(*application);
    installComboBoxAccessible();
    return application;
}

} // namespace tarvolin
