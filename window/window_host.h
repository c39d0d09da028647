#pragma once
// What the window object asks of whatever shows it, beyond the controls.

#include <string_view>

namespace tarvolin {

class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Unload the window: the host raises JDA::Form_Unload and, unless that
    // cancels, closes the window, which ends the program. Schließen calls this
    // after a successful save; the close box goes the same way without saving.
    virtual void unload() = 0;
    // The entries file was written to this path.
    virtual void entriesSaved(std::string_view path) = 0;
};

} // namespace tarvolin
