#pragma once
// Driving a window the way a user types a case, for the core's tests, and
// how its rows and its focus read. Two ways in:
//   typeAndEnter  the field gets the focus and shows the text, then Enter
//                 goes to its key handler (Datum_KeyPress), as typing does;
//   type/confirm  the recalculation that Enter starts for a usable date runs
//                 directly, without the key handler and without a focus move.

#include "calc/date_text.h"
#include "tests/support/fakes.h"

#include <string>
#include <string_view>

namespace tarvolin::testing {

// What Enter on a complete date does: name the entry, set the statutory
// retirement age for a birthday, recalculate.
inline void confirm(JDA& jda, int i)
{
    jda.currentIndex = static_cast<std::int16_t>(i);
    jda.currentRow = static_cast<std::int16_t>(i < 2 ? 0 : i / 2);
    jda.lastIndex = static_cast<std::int16_t>(i);
    if (i == 0) {
        jda.inrente();
        jda.inrentei();
    }
    jda.verarbeiten();
}

inline void type(JDA& jda, int i, const std::string& text)
{
    jda.Datum(i).text = text;
    confirm(jda, i);
}

inline void pressKey(JDA& w, int i, std::int16_t code)
{
    w.setFocus(w.Datum(i));
    w.Datum_KeyPress(static_cast<std::int16_t>(i), code);
}

// The field shows `text` (typed, or "__/__/____" after deleting), then Enter.
inline void typeAndEnter(JDA& w, int i, std::string_view text)
{
    w.setFocus(w.Datum(i));
    w.Datum(i).text = std::string{text};
    pressKey(w, i, 13);
}

inline void typeRow(JDA& w, int row, std::string_view from, std::string_view to)
{
    typeAndEnter(w, 2 * row, from);
    typeAndEnter(w, 2 * row + 1, to);
}

// Born 10/03/1955, pay from 01/04/1990, every row ticked as after a blank
// start; today (the fake clock) is 15/05/2008.
inline void startCase(JDA& w)
{
    for (int k = 1; k <= 14; ++k)
        w.box(k).value = true;
    w.retireAgeYears = 67;
    typeAndEnter(w, 0, "10/03/1955");
    typeAndEnter(w, 1, "01/04/1990");
}

// "days/months/years" of a row, as its panels show it.
inline std::string rowShown(JDA& w, int row)
{
    return w.Tage(row).text + "/" + w.Monat(row).text + "/" + w.Jahr(row).text;
}

inline std::string focusedName(JDA& w)
{
    const Control* c = w.focused();
    return c == nullptr ? "" : controlName(*c->design);
}

} // namespace tarvolin::testing
