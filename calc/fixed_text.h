#pragma once
// Texts of a fixed number of characters, and the character counting that the
// description boxes need. Texts are UTF-8; a character is one code point, so
// "Grundwehrdienst in Köln" is 23 characters, not 24 bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvolin {

// The characters a period row's description holds: its box and the counter
// beside it, the row-move buffer, the saved record, the staff list's typing.
inline constexpr std::size_t descriptionLength = 60;

std::size_t characterCount(std::string_view utf8);
// The first n characters (whole code points) of a text.
std::string firstCharacters(std::string_view utf8, std::size_t n);
// Cut to n characters or padded with blanks on the right to n characters.
std::string fitted(std::string_view utf8, std::size_t n);
// Without leading and trailing blanks (only ' ' counts as a blank).
std::string_view trimmed(std::string_view text);
std::string_view trimmedRight(std::string_view text);

// What the counter beside a description box shows: the characters left
// before the trimmed text fills the box. Below 0 when typing after trailing
// blanks made the text longer.
int charactersLeft(std::string_view description);

// A text that is always exactly N characters long: storing a shorter text pads
// it with blanks, a longer one keeps its first N characters.
template <std::size_t N>
class FixedText {
public:
    FixedText() : text_(N, ' ') {}
    FixedText(std::string_view text) : text_(fitted(text, N)) {}
    FixedText& operator=(std::string_view text)
    {
        text_ = fitted(text, N);
        return *this;
    }
    const std::string& str() const { return text_; }
    operator std::string_view() const { return text_; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.text_ == b; }

private:
    std::string text_;
};

} // namespace tarvolin
