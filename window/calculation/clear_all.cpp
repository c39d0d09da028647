// allesleeren: wipes the entries of a case so that a new one can start. The
// birthday, the quarter end, the retirement date, the rows 15 and 17, the ticks,
// the characters-left counters and the retirement age stay as they are.

#include "window/calculation/panel_values.h"
#include "window/jda.h"

namespace tarvolin {

void JDA::allesleeren()
{
    for (workIndex = 1; workIndex <= 36; ++workIndex)
        Datum(workIndex).text = std::string{emptyMask};
    for (workIndex = 1; workIndex <= 31; ++workIndex)
        dayCounts[static_cast<std::size_t>(workIndex)] = 0;
    for (workIndex = 1; workIndex <= 14; ++workIndex) {
        setRowToZero(*this, workIndex);
        Eingabe(workIndex).text.clear();
    }
    setRowToZero(*this, 16);
}

} // namespace tarvolin
