// verarbeiten: the one recalculation run after a date entry 0 to 31 has been
// confirmed (currentIndex, currentRow and lastIndex name it). It handles the
// entry by its index, then recomputes the totals, the notice period and the JDA
// begin from what the window shows. Clearing everything and a to-date before
// its from-date end the run after the entry handling; the totals, the notice
// block and the JDA then keep the values of the previous run.

#include "window/calculation/panel_values.h"
#include "window/calculation/recalculation_steps.h"
#include "window/jda.h"

namespace tarvolin {

void JDA::verarbeiten()
{
    if (Datum(31).isEmptyDate())
        Datum(31).setDateValue(platform().clock.today());
    Label14().text = Datum(31).text;

    datumdiffneu();
    if (handleConfirmedEntry(*this) != EntryOutcome::Continue)
        return;
    datumdiffneu();

    addUpPeriods(*this);
    fillNoticePeriod(*this);
    jdasubtraktion();
}

} // namespace tarvolin
