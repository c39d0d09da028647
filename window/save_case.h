#pragma once
// Saving the case when the program is left with Schließen: the window's
// entries become the record of jda.txt (saved_entries.h), which replaces the
// file in one step (entries_file.h). JDA::dateispeichern is saveCase.

#include "output/saved_entries.h"

namespace tarvolin {

class JDA;

// The entries as Schließen would save them, for telling whether a case has
// changed since it was loaded or saved: the dates 32 to 35, results the
// start-up computes again, are left empty, and nothing of the window's
// state changes.
SavedEntries enteredCase(JDA& window);

// Fills the record from the window and the calculation state, writes it to
// window.entriesPath and reports the written path to the host. When the file
// cannot be written the user is told why in a message box, the old file stays
// as it was, and the result is false.
bool saveCase(JDA& window);

} // namespace tarvolin
