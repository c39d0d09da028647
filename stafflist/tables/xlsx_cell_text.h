#pragma once
// A cell's text as an .xlsx file holds it, both ways.
//
// A workbook writes a character its XML cannot carry as "_xHHHH_" (a
// control character \x01 as "_x0001_"), and so a text that itself holds
// "_x0041_" must be written "_x005F_x0041_" to come back as it was; readers
// decode both. XML 1.0 has no way at all for U+FFFE, U+FFFF, the zero
// character and bytes that are no UTF-8: a written text has "�" (U+FFFD) in
// their place. A cell holds at most 32,767 characters (counted as Excel
// counts them, in UTF-16): a longer text is cut there.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::size_t longestXlsxText = 32767;

// "_x0041_" as "A", "_x005F_" as "_"; a surrogate (no character of its
// own) as "�". Anything else stays.
std::string decodedXlsxText(std::string_view stored);

struct XlsxWritableText {
    std::string text;      // what is handed to the writer, its "_x" protected
    bool replaced = false; // a character XML cannot carry became "�"
    bool cut = false;      // the text was longer than a cell holds
};
// Control characters are left to the writer, which escapes them itself.
XlsxWritableText writableXlsxText(std::string_view utf8);

} // namespace tarvolin
