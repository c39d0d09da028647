// The span from fromDateText to toDateText in the collective-agreement count:
// every month 30 days, a year 12 months, both ends included, the 31st not
// counted and the last day of February counted as the 30th.
// 01/01/2008 to 31/12/2008 gives 1 year; 28/02/2007 to 28/02/2007 gives 3 days.

#include "calc/date_text.h"
#include "window/jda.h"

namespace tarvolin {

namespace {
enum class MonthLength { Long, Short, February, Other };

MonthLength lengthOf(int month)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return MonthLength::Long;
    case 4: case 6: case 9: case 11: return MonthLength::Short;
    case 2: return MonthLength::February;
    default: return MonthLength::Other;
    }
}

// Every fourth year, without the century rule: the dates in use lie in 1930 to 2060.
bool isLeapYear(int year) { return year % 4 == 0; }

std::int16_t i16(int v) { return static_cast<std::int16_t>(v); }
} // namespace

void JDA::datumsdifferenz()
{
    const std::string_view from = fromDateText;
    const std::string_view to = toDateText;

    februaryFill = 0;
    diffMonths = i16(textMonth(to) - textMonth(from));
    diffYears = i16(textYear(to) - textYear(from));
    if (diffMonths < 0) {
        diffMonths = i16(diffMonths + 12);
        diffYears = i16(diffYears - 1);
    }

    fromMonth = i16(textMonth(from));
    fromYear = i16(textYear(from));
    toMonth = i16(textMonth(to));
    fromDay = i16(textDay(from));

    // The start day: the last day of February is the 30th and the days February
    // lacks up to 30 belong to the span; a start on the 31st is the next 1st.
    switch (lengthOf(fromMonth)) {
    case MonthLength::February:
        if (isLeapYear(fromYear) && fromDay == 29) {
            fromDay = 30;
            februaryFill = 1;
        } else if (!isLeapYear(fromYear) && fromDay == 28) {
            fromDay = 30;
            februaryFill = 2;
        }
        break;
    case MonthLength::Long:
        if (fromDay == 31) {
            fromDay = 1;
            fromMonth = i16(fromMonth + 1);
            diffMonths = i16(diffMonths - 1);
        }
        break;
    case MonthLength::Short:
    case MonthLength::Other:
        break;
    }

    // The end day: the last day of February and the 31st both count as the 30th.
    toDay = i16(textDay(to));
    const int toYear = textYear(to);
    switch (lengthOf(toMonth)) {
    case MonthLength::February:
        if ((isLeapYear(toYear) && toDay == 29) || (!isLeapYear(toYear) && toDay == 28))
            toDay = 30;
        break;
    case MonthLength::Long:
        if (toDay == 31)
            toDay = 30;
        break;
    case MonthLength::Short:
    case MonthLength::Other:
        break;
    }

    if (toDay > fromDay) {
        diffDays = i16(toDay - fromDay + 1 + februaryFill);
    } else if (toDay == fromDay) {
        diffDays = i16(1 + februaryFill);
    } else {
        diffDays = i16(toDay + 30 - fromDay + 1 + februaryFill);
        diffMonths = i16(diffMonths - 1);
    }

    // A full month of days carries into the months, and only then may the
    // months carry into a year.
    if (diffDays >= 30) {
        diffDays = i16(diffDays - 30);
        diffMonths = i16(diffMonths + 1);
        if (diffMonths >= 12) {
            diffMonths = i16(diffMonths - 12);
            diffYears = i16(diffYears + 1);
        }
    }
    if (diffMonths < 0) {
        diffMonths = i16(diffMonths + 12);
        diffYears = i16(diffYears - 1);
    }
}

} // namespace tarvolin
