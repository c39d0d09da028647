// The handling of the confirmed entry Datum(i), i = currentIndex, inside the
// recalculation: the birthday moves the focus on; the pay start is checked,
// copied into the employment row and that row recomputed; a from-date is
// checked; a to-date is checked and its row's period computed, unless the row
// is incomplete, unticked or runs backwards in time. Without a birthday or a
// pay start, confirming the pay start or a to-date clears everything.

#include "window/calculation/panel_values.h"
#include "window/calculation/recalculation_steps.h"
#include "window/jda.h"

namespace tarvolin {

namespace {
bool baseDatesMissing(JDA& window) { return window.Datum(0).isEmptyDate() || window.Datum(1).isEmptyDate(); }

// The 30-day span from Datum(from) to Datum(from + 1), shown in row r.
void computeRow(JDA& window, int fromIndex, int row)
{
    window.fromDateText = window.Datum(fromIndex).text;
    window.toDateText = window.Datum(fromIndex + 1).text;
    window.datumsdifferenz();
    showPeriod(window, row, window.diffDays, window.diffMonths, window.diffYears);
}

EntryOutcome handlePayStart(JDA& window)
{
    if (baseDatesMissing(window)) {
        window.allesleeren();
        return EntryOutcome::ClearAll;
    }
    window.plausibilität();
    window.Datum(30).text = window.Datum(1).text;
    window.setFocus(window.Datum(2));
    window.Label9().text = dayMonthYearForm(window.Datum(1).text);
    window.Label14().text = dayMonthYearForm(window.Datum(31).text);
    // A rejected pay start leaves no span to count: the row shows zero, not
    // some two thousand years from an empty date.
    if (holdsDate(window.Datum(30)) && holdsDate(window.Datum(31)))
        computeRow(window, 30, 15);
    else
        setRowToZero(window, 15);
    return EntryOutcome::Continue;
}

EntryOutcome handleFromDate(JDA& window, int i)
{
    window.plausibilität();
    if (!window.Datum(i).isEmptyDate())
        window.setFocus(window.Datum(i + 1));
    return EntryOutcome::Continue;
}

// "Das Datum 28.02.1990 liegt   v o r   dem Datum 01.03.1990 ...": the to-date is
// emptied and loses its count, the row shows zero.
EntryOutcome refuseBackwardsSpan(JDA& window, int i, int row)
{
    window.notice("Das Datum " + messageDate(window.Datum(i)) + " liegt   v o r   dem Datum " +
                  messageDate(window.Datum(i - 1)) + " und damit nicht in der richtigen Zeitrichtung.",
                  MessageKind::RejectedDate);
    window.Datum(i).text = std::string{emptyMask};
    window.setFocus(window.Datum(i));
    window.dayCounts[static_cast<std::size_t>(i)] = 0;
    setRowToZero(window, row);
    return EntryOutcome::TimeDirectionError;
}

EntryOutcome handleToDate(JDA& window, int i)
{
    const int row = (i - 1) / 2;
    window.periodRow = static_cast<std::int16_t>(row);
    if (baseDatesMissing(window)) {
        window.allesleeren();
        return EntryOutcome::ClearAll;
    }
    window.plausibilität();
    // Tested after the check, so an entry it refused leaves a zero row. A date
    // still half typed counts as missing too: its digits name no day to count from.
    if (!holdsDate(window.Datum(i - 1)) || !holdsDate(window.Datum(i))) {
        setRowToZero(window, row);
        return EntryOutcome::Continue;
    }
    if (window.currentRow < 15) {
        window.setFocus(window.Eingabe(row));
        if (!window.box(row).value) {
            setRowToZero(window, row);
            return EntryOutcome::Continue;
        }
    }
    // The employment row is never tested; equal days pass.
    if (i <= 29 && window.dayCounts[static_cast<std::size_t>(i)] < window.dayCounts[static_cast<std::size_t>(i - 1)])
        return refuseBackwardsSpan(window, i, row);
    computeRow(window, i - 1, row);
    return EntryOutcome::Continue;
}
} // namespace

EntryOutcome handleConfirmedEntry(JDA& window)
{
    const int i = window.currentIndex;
    if (i == 0) {
        window.setFocus(window.Datum(1));
        return EntryOutcome::Continue;
    }
    if (i == 1)
        return handlePayStart(window);
    if (i >= 2 && i <= 30 && i % 2 == 0)
        return handleFromDate(window, i);
    if (i >= 3 && i <= 31)
        return handleToDate(window, i);
    return EntryOutcome::Continue;
}

} // namespace tarvolin
