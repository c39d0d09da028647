// quartal: for the reference date Datum(31), the end of its calendar quarter
// (Datum(37)) and the last day on which notice of noticeMonths (3 to 6) months
// still reaches that quarter end (Datum(36)). A fixed table, no calendar
// arithmetic: four months before 30 June is always 28 February, leap year or not.
// 15/05/2008 with 3 months: 30/06/2008 and 31/03/2008.

#include "calc/panel_values.h"
#include "window/jda.h"

#include <array>

namespace tarvolin {

namespace {
struct DayInYear {
    int day;
    int month;
    int yearsBack; // 1 when the day lies in the year before the reference date's
};

struct Quarter {
    DayInYear end;
    std::array<DayInYear, 4> lastNoticeDay; // for 3, 4, 5 and 6 months
};

constexpr std::array<Quarter, 4> quarters{{
    {{31, 3, 0}, {{{31, 12, 1}, {30, 11, 1}, {31, 10, 1}, {30, 9, 1}}}},
    {{30, 6, 0}, {{{31, 3, 0}, {28, 2, 0}, {31, 1, 0}, {31, 12, 1}}}},
    {{30, 9, 0}, {{{30, 6, 0}, {31, 5, 0}, {30, 4, 0}, {31, 3, 0}}}},
    {{31, 12, 0}, {{{30, 9, 0}, {31, 8, 0}, {31, 7, 0}, {30, 6, 0}}}},
}};

std::string textOf(DayInYear d, int year)
{
    return slashDateText(d.day, d.month, year - d.yearsBack);
}
} // namespace

void JDA::quartal()
{
    const std::string& reference = Datum(31).text;
    const int m = textMonth(reference);
    const int y = textYear(reference);
    if (m < 1 || m > 12)
        return;
    const Quarter& quarter = quarters[static_cast<std::size_t>((m - 1) / 3)];

    Datum(37).text = textOf(quarter.end, y);
    if (noticeMonths >= 3 && noticeMonths <= 6)
        Datum(36).text = textOf(quarter.lastNoticeDay[static_cast<std::size_t>(noticeMonths - 3)], y);
}

} // namespace tarvolin
