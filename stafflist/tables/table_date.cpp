#include "stafflist/tables/table_date.h"

#include "stafflist/tables/table_text.h"

namespace tarvolin {

std::optional<Date> parseTableDate(std::string_view text)
{
    int year = 0, month = 0, day = 0;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        if (!allDigits(text.substr(0, 4)) || !allDigits(text.substr(5, 2)) || !allDigits(text.substr(8, 2)))
            return std::nullopt;
        year = number(text.substr(0, 4));
        month = number(text.substr(5, 2));
        day = number(text.substr(8, 2));
    } else if (text.size() == 10 && text[2] == '/' && text[5] == '/') {
        if (!allDigits(text.substr(0, 2)) || !allDigits(text.substr(3, 2)) || !allDigits(text.substr(6, 4)))
            return std::nullopt;
        day = number(text.substr(0, 2));
        month = number(text.substr(3, 2));
        year = number(text.substr(6, 4));
    } else {
        const auto dot1 = text.find('.');
        const auto dot2 = dot1 == std::string_view::npos ? dot1 : text.find('.', dot1 + 1);
        if (dot2 == std::string_view::npos)
            return std::nullopt;
        const auto d = text.substr(0, dot1);
        const auto m = text.substr(dot1 + 1, dot2 - dot1 - 1);
        const auto y = text.substr(dot2 + 1);
        if (!allDigits(d) || d.size() > 2 || !allDigits(m) || m.size() > 2 || !allDigits(y) || y.size() != 4)
            return std::nullopt;
        day = number(d);
        month = number(m);
        year = number(y);
    }
    if (year < 1)
        return std::nullopt;
    return Date::fromYmd(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

} // namespace tarvolin
