#include "window/refused_date.h"

#include "calc/date_text.h"

#include <vector>

namespace tarvolin {

namespace {

std::optional<Date> dayOf(const YearMonthDay& d)
{
    return Date::fromYmd(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day));
}

std::string rangeEnd(const YearMonthDay& d)
{
    const auto day = dayOf(d);
    return day ? germanDateText(*day) : std::string{};
}

bool inside(Date day, const DateRange& range)
{
    const auto first = dayOf(range.first);
    const auto last = dayOf(range.last);
    return first && last && !(day < *first) && !(*last < day);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string refusedDateReason(std::string_view text, const DateRange& range)
{
    if (text.size() != emptyMask.size() || text.find('_') != std::string_view::npos)
        return {};
    const auto day = parseDateText(text);
    if (!day)
        return dayMonthYearForm(text) + " gibt es nicht";
    if (!inside(*day, range))
        return "Datum außerhalb " + rangeEnd(range.first) + " – " + rangeEnd(range.last);
    return {};
}

bool hasShortYear(std::string_view text)
{
    if (text.size() != emptyMask.size() || text.substr(8) != "__" || text[2] != '/' || text[5] != '/')
        return false;
    for (const std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u})
        if (!isDigit(text[i]))
            return false;
    return true;
}

std::string completedShortYear(std::string_view text, const DateRange& range)
{
    if (!hasShortYear(text))
        return {};
    // Every century the range touches: 1930-2040 tries 19yy and 20yy.
    std::vector<std::string> fitting;
    for (int century = range.first.year / 100; century <= range.last.year / 100; ++century) {
        std::string candidate{text.substr(0, 6)};
        candidate += std::to_string(century);
        candidate += text.substr(6, 2);
        if (const auto day = parseDateText(candidate); day && inside(*day, range))
            fitting.push_back(candidate);
    }
    return fitting.size() == 1 ? fitting.front() : std::string{};
}

std::string givenBackReason(std::string_view typed, std::string_view previous, const DateRange& range,
                            bool onlyEnterEmpties)
{
    std::string why;
    if (isEmptyDate(typed))
        why = onlyEnterEmpties ? "Leeren nur mit Enter (löscht alle Angaben)" : "";
    else if (hasShortYear(typed))
        why = std::string{fourDigitYearReason};
    else if (isIncompleteDate(typed))
        why = "Datum unvollständig";
    else
        why = refusedDateReason(typed, range);
    if (why.empty())
        why = "Datum nicht übernommen";
    const auto before = parseDateText(previous);
    return why + (before ? " – wieder " + germanDateText(*before) : std::string{" – Feld wieder leer"});
}

} // namespace tarvolin
