#include "window/keys.h"

#include "calc/fixed_text.h"

#include <array>

namespace tarvolin {

namespace {

// The characters Windows-1252 puts at 0x80 to 0x9F. The five places it
// leaves undefined hold the control character of the same number, as the
// entries file reads them.
constexpr std::array<char32_t, 32> codePage80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::int16_t questionMark = 0x3F;

// Length of the sequence a lead byte opens, 0 for a byte that opens none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The code point of one well-formed sequence; nothing for overlong forms,
// surrogates and values above U+10FFFF.
std::optional<char32_t> decode(std::string_view s)
{
    const auto lead = static_cast<unsigned char>(s[0]);
    if (s.size() == 1)
        return lead;
    char32_t cp = lead & (0x7Fu >> s.size());
    for (std::size_t i = 1; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> smallest{0, 0, 0x80, 0x800, 0x10000};
    if (cp < smallest[s.size()] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return cp;
}

} // namespace

std::optional<std::vector<std::string_view>> splitCharacters(std::string_view utf8)
{
    std::vector<std::string_view> characters;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(utf8[pos]));
        if (length == 0 || pos + length > utf8.size() || !decode(utf8.substr(pos, length)))
            return std::nullopt;
        characters.push_back(utf8.substr(pos, length));
        pos += length;
    }
    return characters;
}

std::int16_t keyCodeOf(std::string_view character)
{
    const auto cp = character.empty() ? std::nullopt : decode(character);
    if (!cp)
        return questionMark;
    if (*cp < 0x80 || (*cp >= 0xA0 && *cp <= 0xFF))
        return static_cast<std::int16_t>(*cp);
    for (std::size_t i = 0; i < codePage80.size(); ++i)
        if (codePage80[i] == *cp)
            return static_cast<std::int16_t>(0x80 + i);
    return questionMark;
}

std::string_view textBeforeTypingPlace(std::string_view text) { return trimmedRight(text); }

std::size_t typingPlace(std::string_view text) { return characterCount(textBeforeTypingPlace(text)); }

} // namespace tarvolin
