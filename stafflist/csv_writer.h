#pragma once
// The result tables as spreadsheets read them: UTF-8 with a byte-order mark,
// ";" between fields, CR LF after each line; a field that holds ";", '"', CR
// or LF is quoted with '"' and its '"' doubled.

#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

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
        if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
            out.append(text);
            continue;
        }
        out.push_back('"');
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
