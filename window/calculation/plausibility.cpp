// plausibilität: checks the confirmed date Datum(lastIndex) against the dates
// already known, by their day counts. A date before the birthday, a period date
// on or after the pay start, or a date inside the span of another ticked row is
// rejected: the user is told why, the entry is emptied and gets the focus back.
// Independently, a pay start more than 23725 days (65 x 365) after the birthday
// is warned about on every check.

#include "window/calculation/panel_values.h"
#include "window/jda.h"

#include <string>

namespace tarvolin {

namespace {
constexpr std::int32_t longestAgeAtPayStart = 23725;

std::int32_t countOf(const JDA& window, int index) { return window.dayCounts[static_cast<std::size_t>(index)]; }

// Empties the entry and takes its count; the caller gives it the focus.
void reject(JDA& window, int k, bool resetRow)
{
    window.Datum(k).text = std::string{emptyMask};
    window.dayCounts[static_cast<std::size_t>(k)] = 0;
    if (resetRow && window.currentRow >= 1 && window.currentRow <= 14)
        setRowToZero(window, window.currentRow);
    window.setFocus(window.Datum(k));
}

// A row takes part in the span test only when it is ticked and both its dates
// are real dates.
bool spanInUse(JDA& window, int row)
{
    return window.box(row).value && holdsDate(window.Datum(2 * row)) && holdsDate(window.Datum(2 * row + 1));
}
} // namespace

void JDA::plausibilität()
{
    if (loadingFlag != False)
        return;

    if (countOf(*this, 1) > longestAgeAtPayStart)
        notice("Zwischen Geburtstag und Ernennung liegen mehr als " + std::to_string(retireAgeYears) + " Jahre.");

    if (currentRow >= 1 && currentRow <= 14 && !box(currentRow).value)
        return;

    const int k = lastIndex;
    // Only real dates are examined, and never the program's own copy of the pay start.
    if (k < 0 || k > 31 || !holdsDate(Datum(k)) || k == 30)
        return;

    if (countOf(*this, k) < countOf(*this, 0)) {
        notice("Das Datum " + messageDate(Datum(k)) + " liegt   v o r   dem Geburtstag am " +
               messageDate(Datum(0)) + ".",
               MessageKind::RejectedDate);
        reject(*this, k, true);
        return;
    }

    // The pay start and the reference date are only tested against the birthday.
    if (k < 2 || k > 29)
        return;
    // A period date equal to the pay start lies after it.
    if (countOf(*this, k) >= countOf(*this, 1)) {
        notice("Das Datum " + messageDate(Datum(k)) + " liegt   n a c h   dem Beginn der Dienstbezüge am " +
               messageDate(Datum(1)) + " und damit außerhalb des hier zu prüfenden Zeitraums.",
               MessageKind::RejectedDate);
        reject(*this, k, true);
        return;
    }

    // The bounds belong to the span: with 01/01/1990 to 31/12/1994 in use,
    // 31/12/1994 is refused and 01/01/1995 passes.
    for (workIndex = 1; workIndex <= 14; ++workIndex) {
        const int r = workIndex;
        if (k / 2 == r || !spanInUse(*this, r))
            continue;
        if (countOf(*this, 2 * r) <= countOf(*this, k) && countOf(*this, k) <= countOf(*this, 2 * r + 1)) {
            notice("Das Datum " + messageDate(Datum(k)) + " liegt in der bereits verwendeten Zeitspanne vom " +
                   messageDate(Datum(2 * r)) + " bis " + messageDate(Datum(2 * r + 1)),
                   MessageKind::RejectedDate);
            reject(*this, k, false);
            return;
        }
    }
}

} // namespace tarvolin
