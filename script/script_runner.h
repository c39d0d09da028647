#pragma once
// The scripted window: runs a script of user actions against the window model
// and prints what happens. Returns the process's exit status (0, or 2 for a
// line that cannot be understood).

#include <istream>
#include <ostream>
#include <string_view>

namespace tarvolin {

// FILE "-" reads standard input; prints to standard output and, for a bad
// line, to standard error.
int runScriptFile(std::string_view path);

// Runs the lines of `in`; events and dumps go to `out`, the message naming a
// bad line to `err`. 0 when every line ran, 2 at the first line that cannot
// be understood or cannot run (nothing after it runs), 1 when the program
// itself failed on a line.
int runScript(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tarvolin
