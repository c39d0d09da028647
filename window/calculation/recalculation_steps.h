#pragma once
// The steps of one recalculation run (verarbeiten) that are no procedures of
// the window of their own: the handling of the confirmed entry, the totals and
// the notice period.

namespace tarvolin {

class JDA;

// How the handling of the confirmed entry ends. Only Continue lets the run go on
// to the totals, the notice period and the JDA begin.
enum class EntryOutcome { Continue, ClearAll, TimeDirectionError };

// Handles Datum(currentIndex) by its index: focus moves, the copy of the pay
// start, the check, the period of the entry's row.
EntryOutcome handleConfirmedEntry(JDA& window);

// Rows 1 to 14 into the sum row 16, then 16 and the employment row 15 into the
// total row 17; sumYears etc. hold the total afterwards.
void addUpPeriods(JDA& window);

// Marks the notice tier that the whole years of the total select and fills the
// last notice day Datum(36), the end date Datum(37), Termin and Ziel.
void fillNoticePeriod(JDA& window);

} // namespace tarvolin
