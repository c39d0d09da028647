#pragma once
// DesktopShell: hands a web address to the desktop (QDesktopServices), which
// opens it in the user's browser.

#include "help/shell.h"

#include <string_view>

namespace tarvolin {

class DesktopShell final : public Shell {
public:
    // False when the desktop could not start a browser for the address.
    bool open(std::string_view address) override;
};

} // namespace tarvolin
