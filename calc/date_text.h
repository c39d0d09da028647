#pragma once
// The text side of dates and numbers as the window shows them.
// A date text is exactly ten characters dd/mm/yyyy; "__/__/____" is an empty
// field, a text with any other "_" is incomplete. Day, month and year are read
// by position, never by separator.

#include "calc/date.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::string_view emptyMask = "__/__/____";

inline bool isEmptyDate(std::string_view text) { return text == emptyMask; }
// Not empty, but still holding a "_" somewhere: "12/03/____".
inline bool isIncompleteDate(std::string_view text)
{
    return !isEmptyDate(text) && text.find('_') != std::string_view::npos;
}

// The decimal number at the start of a text, leading blanks skipped, an
// optional sign allowed; 0 when there is none ("__" gives 0, "" gives 0,
// "-5" gives -5). Panels and date positions are read this way.
int numericValue(std::string_view text);

// Positions 1-2, 4-5 and the last four characters, each by numericValue.
int textDay(std::string_view dateText);
int textMonth(std::string_view dateText);
int textYear(std::string_view dateText);

// "01/09/1990" -> "01.09.1990": characters 1-2, ".", 4-5, ".", last four.
std::string dayMonthYearForm(std::string_view dateText);

// dd/mm/yyyy of a day; the year is written with at least four digits.
std::string dateText(Date d);
// dd.mm.yyyy of a day, the form used inside messages and on the letter.
std::string germanDateText(Date d);
// dd/mm/yyyy from three numbers, as printf's "%02d/%02d/%d" writes them
// (31, 12, 2007 -> "31/12/2007"); the numbers need not name a real day.
std::string slashDateText(int day, int month, int year);

// The day a text names, when it is ten characters "dd/mm/yyyy" of digits and a
// real calendar day; nothing for the mask, incomplete or impossible texts.
std::optional<Date> parseDateText(std::string_view text);

} // namespace tarvolin
