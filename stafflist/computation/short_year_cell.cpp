#include "stafflist/computation/short_year_cell.h"

#include "calc/date_text.h"
#include "window/control_table.h"
#include "window/refused_date.h"

#include <string>

namespace tarvolin {

namespace {

bool digits(std::string_view s, std::size_t least, std::size_t most)
{
    if (s.size() < least || s.size() > most)
        return false;
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string twoDigits(std::string_view s) { return s.size() == 1 ? "0" + std::string{s} : std::string{s}; }

// "1.9.82" and "01/09/82" as the window's field shows them typed: "01/09/82__".
std::optional<std::string> fieldText(std::string_view cell)
{
    for (const char separator : {'.', '/'}) {
        const auto first = cell.find(separator);
        const auto second = first == std::string_view::npos ? first : cell.find(separator, first + 1);
        if (second == std::string_view::npos)
            continue;
        const std::string_view d = cell.substr(0, first);
        const std::string_view m = cell.substr(first + 1, second - first - 1);
        const std::string_view y = cell.substr(second + 1);
        if (digits(d, 1, 2) && digits(m, 1, 2) && digits(y, 2, 2))
            return twoDigits(d) + "/" + twoDigits(m) + "/" + std::string{y} + "__";
    }
    return std::nullopt;
}

} // namespace

bool cellHasShortYear(std::string_view cell) { return fieldText(cell).has_value(); }

std::optional<Date> shortYearCellDay(std::string_view cell)
{
    const auto text = fieldText(cell);
    if (!text)
        return std::nullopt;
    // The birthday's range, which every typed date field shares.
    static const DateRange range = controlTable[static_cast<std::size_t>(controlSlot("Datum", 0))].range;
    return parseDateText(completedShortYear(*text, range));
}

} // namespace tarvolin
