#pragma once
// Hands a web address to the desktop, which opens it in the user's browser.

#include "help/links.h"

#include <string>
#include <string_view>

namespace tarvolin {

class Shell {
public:
    virtual ~Shell() = default;
    // False when no browser could be started.
    virtual bool open(std::string_view address) = 0;
    // The German sentence that tells the user why open failed for this
    // address. A shell that knows more than "no browser" (a help page
    // missing from the program's copy of the site) says so here.
    virtual std::string failureText(std::string_view address) const { return browserFailureText(address); }
};

} // namespace tarvolin
