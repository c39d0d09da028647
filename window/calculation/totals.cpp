// The totals of the recalculation: rows 1 to 14 add up to the sum of the
// creditable periods (row 16), that sum and the employment row 15 to the total
// employment period (row 17). Days carry into months at 30, then months into
// years at 12, one pass each: 20/7/2 + 15/8/1 gives 35 days and 15 months,
// shown as 5 days, 4 months, 4 years.

#include "window/calculation/panel_values.h"
#include "window/calculation/recalculation_steps.h"
#include "window/jda.h"

namespace tarvolin {

namespace {
std::int16_t i16(int v) { return static_cast<std::int16_t>(v); }

void addRow(JDA& window, int row)
{
    window.sumDays = i16(window.sumDays + shownNumber(window.Tage(row)));
    window.sumMonths = i16(window.sumMonths + shownNumber(window.Monat(row)));
    window.sumYears = i16(window.sumYears + shownNumber(window.Jahr(row)));
}

// The day carry comes first, so that its months take part in the month carry.
void normalise(JDA& window)
{
    if (window.sumDays > 29) {
        window.sumMonths = i16(window.sumMonths + window.sumDays / 30);
        window.sumDays = i16(window.sumDays % 30);
    }
    if (window.sumMonths > 11) {
        window.sumYears = i16(window.sumYears + window.sumMonths / 12);
        window.sumMonths = i16(window.sumMonths % 12);
    }
}
} // namespace

void addUpPeriods(JDA& window)
{
    window.workIndex = 1;
    window.sumDays = 0;
    window.sumMonths = 0;
    window.sumYears = 0;
    for (window.workIndex = 1; window.workIndex <= 14; ++window.workIndex)
        addRow(window, window.workIndex);
    normalise(window);
    showPeriod(window, 16, window.sumDays, window.sumMonths, window.sumYears);

    addRow(window, 15);
    normalise(window);
    showPeriod(window, 17, window.sumDays, window.sumMonths, window.sumYears);
}

} // namespace tarvolin
