#pragma once
// A drop-down list (QComboBox) read by a screen reader under the name its
// label gives it ("Anrede"), with the chosen entry as its value and its list
// as its child. Qt on Linux names a drop-down list after its chosen entry
// ("Frau"), so that a screen reader says "Frau, Auswahlfeld" and never what
// is being chosen; a list that has an accessible name of its own is read by
// that name here. An editable list stays as Qt makes it; one without a
// name is read after its entry, as Qt reads it.

namespace tarvolin {

// Installs the reading for every drop-down list of the application; once is
// enough, a second call does nothing.
void installComboBoxAccessible();

} // namespace tarvolin
