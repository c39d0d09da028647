#pragma once
// Keys as the window's key handlers hear them, and where typed text lands.
// A text is typed character by character (UTF-8 code points, one key each);
// each character raises the key handlers with the character code the
// Windows-1252 code page gives it, the code page the window's keys have
// always carried: "ä" is 228, "€" is 128. A character that code page cannot
// hold arrives as "?" (63).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvolin {

inline constexpr std::int16_t backspaceCode = 8;
inline constexpr std::int16_t enterCode = 13;

// A key as a driver names it: Enter, Backspace, or the key of one character.
enum class Key { Enter, Backspace, Character };

// The characters of a UTF-8 text, each as its own piece of the text; nothing
// when the text is not valid UTF-8.
std::optional<std::vector<std::string_view>> splitCharacters(std::string_view utf8);

// The key code of one character (one piece from splitCharacters).
std::int16_t keyCodeOf(std::string_view character);

// The description box's cursor rule. When a box receives the focus, and
// whenever the program changes the text of the focused box (a row move,
// clearing), typing goes on right after its last non-blank character, so
// that restored trailing blanks do not push new text past 60 characters:
// in "Abc" followed by 57 blanks, after "Abc". Returns the text in front of
// that place.
std::string_view textBeforeTypingPlace(std::string_view text);
// The same place in characters: 3 for "Abc" and its blanks.
std::size_t typingPlace(std::string_view text);

} // namespace tarvolin
