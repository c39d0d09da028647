#pragma once
// Texts from a staff table shown where they could do harm: a terminal acts
// on control characters (ESC starts a command), and bidi overrides show a
// name reversed ("\u202Eknaw" reads as "wank"). Here each of them becomes
// visible as "[U+001B]" or "[U+202E]"; everything else stays as it is.

#include <string>
#include <string_view>

namespace tarvolin {

std::string visibleText(std::string_view utf8);

} // namespace tarvolin
