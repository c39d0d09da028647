#pragma once
// Driving a window the way a user types a case: a date typed into a field and
// confirmed with Enter.

#include "calc/date_text.h"
#include "tests/support/fakes.h"

#include <string>

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

// "days/months/years" of a row, as the panels show it.
inline std::string rowShown(JDA& jda, int row)
{
    return jda.Tage(row).text + "/" + jda.Monat(row).text + "/" + jda.Jahr(row).text;
}

inline std::string focusedName(JDA& jda)
{
    const Control* c = jda.focused();
    return c == nullptr ? "" : controlName(*c->design);
}

} // namespace tarvolin::testing
