// The notice period under § 34 TVöD / TV-L: the whole years of the total
// employment period (row 17) select one of seven tiers, marked light yellow.
// From the reference date follow the end date Datum(37) (the month end for
// tier 0, the quarter end otherwise) and the last notice day Datum(36).
// 18 years on 15/05/2008, born 10/03/1955: tier 6, 31/12/2007 to 30/06/2008.

#include "calc/panel_values.h"
#include "calc/recalculation_steps.h"
#include "window/jda.h"

#include <string>

namespace tarvolin {

namespace {
void mark(JDA& window, int tier) { window.Kündigung(tier).backColor = tierMarked; }

std::string dayMonthYearText(int day, int month, int year) { return slashDateText(day, month, year); }

// Tier 0: to the end of the reference date's month; notice by the end of the
// month before. The day 28 is a placeholder the month-end step replaces.
void oneMonthToMonthEnd(JDA& window, int m, int y)
{
    mark(window, 0);
    window.Datum(37).text = window.Datum(31).text;
    if (m == 1)
        window.Datum(36).text = dayMonthYearText(31, 12, y - 1);
    else if (m >= 2 && m <= 12)
        window.Datum(36).text = dayMonthYearText(28, m - 1, y);
}

// Tier 1: six weeks before the end of the reference date's quarter.
// 15/05/2008: 30/06/2008, notice by 19/05/2008 (no month end).
void sixWeeksToQuarterEnd(JDA& window, int m, int y)
{
    mark(window, 1);
    static constexpr int endDay[] = {31, 30, 30, 31};
    const int quarter = (m - 1) / 3;
    if (quarter < 0 || quarter > 3)
        return;
    window.Datum(37).text = dayMonthYearText(endDay[quarter], quarter * 3 + 3, y);
    if (const auto end = window.Datum(37).dateValue())
        window.Datum(36).setDateValue(end->addDays(-42));
}

// Tier 6 from the 40th birthday on, counted from the texts: born 15/05/1968,
// on 15/05/2008 the birthday has been reached.
bool fortiethBirthdayReached(JDA& window)
{
    const std::string& reference = window.Datum(31).text;
    const std::string& birthday = window.Datum(0).text;
    const int years = textYear(reference) - textYear(birthday);
    if (years != 40)
        return years > 40;
    const int months = textMonth(reference) - textMonth(birthday);
    if (months != 0)
        return months > 0;
    return textDay(reference) >= textDay(birthday);
}

void toQuarterEnd(JDA& window, int tier, std::int16_t months)
{
    window.noticeMonths = months;
    window.quartal();
    mark(window, tier);
}

// Months of 31 days end on the 31st, February always on the 28th, the others on the 30th.
void moveToMonthEnd(Control& dateField)
{
    std::string& text = dateField.text;
    if (text.size() < 8)
        return;
    const char* day = nullptr;
    switch (textMonth(text)) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: day = "31"; break;
    case 2: day = "28"; break;
    case 4: case 6: case 9: case 11: day = "30"; break;
    default: return;
    }
    text = day + text.substr(text.size() - 8);
}
} // namespace

void fillNoticePeriod(JDA& window)
{
    for (window.workIndex = 0; window.workIndex <= 6; ++window.workIndex)
        window.Kündigung(window.workIndex).backColor = white;

    if (!holdsDate(window.Datum(31))) {
        window.Termin().text.clear();
        window.Ziel().text.clear();
        return;
    }

    const int years = window.sumYears;
    const int m = textMonth(window.Datum(31).text);
    const int y = textYear(window.Datum(31).text);
    if (years == 0)
        oneMonthToMonthEnd(window, m, y);
    else if (years >= 1 && years <= 4)
        sixWeeksToQuarterEnd(window, m, y);
    else if (years >= 5 && years <= 7)
        toQuarterEnd(window, 2, 3);
    else if (years >= 8 && years <= 9)
        toQuarterEnd(window, 3, 4);
    else if (years >= 10 && years <= 11)
        toQuarterEnd(window, 4, 5);
    else if (years >= 12 && years <= 14)
        toQuarterEnd(window, 5, 6);
    else if (years >= 15) {
        window.noticeMonths = 6;
        window.quartal();
        mark(window, fortiethBirthdayReached(window) ? 6 : 5);
    }

    if (years == 0 || years >= 5) {
        moveToMonthEnd(window.Datum(36));
        moveToMonthEnd(window.Datum(37));
    }

    window.Termin().text = dayMonthYearForm(window.Datum(36).text) + " *)";
    window.Ziel().text = dayMonthYearForm(window.Datum(37).text);
}

} // namespace tarvolin
