#pragma once
// The span between two date texts in the collective-agreement count: every
// month 30 days, a year 12 months, both ends included, the 31st not counted
// and the last day of February counted as the 30th. A pure function of the
// two texts; JDA::datumsdifferenz keeps its result in the calculation state.
// 01/01/2008 to 31/12/2008 gives 1 year; 28/02/2007 to 28/02/2007 gives 3 days.

#include <cstdint>
#include <string_view>

namespace tarvolin {

struct ThirtyDaySpan {
    // The ends as the count reads them: a start on the 31st becomes the 1st
    // of the next month, the last day of February and the 31st as an end
    // become the 30th; februaryFill holds the days a February start lacks up
    // to the 30th (1 in a leap year, 2 otherwise).
    std::int16_t fromDay = 0;
    std::int16_t toDay = 0;
    std::int16_t fromMonth = 0;
    std::int16_t toMonth = 0;
    std::int16_t fromYear = 0;
    std::int16_t februaryFill = 0;
    // The span: 0 to 29 days and 0 to 11 months when the end does not lie
    // before the start; 10/05/2000 to 05/05/2000 gives -1 year, 11 months, 26 days.
    std::int16_t years = 0;
    std::int16_t months = 0;
    std::int16_t days = 0;
};

// Day, month and year are read by position from texts dd/mm/yyyy.
ThirtyDaySpan thirtyDaySpan(std::string_view fromDateText, std::string_view toDateText);

} // namespace tarvolin
