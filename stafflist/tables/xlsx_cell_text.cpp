#include "stafflist/tables/xlsx_cell_text.h"

#include <cstdint>

namespace tarvolin {

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code point of "_xHHHH_" at `at`, or -1 when none stands there.
long escapeAt(std::string_view s, std::size_t at)
{
    if (at + 7 > s.size() || s[at] != '_' || s[at + 1] != 'x' || s[at + 6] != '_')
        return -1;
    long value = 0;
    for (std::size_t i = at + 2; i < at + 6; ++i) {
        const int digit = hexValue(s[i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

// Whether the "_" at `at` would begin an escape in the file: "_xHHHH" and
// then "_", or then a control character, which the writer itself writes as
// "_x00HH_" (all but the zero character, which never reaches it, tab and
// line feed): "_x0041" and \x01 would be written "_x0041_x0001_".
bool beginsEscape(std::string_view s, std::size_t at)
{
    if (at + 7 > s.size() || s[at] != '_' || s[at + 1] != 'x')
        return false;
    for (std::size_t i = at + 2; i < at + 6; ++i)
        if (hexValue(s[i]) < 0)
            return false;
    const auto next = static_cast<unsigned char>(s[at + 6]);
    return next == '_' || (next != 0 && next < 0x20 && next != '\t' && next != '\n');
}

void appendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character at `at`: its code point and length, or length 0 when the
// bytes there are no UTF-8 (a stray byte, an overlong or cut sequence, a
// surrogate, past U+10FFFF).
struct Decoded {
    std::uint32_t code = 0;
    std::size_t length = 0;
};

Decoded decodeAt(std::string_view s, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned c = b(at);
    if (c < 0x80)
        return {c, 1};
    const std::size_t length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > s.size())
        return {};
    std::uint32_t code = c & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((b(at + i) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (b(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return {};
    return {code, length};
}

} // namespace

std::string decodedXlsxText(std::string_view stored)
{
    if (stored.find("_x") == std::string_view::npos)
        return std::string{stored};
    std::string text;
    text.reserve(stored.size());
    for (std::size_t at = 0; at < stored.size();) {
        const long code = escapeAt(stored, at);
        if (code < 0) {
            text += stored[at++];
            continue;
        }
        if (code >= 0xD800 && code <= 0xDFFF)
            text.append(replacement);
        else
            appendUtf8(text, static_cast<std::uint32_t>(code));
        at += 7;
    }
    return text;
}

XlsxWritableText writableXlsxText(std::string_view utf8)
{
    XlsxWritableText w;
    w.text.reserve(utf8.size());
    std::size_t units = 0;  // of UTF-16, as a cell counts its length
    std::size_t handed = 0; // characters handed to the writer, which counts them too
    for (std::size_t at = 0; at < utf8.size();) {
        const Decoded d = decodeAt(utf8, at);
        const bool forbidden = d.length == 0 || d.code == 0 || d.code == 0xFFFE || d.code == 0xFFFF;
        const bool escapeLike = !forbidden && beginsEscape(utf8, at);
        const std::size_t needs = d.length != 0 && d.code >= 0x10000 ? 2 : 1;
        const std::size_t written = escapeLike ? 7 : 1; // "_x005F_" before the "_"
        if (units + needs > longestXlsxText || handed + written > longestXlsxText) {
            w.cut = true;
            break;
        }
        units += needs;
        handed += written;
        if (forbidden) {
            w.text.append(replacement);
            w.replaced = true;
            at += d.length == 0 ? 1 : d.length;
            continue;
        }
        if (escapeLike)
            w.text.append("_x005F");
        w.text.append(utf8.substr(at, d.length));
        at += d.length;
    }
    return w;
}

} // namespace tarvolin
