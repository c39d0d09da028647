#pragma once
// Hands a web address to the desktop, which opens it in the user's browser.

#include <string_view>

namespace tarvolin {

class Shell {
public:
    virtual ~Shell() = default;
    // False when no browser could be started.
    virtual bool open(std::string_view address) = 0;
};

} // namespace tarvolin
