#pragma once
// Keys as the scripted window types them: a text is split into characters
// (UTF-8 code points, one key each), and each character raises the key
// handlers with the character code the Windows-1252 code page gives it, the
// code page the window's keys have always carried: "ä" is 228, "€" is 128.
// A character that code page cannot hold arrives as "?" (63).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvolin {

inline constexpr std::int16_t backspaceCode = 8;
inline constexpr std::int16_t enterCode = 13;

// The characters of a UTF-8 text, each as its own piece of the text; nothing
// when the text is not valid UTF-8.
std::optional<std::vector<std::string_view>> splitCharacters(std::string_view utf8);

// The key code of one character (one piece from splitCharacters).
std::int16_t keyCodeOf(std::string_view character);

} // namespace tarvolin
