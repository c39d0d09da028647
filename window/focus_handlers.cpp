// The active date of the period rows 1 to 12 is shown in bold while it has the
// focus; the dates of rows 13 and 14 and all others keep their font.

#include "window/jda.h"

namespace tarvolin {

namespace {
bool highlightsFocus(std::int16_t index) { return index >= 2 && index <= 25; }
} // namespace

void JDA::Datum_GotFocus(std::int16_t index)
{
    if (highlightsFocus(index))
        Datum(index).fontBold = true;
}

void JDA::Datum_LostFocus(std::int16_t index)
{
    if (highlightsFocus(index))
        Datum(index).fontBold = false;
}

void JDA::Eingabe_LostFocus(std::int16_t) {}

} // namespace tarvolin
