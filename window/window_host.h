#pragma once
// What the window object asks of whatever shows it, beyond the controls:
// unloading the window ends the program.

namespace tarvolin {

class WindowHost {
public:
    virtual ~WindowHost() = default;
    // The window is unloaded (after Schließen has saved, or by the close box).
    virtual void unload() = 0;
};

} // namespace tarvolin
