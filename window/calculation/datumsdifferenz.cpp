// datumsdifferenz: the 30-day span from fromDateText to toDateText
// (thirty_day_span.h) into diffYears, diffMonths and diffDays, with the
// working values of the count kept in the state as well.

#include "calc/thirty_day_span.h"
#include "window/jda.h"

namespace tarvolin {

void JDA::datumsdifferenz()
{
    const ThirtyDaySpan s = thirtyDaySpan(fromDateText, toDateText);
    fromDay = s.fromDay;
    toDay = s.toDay;
    fromMonth = s.fromMonth;
    toMonth = s.toMonth;
    fromYear = s.fromYear;
    februaryFill = s.februaryFill;
    diffYears = s.years;
    diffMonths = s.months;
    diffDays = s.days;
}

} // namespace tarvolin
