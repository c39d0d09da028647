#pragma once
// The scripted window: runs a script of user actions against the window model
// and prints what happens. Returns the process's exit status (0, or 2 for a
// line that cannot be understood).

#include <string_view>

namespace tarvolin {

int runScriptFile(std::string_view path);

} // namespace tarvolin
