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
// printf's "%02d", "%02d", "%04d" (or "%d") between two separators, written
// by hand where the numbers allow: this runs many times in every
// recalculation. Other numbers go through snprintf itself.
std::string formatNumbers(int day, int month, int year, char separator, bool fourDigitYear)
{
    if (day >= 0 && day <= 99 && month >= 0 && month <= 99 && year >= 1000 && year <= 9999) {
        std::string out(10, separator);
        out[0] = static_cast<char>('0' + day / 10);
        out[1] = static_cast<char>('0' + day % 10);
        out[3] = static_cast<char>('0' + month / 10);
        out[4] = static_cast<char>('0' + month % 10);
        for (int i = 9; i >= 6; --i, year /= 10)
            out[static_cast<std::size_t>(i)] = static_cast<char>('0' + year % 10);
        return out;
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, fourDigitYear ? "%02d%c%02d%c%04d" : "%02d%c%02d%c%d", day, separator, month,
                  separator, year);
    return buffer;
}

std::string formatDate(Date d, char separator)
{
    const auto ymd = d.ymd();
    return formatNumbers(static_cast<int>(static_cast<unsigned>(ymd.day())),
                         static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year()), separator,
                         true);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

std::string dateText(Date d) { return formatDate(d, '/'); }
std::string germanDateText(Date d) { return formatDate(d, '.'); }
std::string slashDateText(int day, int month, int year) { return formatNumbers(day, month, year, '/', false); }

std::optional<Date> parseDateText(std::string_view t)
{
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (!isDigit(t[i]))
            return std::nullopt;
    // All eight are digits, so the numbers are read straight from them.
    const auto digit = [&](std::size_t i) { return t[i] - '0'; };
    const int year = digit(6) * 1000 + digit(7) * 100 + digit(8) * 10 + digit(9);
    return Date::fromYmd(year, static_cast<unsigned>(digit(3) * 10 + digit(4)),
                         static_cast<unsigned>(digit(0) * 10 + digit(1)));
}

} // namespace tarvolin
