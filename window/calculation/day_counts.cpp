// datumdiffneu: the days from the birthday to Datum(lastIndex), kept in
// dayCounts so that dates can be compared as plain numbers. Only the birthday,
// the pay start and the dates of ticked rows get a count; everything else 0.
// Born 10/03/1955, pay start 01/04/1990: dayCounts(1) = 12806.

#include "window/calculation/panel_values.h"
#include "window/jda.h"

namespace tarvolin {

namespace {
// Days from the birthday; 0 when there is no birthday to count from.
std::int32_t daysSinceBirthday(JDA& window, Date day)
{
    const auto birthday = window.Datum(0).dateValue();
    return birthday ? daysBetween(*birthday, day) : 0;
}
} // namespace

void JDA::datumdiffneu()
{
    workIndex = lastIndex;
    const int i = lastIndex;
    // The copy of the pay start (30) and the reference date (31) never get a
    // count, whichever row the caller names.
    if (i < 0 || i >= 30)
        return;
    auto& count = dayCounts[static_cast<std::size_t>(i)];

    if (Datum(1).isEmptyDate() || Datum(i).isEmptyDate()) {
        count = 0;
        return;
    }
    const auto day = Datum(i).dateValue();
    if (!day || day->serial() < 1) {
        count = 0;
        return;
    }
    if (currentRow >= 1 && currentRow <= 14)
        count = box(currentRow).value ? daysSinceBirthday(*this, *day) : 0;
    else if (currentRow == 0)
        count = daysSinceBirthday(*this, *day);
}

} // namespace tarvolin
