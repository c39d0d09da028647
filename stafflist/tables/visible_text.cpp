#include "stafflist/tables/visible_text.h"

#include <cstdio>

namespace tarvolin {

namespace {

std::string codePoint(unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, "[U+%04X]", value);
    return text;
}

// The code point of the two- or three-byte sequence at `at` when it is one
// to be made visible (C1 controls, the directional marks, embeddings,
// overrides and isolates), else 0.
unsigned hidden(std::string_view s, std::size_t at, std::size_t& length)
{
    const auto byte = [&](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const unsigned b0 = byte(at), b1 = byte(at + 1), b2 = byte(at + 2);
    if (b0 == 0xC2 && b1 >= 0x80 && b1 <= 0x9F) {
        length = 2;
        return b1;
    }
    if (b0 == 0xD8 && b1 == 0x9C) {
        length = 2;
        return 0x061C;
    }
    if (b0 == 0xE2 && b1 == 0x80 && (b2 == 0x8E || b2 == 0x8F || (b2 >= 0xAA && b2 <= 0xAE))) {
        length = 3;
        return 0x2000 + (b2 - 0x80);
    }
    if (b0 == 0xE2 && b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9) {
        length = 3;
        return 0x2040 + (b2 - 0x80);
    }
    return 0;
}

} // namespace

std::string visibleText(std::string_view utf8)
{
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[at]);
        std::size_t length = 1;
        if (c < 0x20 || c == 0x7F) {
            shown += codePoint(c);
        } else if (const unsigned value = hidden(utf8, at, length); value != 0) {
            shown += codePoint(value);
        } else {
            length = 1;
            shown += utf8[at];
        }
        at += length;
    }
    return shown;
}

} // namespace tarvolin
