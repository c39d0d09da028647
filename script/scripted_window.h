#pragma once
// The window without a display: one JDA at a time, wired to the printing
// platform of script_platform.h, driven command by command the way a user
// drives the drawn window. It also keeps what only the drawn text boxes know,
// the cursor of the focused description box.

#include "script/script_command.h"
#include "script/script_platform.h"
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
    // Where typing lands in the focused description box, in characters.
    std::size_t cursorPosition() const { return cursor_.position; }

private:
    void start();
    void unload();
    void focus(Control& c);
    void type(Control& c, std::string_view text, bool pressEnter);
    void key(Control& c, ScriptKey key, std::string_view character);
    void click(Control& c);
    void dateKey(Control& field, std::int16_t code);
    void descriptionKey(Control& box, ScriptKey key, std::string_view character);
    void followFocus();

    std::ostream& out_;
    ScriptMessageBox messages_;
    ScriptClock clock_;
    ScriptPrinter printer_;
    ScriptShell shell_;
    ScriptHost host_;
    std::unique_ptr<JDA> window_;
    bool unloaded_ = false; // unloaded during the present command

    // The cursor of the focused description box: when the box receives the
    // focus, and whenever the program changes its text, it goes right after
    // the last non-blank character; typing moves it on.
    struct Cursor {
        int slot = -1;
        std::size_t position = 0;
        std::string knownText;
    } cursor_;
};

} // namespace tarvolin
