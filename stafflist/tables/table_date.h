#pragma once
// A date as a staff table writes it in a cell: TT.MM.JJJJ, T.M.JJJJ,
// TT/MM/JJJJ or JJJJ-MM-TT, and a real calendar day. A year of two digits is
// the window's business (computation/short_year_cell.h), not the table's.

#include "calc/date.h"

#include <optional>
#include <string_view>

namespace tarvolin {

// Nothing for anything else.
std::optional<Date> parseTableDate(std::string_view text);

} // namespace tarvolin
