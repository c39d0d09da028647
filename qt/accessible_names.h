#pragma once
// The German names that screen readers announce for the window's controls:
// every input and every result has one that says what it holds, not where
// it stands ("Zeitraum 3 von", "25-jähriges Dienstjubiläum").

#include "window/control_table.h"

#include <QString>

namespace tarvolin {

// An empty text for controls that are pure decoration or plain captions.
QString accessibleName(const ControlDesign& design);

} // namespace tarvolin
