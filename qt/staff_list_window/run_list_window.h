#pragma once
// tarvolin --list-window [FILE]: opens the staff-list window (with the
// table FILE, when given) and runs until the last window is closed; returns
// the exit status.

#include <string>

namespace tarvolin {

int runListWindow(int argc, char** argv, const std::string& file);

} // namespace tarvolin
