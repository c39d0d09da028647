#include "window/refused_date.h"

#include "calc/date_text.h"

namespace tarvolin {

namespace {

std::string rangeEnd(const YearMonthDay& d)
{
    const auto day = Date::fromYmd(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day));
    return day ? germanDateText(*day) : std::string{};
}

} // namespace

std::string refusedDateReason(std::string_view text, const DateRange& range)
{
    if (text.size() != emptyMask.size() || text.find('_') != std::string_view::npos)
        return {};
    const auto day = parseDateText(text);
    if (!day)
        return dayMonthYearForm(text) + " gibt es nicht";
    const auto first = Date::fromYmd(range.first.year, static_cast<unsigned>(range.first.month),
                                     static_cast<unsigned>(range.first.day));
    const auto last = Date::fromYmd(range.last.year, static_cast<unsigned>(range.last.month),
                                    static_cast<unsigned>(range.last.day));
    if (first && last && (*day < *first || *last < *day))
        return "Datum außerhalb " + rangeEnd(range.first) + " – " + rangeEnd(range.last);
    return {};
}

} // namespace tarvolin
