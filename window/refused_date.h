#pragma once
// Why a typed date is not taken, and the dates typed with a two-digit year.
//
// Enter empties a complete date that names no real day or lies outside the
// field's permitted range, as it empties a half-typed one; the window says
// why for a few seconds at the field, in German:
//   "31/02/1990"                    -> "31.02.1990 gibt es nicht"
//   "01/01/1920" (range 1930-2040)  -> "Datum außerhalb 01.01.1930 – 31.12.2040"
// A date left with Tab or a click that cannot be taken gets its previous
// text back; givenBackReason says why and what the field shows again.
//
// "1.9.82" typed into a field is "01/09/82__": the year counts as complete
// when exactly one century puts the day into the field's range (1982 in the
// birthday, as 2082 lies outside); when both or neither do, the clerk is
// asked for four digits. The reasons are worked out from the texts alone; the
// model is not touched.

#include "window/control_design.h"

#include <string>
#include <string_view>

namespace tarvolin {

// Empty when the text is no complete date (empty, half typed) or names a
// day inside the range.
std::string refusedDateReason(std::string_view text, const DateRange& range);

inline constexpr std::string_view fourDigitYearReason = "Jahr bitte vierstellig eingeben";

// A text "dd/mm/yy__" of digits: a date typed with a two-digit year.
bool hasShortYear(std::string_view text);
// Its full text "dd/mm/yyyy" when exactly one century makes it a real day
// inside the range; empty when none or more than one does, and for any text
// without a short year.
std::string completedShortYear(std::string_view text, const DateRange& range);

// Why a date left without Enter goes back to its previous text: the typed
// text cannot be taken (half typed, two-digit year without one answer, no
// real day, outside the range) or empties a field that only Enter may empty
// (`onlyEnterEmpties`: the birthday and the pay start). The reason ends
// with what the field shows again: "Datum unvollständig – wieder 10.03.1955",
// "… – Feld wieder leer".
std::string givenBackReason(std::string_view typed, std::string_view previous, const DateRange& range,
                            bool onlyEnterEmpties);

} // namespace tarvolin
