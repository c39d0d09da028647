#pragma once
// The whole state of the window as text, one property a line: what the
// scripted mode prints for `dump`, and what the drawn window's tests compare
// against. The text runs from the line "dump" to the line "end", both
// included, each line ended by "\n".

#include "window/jda.h"

#include <string>

namespace tarvolin {

std::string dumpWindow(JDA& window);

} // namespace tarvolin
