#include "stafflist/tables/header_names.h"

#include <cctype>

namespace tarvolin {

std::string normalizedHeader(std::string_view header)
{
    std::string out;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const char c = header[i];
        const std::string_view rest = header.substr(i);
        auto replaced = [&](std::string_view utf8, std::string_view with) {
            if (!rest.starts_with(utf8))
                return false;
            out += with;
            i += utf8.size() - 1;
            return true;
        };
        if (c == ' ' || c == '\t' || c == '-' || c == '_' || c == '.')
            continue;
        if (replaced("\xC2\xA0", "") || replaced("ä", "ae") || replaced("Ä", "ae") || replaced("ö", "oe")
            || replaced("Ö", "oe") || replaced("ü", "ue") || replaced("Ü", "ue") || replaced("ß", "ss")
            || replaced("ẞ", "ss"))
            continue;
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

} // namespace tarvolin
