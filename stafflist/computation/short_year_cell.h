#pragma once
// Date cells with a two-digit year, as clerks often type them: "1.9.82",
// "01.09.82", "01/09/82". The list reads them as the window reads "1.9.82"
// typed into a date field: the year counts when exactly one century puts the
// day into the range of the window's date fields (1930 to 2040), so "1.9.82"
// is 01.09.1982; "1.9.35" could be 1935 or 2035 and is not taken.

#include "calc/date.h"

#include <optional>
#include <string_view>

namespace tarvolin {

// Whether a cell has one of those forms: day and month of one or two digits,
// a year of exactly two.
bool cellHasShortYear(std::string_view cell);

// The day when exactly one century fits; nothing when none or both do, and
// for a cell without a two-digit year.
std::optional<Date> shortYearCellDay(std::string_view cell);

} // namespace tarvolin
