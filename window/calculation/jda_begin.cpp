// jdasubtraktion: the begin of the Jubiläumsdienstalter is the pay start moved
// back by the sum of the creditable periods (row 16): first the days, then the
// months, then the years. From it follow the 25-, 40- and 50-year anniversaries,
// each marked "(wird nicht erreicht)" when it falls after the calendar month in
// which the retirement age in use is reached, and last the retirement date.
// Pay start 10/08/2000 less 0 years 1 month 10 days: 31/07 becomes 30/07, one
// month back gives 30/06/2000.

#include "window/calculation/panel_values.h"
#include "window/jda.h"

#include <array>

namespace tarvolin {

namespace {
struct Anniversary {
    int field;  // its date field
    int label;  // its "(wird nicht erreicht)" label
    int years;
};

constexpr std::array<Anniversary, 3> anniversaries{{{33, 5, 25}, {34, 6, 40}, {35, 7, 50}}};

Date monthEndBefore31st(Date d)
{
    return d.day() == 31 ? d.addDays(-1) : d;
}
} // namespace

void JDA::jdasubtraktion()
{
    if (Datum(0).isEmptyDate() || Datum(1).isEmptyDate())
        return;
    const auto birthday = Datum(0).dateValue();
    const auto payStart = Datum(1).dateValue();
    if (!birthday || !payStart)
        return;

    const std::int16_t d = shownNumber(Tage(16));
    const std::int16_t m = shownNumber(Monat(16));
    const std::int16_t y = shownNumber(Jahr(16));

    // The order days, months, years decides the result at a month's end.
    Date work = payStart->addDays(-d);
    if (d > 0)
        work = monthEndBefore31st(work); // with d = 0 a pay start on the 31st stays on it
    work = work.addMonths(-m);
    work = work.addYears(-y);
    workDateText = dateText(work);
    Datum(32).text = workDateText.str();

    // An anniversary in the month in which the retirement age is reached counts as reached.
    const std::int32_t retirementMonths = retireAgeYears * 12 + retireAgeMonths;
    for (const Anniversary& a : anniversaries) {
        const Date day = work.addYears(a.years);
        Datum(a.field).setDateValue(day);
        const bool beyondRetirement = monthsBetween(*birthday, day) > retirementMonths;
        Text(a.label).visible = beyondRetirement;
        Datum(a.field).backColor = beyondRetirement ? anniversaryNotReached : anniversaryReached;
    }

    workDateText = dateText(birthday->addMonths(retireAgeMonths).addYears(retireAgeYears));
    Datum(38).text = workDateText.str();
}

} // namespace tarvolin
