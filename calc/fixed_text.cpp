#include "calc/fixed_text.h"

namespace tarvolin {

namespace {
bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

std::size_t characterCount(std::string_view s)
{
    std::size_t n = 0;
    for (char c : s)
        if (!isContinuationByte(c))
            ++n;
    return n;
}

std::string firstCharacters(std::string_view s, std::size_t n)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!isContinuationByte(s[i])) {
            if (seen == n)
                return std::string{s.substr(0, i)};
            ++seen;
        }
    }
    return std::string{s};
}

std::string fitted(std::string_view s, std::size_t n)
{
    std::string out = firstCharacters(s, n);
    const std::size_t count = characterCount(out);
    if (count < n)
        out.append(n - count, ' ');
    return out;
}

std::string_view trimmedRight(std::string_view t)
{
    const auto end = t.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : t.substr(0, end + 1);
}

std::string_view trimmed(std::string_view t)
{
    const auto begin = t.find_first_not_of(' ');
    return begin == std::string_view::npos ? std::string_view{} : trimmedRight(t.substr(begin));
}

int charactersLeft(std::string_view description)
{
    return static_cast<int>(descriptionLength) - static_cast<int>(characterCount(trimmed(description)));
}

} // namespace tarvolin
