#pragma once
// The result tables as spreadsheets read them: UTF-8 with a byte-order mark,
// ";" between fields, CR LF after each line; a field that holds ";", '"', CR
// or LF is quoted with '"' and its '"' doubled.
//
// No cell can run as a formula when a spreadsheet opens the file: a text
// that begins with "=", "+", "-", "@", a tab or a carriage return is written
// with an apostrophe before it, the usual defence; a number ("-3", "+1,5")
// and a date are written as they are.

#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// Whether a spreadsheet could take the text for a formula.
bool couldRunAsFormula(std::string_view text);

// Appends one line; `fields` is any range of texts.
template <class Fields>
void appendCsvLine(std::string& out, const Fields& fields)
{
    bool first = true;
    for (const auto& f : fields) {
        if (!first)
            out.push_back(';');
        first = false;
        const std::string_view text{f};
        const bool defended = couldRunAsFormula(text);
        if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
            if (defended)
                out.push_back('\'');
            out.append(text);
            continue;
        }
        out.push_back('"');
        if (defended)
            out.push_back('\'');
        for (char c : text) {
            if (c == '"')
                out.push_back('"');
            out.push_back(c);
        }
        out.push_back('"');
    }
    out.append("\r\n");
}

} // namespace tarvolin
