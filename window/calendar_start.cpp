#include "window/calendar_start.h"

namespace tarvolin {

std::optional<Date> calendarStartBefore(ControlModel& window, int index)
{
    // The period dates are Datum(2) to Datum(29); Datum(1) is the pay start.
    if (index < 2 || index > 29)
        return std::nullopt;
    for (int before = index - 1; before >= 1; --before)
        if (const auto day = window.Datum(before).dateValue())
            return day;
    return std::nullopt;
}

} // namespace tarvolin
