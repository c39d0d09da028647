#pragma once
// The window without a display: one JDA at a time, wired to the printing
// platform of script_platform.h and driven command by command through the
// window's Dispatcher, the way a user drives the drawn window.

#include "script/script_command.h"
#include "script/script_platform.h"
#include "window/dispatcher.h"
#include "window/jda.h"

#include <memory>
#include <ostream>
#include <string>

namespace tarvolin {

class ScriptedWindow {
public:
    explicit ScriptedWindow(std::ostream& out);
    ScriptedWindow(const ScriptedWindow&) = delete;
    ScriptedWindow& operator=(const ScriptedWindow&) = delete;

    // Runs one understood line. Returns an empty text, or, when the command
    // cannot run now (no window before `start`, `start` while it is open),
    // why not; then nothing has happened.
    std::string run(const ScriptLine& line);

    // The open window, or nullptr.
    JDA* window() { return window_.get(); }

private:
    void start();
    void unload();

    std::ostream& out_;
    ScriptMessageBox messages_;
    ScriptClock clock_;
    ScriptPrinter printer_;
    ScriptShell shell_;
    ScriptHost host_;
    std::unique_ptr<JDA> window_;
    std::unique_ptr<Dispatcher> dispatcher_;
    bool unloaded_ = false; // unloaded during the present command
};

} // namespace tarvolin
