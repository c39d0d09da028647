#include "calc/date_text.h"

#include <cstdio>

namespace tarvolin {

int numericValue(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > 1'000'000'000)
            break;
        ++pos;
    }
    return static_cast<int>(negative ? -value : value);
}

int textDay(std::string_view t) { return numericValue(t.substr(0, 2)); }
int textMonth(std::string_view t) { return t.size() > 3 ? numericValue(t.substr(3, 2)) : 0; }
int textYear(std::string_view t) { return numericValue(t.size() >= 4 ? t.substr(t.size() - 4) : t); }

std::string dayMonthYearForm(std::string_view t)
{
    std::string out{t.substr(0, 2)};
    out += '.';
    if (t.size() > 3)
        out += t.substr(3, 2);
    out += '.';
    out += t.size() >= 4 ? t.substr(t.size() - 4) : t;
    return out;
}

namespace {
std::string formatDate(Date d, char separator)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02u%c%02u%c%04d", d.day(), separator, d.month(), separator, d.year());
    return buffer;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

std::string dateText(Date d) { return formatDate(d, '/'); }
std::string germanDateText(Date d) { return formatDate(d, '.'); }

std::optional<Date> parseDateText(std::string_view t)
{
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (!isDigit(t[i]))
            return std::nullopt;
    return Date::fromYmd(textYear(t), static_cast<unsigned>(textMonth(t)), static_cast<unsigned>(textDay(t)));
}

} // namespace tarvolin
