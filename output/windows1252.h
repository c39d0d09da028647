#pragma once
// The texts of the entries file are single bytes in the Windows-1252 code page;
// the program holds texts as UTF-8. This converts between the two, one
// character at a time, so that one character that does not fit never spoils
// the rest of a text. It knows nothing of the record's fields and widths.
//
// Every one of the 256 bytes reads as exactly one character: the 251 that
// Windows-1252 defines as their characters (0x80 is "€", 0xE4 is "ä"), and the
// five it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) as the control
// characters U+0081, U+008D, U+008F, U+0090, U+009D, which are written back as
// the same bytes. So any byte read from a file is written back unchanged.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// One character per byte, as UTF-8. A byte 0x00 becomes U+0000; where a NUL
// ends a stored text is the record's business, not this function's.
std::string fromWindows1252(std::span<const unsigned char> bytes);

// One byte per character. A character Windows-1252 cannot hold (U+0080, "Ł",
// "→") and every byte of an invalid UTF-8 sequence is written as "?".
std::vector<unsigned char> toWindows1252(std::string_view utf8);

} // namespace tarvolin
