#include "window/save_case.h"

#include "calc/fixed_text.h"
#include "output/entries_file.h"
#include "output/saved_entries.h"
#include "window/jda.h"

namespace tarvolin {

namespace {

// The record in the order the program has always filled it; the shared loop
// counter workIndex is left at 15 by the row loop.
SavedEntries recordOfWindow(JDA& w)
{
    SavedEntries r;
    r.ageYears = w.retireAgeYears;
    for (w.workIndex = 0; w.workIndex <= 35; ++w.workIndex)
        r.dates[static_cast<std::size_t>(w.workIndex)] = w.Datum(w.workIndex).text;
    for (w.workIndex = 1; w.workIndex <= 14; ++w.workIndex) {
        const auto row = static_cast<std::size_t>(w.workIndex - 1);
        // What was typed, filled up with blanks or cut at 60 characters: a
        // row move may have padded the text to 60 and typing then goes in
        // before those blanks, so the box can hold more than 60 characters.
        r.descriptions[row] = fitted(trimmedRight(w.Eingabe(w.workIndex).text), savedDescriptionWidth);
        r.rowFlags[row] = w.box(w.workIndex).value ? True : False;
    }
    r.choice = w.Opt(1).value ? 1 : 0;
    r.ageMonths = w.retireAgeMonths;
    r.reserved = w.reservedField;
    return r;
}

} // namespace

SavedEntries enteredCase(JDA& window)
{
    const std::int16_t counter = window.workIndex;
    SavedEntries r = recordOfWindow(window);
    window.workIndex = counter;
    for (std::size_t i = 32; i < savedDateCount; ++i)
        r.dates[i].clear();
    return r;
}

bool saveCase(JDA& window)
{
    const SavedRecordBytes bytes = writeRecord(recordOfWindow(window));
    const std::string failure = saveEntriesFile(window.entriesPath, bytes);
    if (!failure.empty()) {
        window.notice(failure, MessageKind::Failure);
        return false;
    }
    window.platform().host.entriesSaved(window.entriesPath.string());
    return true;
}

void JDA::dateispeichern() { saveCase(*this); }

} // namespace tarvolin
