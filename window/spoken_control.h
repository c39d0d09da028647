#pragma once
// What a screen reader says about one control of the window, made from the
// control table's accessible name and what the model holds now. The drawn
// window hands it to the accessibility interfaces; it decides nothing about
// the calculation and changes nothing in the model.
//
//   Jahr(1) showing "3"                 -> name "Jahre Zeitraum 1: 3"
//   Jahr(2) showing ""                  -> name "Jahre Zeitraum 2: leer"
//   Datum(0) "__/__/____"               -> name "Geburtstag", value "leer"
//   Datum(0) "10/03/1955"               -> value "10.03.1955"
//   Datum(34) with "(wird nicht erreicht)" shown beside it
//                                       -> name "40-jähriges Dienstjubiläum (wird nicht erreicht)"
//   Kündigung(2), the tier that applies -> name "Kündigungsfrist Stufe 2 (zutreffend): von mindestens
//                                          5 Jahren 3 Monate zum Schluss des Kalendervierteljahres",
//                                          marked
//
// Controls without an accessible name in the table (plain captions,
// decoration) are left to what they show.

#include "window/controls.h"

#include <string>
#include <string_view>

namespace tarvolin {

struct SpokenControl {
    std::string name;    // empty: the control's own text says it
    std::string value;   // date fields: the date as it is read out; empty for others
    bool marked = false; // the notice tier that applies; a ticked box; the chosen option
    // A result that the calculation writes (panels, result dates, the
    // notice dates, the tiers): a change of it is news to announce.
    bool result = false;
};

SpokenControl spokenControl(const ControlModel& model, int slot);

// A date field's text as it is read out: "leer" for the empty mask, the
// day.month.year form for a date, "12.03." for a half-typed one.
std::string spokenDate(std::string_view fieldText);

// Runs of blanks as one blank: the tier captions line up their columns
// with blanks, which a screen reader would read as pauses or not at all.
std::string singleBlanks(std::string_view text);

} // namespace tarvolin
