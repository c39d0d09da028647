#include "stafflist/computation/search_key.h"

#include <utility>

namespace tarvolin {

namespace {

// Latin letters with marks and their plain spelling, by code point ranges.
struct Plain {
    char32_t first, last;
    std::string_view spelling;
};

constexpr Plain plainLetters[] = {
    {0xC4, 0xC4, "ae"},  {0xD6, 0xD6, "oe"},   {0xDC, 0xDC, "ue"},  {0xE4, 0xE4, "ae"},  {0xF6, 0xF6, "oe"},
    {0xFC, 0xFC, "ue"},  {0xC0, 0xC5, "a"},    {0xC6, 0xC6, "ae"},   {0xC7, 0xC7, "c"},   {0xC8, 0xCB, "e"},   {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},   {0xD1, 0xD1, "n"},    {0xD2, 0xD6, "o"},   {0xD8, 0xD8, "o"},   {0xD9, 0xDC, "u"},
    {0xDD, 0xDD, "y"},   {0xDE, 0xDE, "th"},   {0xDF, 0xDF, "ss"},  {0xE0, 0xE5, "a"},   {0xE6, 0xE6, "ae"},
    {0xE7, 0xE7, "c"},   {0xE8, 0xEB, "e"},    {0xEC, 0xEF, "i"},   {0xF0, 0xF0, "d"},   {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},   {0xF8, 0xF8, "o"},    {0xF9, 0xFC, "u"},   {0xFD, 0xFD, "y"},   {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},   {0x100, 0x105, "a"},  {0x106, 0x10D, "c"}, {0x10E, 0x111, "d"}, {0x112, 0x11B, "e"},
    {0x11C, 0x123, "g"}, {0x124, 0x127, "h"},  {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"},
    {0x136, 0x138, "k"}, {0x139, 0x142, "l"},  {0x143, 0x14B, "n"}, {0x14C, 0x151, "o"}, {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"}, {0x15A, 0x161, "s"},  {0x162, 0x167, "t"}, {0x168, 0x173, "u"}, {0x174, 0x175, "w"},
    {0x176, 0x178, "y"}, {0x179, 0x17E, "z"},  {0x17F, 0x17F, "s"}, {0x218, 0x219, "s"}, {0x21A, 0x21B, "t"},
    {0x1E9E, 0x1E9E, "ss"},
};

// Stands for a byte that starts no valid UTF-8 character: no letter.
constexpr char32_t noCharacter = 0x110000;

// One UTF-8 character at the start of `s`: its code point and length; a
// byte that starts no valid character is taken alone and kept as it is.
std::pair<char32_t, std::size_t> nextCharacter(std::string_view s)
{
    const auto b = static_cast<unsigned char>(s[0]);
    const std::size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || length > s.size())
        return {noCharacter, 1};
    char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[i]);
        if ((next & 0xC0) != 0x80)
            return {noCharacter, 1};
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

std::string_view plainSpelling(char32_t c)
{
    for (const Plain& p : plainLetters)
        if (c >= p.first && c <= p.last)
            return p.spelling;
    return {};
}

// The German umlauts as plain vowels.
bool isUmlaut(char32_t c)
{
    return c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xE4 || c == 0xF6 || c == 0xFC;
}

// Folds the text; `plainUmlauts` writes ä ö ü as a o u instead of ae oe ue.
// Tells whether the text held an umlaut.
std::string folded(std::string_view text, bool plainUmlauts, bool* hadUmlaut = nullptr)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto [c, length] = nextCharacter(text);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
        } else if (isUmlaut(c)) {
            const std::string_view spelling = plainSpelling(c);
            out += plainUmlauts ? spelling.substr(0, 1) : spelling;
            if (hadUmlaut != nullptr)
                *hadUmlaut = true;
        } else if (const std::string_view spelling = plainSpelling(c); !spelling.empty()) {
            out += spelling;
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

} // namespace

std::string searchKey(std::string_view search) { return folded(search, false); }

std::string searchableKey(std::string_view name)
{
    bool hadUmlaut = false;
    std::string key = folded(name, false, &hadUmlaut);
    if (hadUmlaut)
        key += "\n" + folded(name, true);
    return key;
}

} // namespace tarvolin
