#pragma once
// Why Enter empties a complete date in one of the typed fields: a text that
// names no real day, or a day outside the field's permitted range, is as
// unusable as a half-typed one and is emptied without a message. The window
// says why for a few seconds at the field, in German:
//   "31/02/1990"                    -> "31.02.1990 gibt es nicht"
//   "01/01/1920" (range 1930-2040)  -> "Datum außerhalb 01.01.1930 – 31.12.2040"
// The reason is worked out from the text alone; the model is not touched.

#include "window/control_design.h"

#include <string>
#include <string_view>

namespace tarvolin {

// Empty when the text is no complete date (empty, half typed) or names a
// day inside the range.
std::string refusedDateReason(std::string_view text, const DateRange& range);

} // namespace tarvolin
