// Drucken prints the letter (output/letter.h) with what the window shows at
// the moment of the click; nothing is computed for it. The platform adds the
// letterhead and asks for the addressee; a letter the user cancels, in that
// dialog or in a preview, prints nothing and changes nothing.

#include "calc/date_text.h"
#include "output/letter.h"
#include "window/jda.h"

#include <optional>

namespace tarvolin {

namespace {

LetterPeriod periodOfRow(JDA& w, int row) { return {w.Tage(row).text, w.Monat(row).text, w.Jahr(row).text}; }

LetterInput letterOfWindow(JDA& w)
{
    LetterInput l;
    l.jdaLetter = w.Opt(0).value;
    l.today = w.platform().clock.today();
    l.birthday = w.Datum(0).text;
    l.payStart = w.Datum(1).text;
    l.referenceDate = w.Datum(31).text;
    l.jdaBegin = w.Datum(32).text;
    l.retirementDate = w.Datum(38).text;
    l.retirementCaption = w.Text(13).text;
    l.retireAgeYears = w.retireAgeYears;
    l.retireAgeMonths = w.retireAgeMonths;
    for (int k = 1; k <= 14; ++k)
        l.rows[static_cast<std::size_t>(k - 1)] = {w.Datum(2 * k).text, w.Datum(2 * k + 1).text, w.Eingabe(k).text,
                                                   w.box(k).value, periodOfRow(w, k)};
    l.employment = periodOfRow(w, 15);
    l.priorPeriods = periodOfRow(w, 16);
    l.total = periodOfRow(w, 17);
    for (int i = 0; i < 3; ++i)
        l.anniversaries[static_cast<std::size_t>(i)] = {w.Datum(33 + i).text, w.Text(5 + i).visible};
    return l;
}

} // namespace

void JDA::Drucken_Click()
{
    // Without the birthday and the pay start there is no letter to write.
    if (Datum(0).isEmptyDate() || Datum(1).isEmptyDate()) {
        platform().messages.show(letter::noDataText, letter::noDataTitle, MessageButtons::Ok,
                                 MessageKind::Notice);
        setFocus(Datum(0));
        return;
    }
    LetterDetails& details = platform().letter;
    const std::optional<Addressee> addressee = details.askAddressee(LetterCase{Datum(0).text, Datum(1).text});
    if (!addressee)
        return;
    LetterInput input = letterOfWindow(*this);
    input.addressee = *addressee;
    LetterPrinted printed;
    // A letterhead changed in the preview lays the letter out anew, for the
    // same addressee.
    do {
        input.letterhead = details.letterhead();
        printed = printLetter(input, platform().printer);
    } while (printed.fate == DocumentFate::LayOutAgain);
    if (printed.fate == DocumentFate::Withdrawn)
        return;
    // The letter's row loop has always run on the shared counters: workIndex
    // ends at 15, periodRow tells whether a row was listed.
    workIndex = 15;
    periodRow = printed.rowsListed ? 1 : 0;
    // A failed job changes nothing in the window; the user learns why.
    if (!printed.failure.empty())
        notice(printed.failure, MessageKind::Failure);
}

} // namespace tarvolin
