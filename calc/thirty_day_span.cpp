#include "calc/thirty_day_span.h"

#include "calc/date_text.h"
#include "calc/month_length.h"

namespace tarvolin {

namespace {
// Every fourth year, without the century rule: the dates in use lie in 1930 to 2060.
bool isLeapYear(int year) { return year % 4 == 0; }

std::int16_t i16(int v) { return static_cast<std::int16_t>(v); }
} // namespace

ThirtyDaySpan thirtyDaySpan(std::string_view from, std::string_view to)
{
    ThirtyDaySpan s;
    s.months = i16(textMonth(to) - textMonth(from));
    s.years = i16(textYear(to) - textYear(from));
    if (s.months < 0) {
        s.months = i16(s.months + 12);
        s.years = i16(s.years - 1);
    }

    s.fromMonth = i16(textMonth(from));
    s.fromYear = i16(textYear(from));
    s.toMonth = i16(textMonth(to));
    s.fromDay = i16(textDay(from));

    // The start day: the last day of February is the 30th and the days February
    // lacks up to 30 belong to the span; a start on the 31st is the next 1st.
    const int fromLength = commonMonthLength(s.fromMonth);
    if (fromLength == 28) {
        if (isLeapYear(s.fromYear) && s.fromDay == 29) {
            s.fromDay = 30;
            s.februaryFill = 1;
        } else if (!isLeapYear(s.fromYear) && s.fromDay == 28) {
            s.fromDay = 30;
            s.februaryFill = 2;
        }
    } else if (fromLength == 31 && s.fromDay == 31) {
        s.fromDay = 1;
        s.fromMonth = i16(s.fromMonth + 1);
        s.months = i16(s.months - 1);
    }

    // The end day: the last day of February and the 31st both count as the 30th.
    s.toDay = i16(textDay(to));
    const int toYear = textYear(to);
    const int toLength = commonMonthLength(s.toMonth);
    if (toLength == 28) {
        if ((isLeapYear(toYear) && s.toDay == 29) || (!isLeapYear(toYear) && s.toDay == 28))
            s.toDay = 30;
    } else if (toLength == 31 && s.toDay == 31) {
        s.toDay = 30;
    }

    if (s.toDay > s.fromDay) {
        s.days = i16(s.toDay - s.fromDay + 1 + s.februaryFill);
    } else if (s.toDay == s.fromDay) {
        s.days = i16(1 + s.februaryFill);
    } else {
        s.days = i16(s.toDay + 30 - s.fromDay + 1 + s.februaryFill);
        s.months = i16(s.months - 1);
    }

    // A full month of days carries into the months, and only then may the
    // months carry into a year.
    if (s.days >= 30) {
        s.days = i16(s.days - 30);
        s.months = i16(s.months + 1);
        if (s.months >= 12) {
            s.months = i16(s.months - 12);
            s.years = i16(s.years + 1);
        }
    }
    if (s.months < 0) {
        s.months = i16(s.months + 12);
        s.years = i16(s.years - 1);
    }
    return s;
}

} // namespace tarvolin
