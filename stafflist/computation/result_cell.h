#pragma once
// One cell of the result table, kept as what it is: a day, a count of the
// window's panels, whether an anniversary is reached, the marked tier of the
// notice period, the retirement age in use, a text, or the row's notes.
// Reports, filters and sorting compare these values; text is made of them
// only where the list leaves the program (cellText: the CSV, the pages of a
// PDF, the window's table, the calendar file), and a workbook takes days
// and counts as such.

#include "calc/date.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tarvolin {

// A number the window shows in a panel: years, months or days.
struct Count {
    int value = 0;
    friend bool operator==(const Count&, const Count&) = default;
};

// Whether the window shows an anniversary as reached (no "(wird nicht
// erreicht)" beside it).
enum class Reached : bool { No, Yes };

// The tier of the notice period the window marks, Kündigung(0) to (6), in
// the order of their length.
enum class NoticeTierMark : std::uint8_t {
    OneMonth,
    SixWeeks,
    ThreeMonths,
    FourMonths,
    FiveMonths,
    SixMonths,
    OnlyForCause,
};

// The retirement age in use, as the window's age fields show it.
struct AgeInUse {
    int years = 0;
    int months = 0;
    friend bool operator==(const AgeInUse&, const AgeInUse&) = default;
};

// A note on a row. `line` is the row's line in the table, 0 for a note that
// names none (a message of the window, what the dates mean today); the
// edges write a line's notes as "Zeile 7: Geburtstag fehlt".
struct RowNote {
    std::int64_t line = 0;
    std::string text;
    friend bool operator==(const RowNote&, const RowNote&) = default;
};
using RowNotes = std::vector<RowNote>;

// Nothing (an empty cell), or one of the values above.
using ResultCell = std::variant<std::monostate, std::string, Date, Count, Reached, NoticeTierMark, AgeInUse, RowNotes>;

bool isEmpty(const ResultCell& cell);

// The cell as text: a day as TT.MM.JJJJ, a count in digits, "ja" or "nein",
// the tier in words, the age as 66/2, the notes joined by " | ", each of a
// line after "Zeile N: "; an empty cell as "".
std::string cellText(const ResultCell& cell);
void appendCellText(std::string& out, const ResultCell& cell);

// "Zeile 7: Geburtstag fehlt"; a note without a line as its text.
std::string noteText(const RowNote& note);

} // namespace tarvolin
