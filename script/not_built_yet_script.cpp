#include "script/script_runner.h"
#include "window/not_built_yet.h"
namespace tarvolin {
int runScriptFile(std::string_view) { notBuiltYet(__func__); }
} // namespace tarvolin
