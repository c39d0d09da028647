#include "qt/run_window.h"
#include "window/not_built_yet.h"
namespace tarvolin {
int runWindow(int, char**) { notBuiltYet(__func__); }
} // namespace tarvolin
