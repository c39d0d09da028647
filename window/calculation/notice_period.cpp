// The notice period under § 34 TVöD / TV-L: the whole years of the total
// employment period (row 17) select one of seven tiers (notice_rules.h),
// marked light yellow. From the reference date follow the end date Datum(37)
// (the month end for tier 0, the quarter end otherwise) and the last notice
// day Datum(36).
// 18 years on 15/05/2008, born 10/03/1955: tier 6, 31/12/2007 to 30/06/2008.

#include "calc/month_length.h"
#include "calc/notice_rules.h"
#include "window/calculation/panel_values.h"
#include "window/calculation/recalculation_steps.h"
#include "window/jda.h"

#include <chrono>
#include <string>

namespace tarvolin {

namespace {
void mark(JDA& window, int tier) { window.Kündigung(tier).backColor = tierMarked; }

// Tier 0: to the end of the reference date's month; notice by the end of the
// month before. The day 28 is a placeholder the month-end step replaces.
void oneMonthToMonthEnd(JDA& window, int m, int y)
{
    mark(window, 0);
    window.Datum(37).text = window.Datum(31).text;
    if (m == 1)
        window.Datum(36).text = noticeDateText(31, 12, y - 1);
    else if (m >= 2 && m <= 12)
        window.Datum(36).text = noticeDateText(28, m - 1, y);
}

// Tier 1: six weeks before the end of the reference date's quarter.
// 15/05/2008: 30/06/2008, notice by 19/05/2008 (no month end).
void sixWeeksToQuarterEnd(JDA& window, int m, int y)
{
    mark(window, 1);
    if (m < 1 || m > 12)
        return;
    window.Datum(37).text = quarterEndText(m, y);
    if (const auto end = window.Datum(37).dateValue())
        window.Datum(36).setDateValue(end->addDays(-42));
}

// Tiers 2 to 6: the months of the tier to the quarter end. Fifteen years
// and more without the 40th birthday are tier 5.
void monthsToQuarterEnd(JDA& window, const NoticeTier& rule)
{
    window.noticeMonths = static_cast<std::int16_t>(rule.months);
    window.quartal();
    const bool protectedFromNotice =
        rule.tier == 6 && fortiethBirthdayReached(window.Datum(31).text, window.Datum(0).text);
    mark(window, rule.tier == 6 && !protectedFromNotice ? 5 : rule.tier);
}

// Months of 31 days end on the 31st, the others on the 30th, February on the
// 28th, or on the 29th in a leap year where the real last day is asked for.
void moveToMonthEnd(Control& dateField, bool realLastDay)
{
    std::string& text = dateField.text;
    if (text.size() < 8)
        return;
    const int month = textMonth(text);
    int lastDay = commonMonthLength(month);
    if (lastDay == 0)
        return;
    if (realLastDay && month == 2 && std::chrono::year{textYear(text)}.is_leap())
        lastDay = 29;
    text = std::to_string(lastDay) + text.substr(text.size() - 8);
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

    const int m = textMonth(window.Datum(31).text);
    const int y = textYear(window.Datum(31).text);
    if (const NoticeTier* rule = noticeTierFor(window.sumYears)) {
        if (rule->tier == 0)
            oneMonthToMonthEnd(window, m, y);
        else if (rule->tier == 1)
            sixWeeksToQuarterEnd(window, m, y);
        else
            monthsToQuarterEnd(window, *rule);
        // Every tier but the six weeks ends at a month's end. The end date is
        // the month's real last day: a notice "zum Monatsschluss" in February
        // 2028 takes effect on 29/02/2028, and the 28th would end the
        // employment a day early. The last notice day keeps 28/02 in every
        // year (March 2028 gives 28/02/2028): it errs to the earlier side.
        if (rule->tier != 1) {
            moveToMonthEnd(window.Datum(36), false);
            moveToMonthEnd(window.Datum(37), true);
        }
    }

    window.Termin().text = dayMonthYearForm(window.Datum(36).text) + " *)";
    window.Ziel().text = dayMonthYearForm(window.Datum(37).text);
}

} // namespace tarvolin
