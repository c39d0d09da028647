#pragma once
// Where the drop-down calendar of an empty date field opens. A period date
// is typed after the dates before it and usually lies near them, so an
// empty period date opens on the nearest date before it that holds a day:
// the row's from-date, the rows above, at last the pay start. The other
// fields, and a period date with nothing before it, open on today.

#include "calc/date.h"
#include "window/controls.h"

#include <optional>

namespace tarvolin {

// The day before Datum(index) to open on; nothing means today. The field's
// own day, when it holds one, comes first: the caller looks at it.
std::optional<Date> calendarStartBefore(ControlModel& window, int index);

} // namespace tarvolin
