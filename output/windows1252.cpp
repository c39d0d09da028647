#include "output/windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iconv.h>
#include <optional>
#include <utility>

namespace tarvolin {

namespace {

constexpr char32_t invalid = 0xFFFFFFFF;

// The character of every byte, asked of glibc's iconv one byte at a time.
// A byte iconv rejects (the five undefined ones) keeps the character of the
// same number, U+0081 for 0x81; so does every byte when iconv has no
// Windows-1252 at all, which still reads and writes each byte unchanged.
class CodePage {
public:
    CodePage()
    {
        for (std::size_t b = 0; b < 256; ++b)
            characterOf_[b] = static_cast<char32_t>(b);
        iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            for (std::size_t b = 0x80; b < 256; ++b)
                characterOf_[b] = askIconv(cd, static_cast<unsigned char>(b));
            iconv_close(cd);
        }
        for (std::size_t b = 0x80; b < 256; ++b)
            byteOf_[b - 0x80] = {characterOf_[b], static_cast<unsigned char>(b)};
        std::sort(byteOf_.begin(), byteOf_.end());
    }

    char32_t character(unsigned char b) const { return characterOf_[b]; }

    // The byte of a character, or nothing.
    std::optional<unsigned char> byte(char32_t c) const
    {
        if (c < 0x80)
            return static_cast<unsigned char>(c);
        const auto it = std::lower_bound(byteOf_.begin(), byteOf_.end(), std::pair{c, static_cast<unsigned char>(0)});
        if (it == byteOf_.end() || it->first != c)
            return std::nullopt;
        return it->second;
    }

private:
    static char32_t askIconv(iconv_t cd, unsigned char b)
    {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char in = static_cast<char>(b);
        unsigned char out[8] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        const bool converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
        if (!converted || sizeof out - outLeft != 4) // one UTF-32 character
            return b;
        return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | static_cast<std::uint32_t>(out[3]) << 24);
    }

    std::array<char32_t, 256> characterOf_{};
    std::array<std::pair<char32_t, unsigned char>, 128> byteOf_{};
};

const CodePage& codePage()
{
    static const CodePage page;
    return page;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character starting at text[pos], and how many bytes it takes. An
// invalid sequence (a stray continuation byte, a cut-off or overlong form, a
// surrogate) yields `invalid` for its first byte alone.
std::pair<char32_t, std::size_t> nextCharacter(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, smallest = 0x10000;
    } else {
        return {invalid, 1};
    }
    if (pos + length > text.size())
        return {invalid, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80)
            return {invalid, 1};
        c = c << 6 | (b & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {invalid, 1};
    return {c, length};
}

} // namespace

std::string fromWindows1252(std::span<const unsigned char> bytes)
{
    const CodePage& page = codePage();
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes)
        appendUtf8(out, page.character(b));
    return out;
}

std::vector<unsigned char> toWindows1252(std::string_view utf8)
{
    const CodePage& page = codePage();
    std::vector<unsigned char> out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto [c, length] = nextCharacter(utf8, pos);
        pos += length;
        const auto b = c == invalid ? std::nullopt : page.byte(c);
        out.push_back(b ? *b : static_cast<unsigned char>('?'));
    }
    return out;
}

} // namespace tarvolin
