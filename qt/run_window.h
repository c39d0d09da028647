#pragma once
// Opens the window and runs until it is unloaded; returns the exit status.

namespace tarvolin {

int runWindow(int argc, char** argv);

} // namespace tarvolin
