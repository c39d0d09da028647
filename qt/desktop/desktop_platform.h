#pragma once
// DesktopPlatform: what a calculator window on the desktop reaches beyond its
// controls, in one place for every such window (the program's own and a case
// opened from the staff list): the printer with its PDF fallback, the browser
// for the help pages, the letter's letterhead, addressee and preview. Made
// before the window (whose constructor takes its parts) and connected to it
// afterwards, so that the printer's PDF notice and a browser that fails late
// speak through the window's own message boxes.

#include "qt/letter/desktop_letter.h"
#include "qt/desktop/desktop_shell.h"
#include "qt/letter/letter_settings.h"
#include "qt/letter/qt_printer.h"

namespace tarvolin {

class MainWindow;

struct DesktopPlatform {
    explicit DesktopPlatform(Clock& clock) : letter{letterSettings, clock} {}
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    // Connects the printer, the browser and the letter's dialogs to the window.
    void attach(MainWindow& window);

    QtPrinter printer;
    DesktopShell shell;
    LetterSettings letterSettings;
    DesktopLetter letter;
};

} // namespace tarvolin
