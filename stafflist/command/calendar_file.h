#pragma once
// The dates of a year report as an iCalendar file (RFC 5545) for the office
// calendar: one all-day event per anniversary or age limit, its summary like
// "25-jähriges Dienstjubiläum: Anna Meier (1001)". Each event's UID stands
// for the person and the occasion, not for the day or the file, so that a
// calendar that imports a later file updates the event instead of adding a
// second one. UTF-8, lines ended by CRLF and folded at 75 octets, never
// inside a character.

#include "stafflist/computation/year_reports.h"

#include <ctime>
#include <string>
#include <string_view>

namespace tarvolin {

// The whole file. `stamp` is the moment it is made (DTSTAMP, UTC).
std::string calendarFile(const YearReport& report, std::time_t stamp);

// The parts, for the tests.
namespace ical {
// A TEXT value: backslash, semicolon, comma and line breaks escaped; other
// control characters as blanks.
std::string escaped(std::string_view text);
// One content line as it goes into the file: folded so that no line is
// longer than 75 octets (a continuation starts with a blank), each ended by
// CRLF.
std::string folded(std::string_view line);
// The UID of a person's occasion: by the personnel number, or, without one,
// by name, first name and birthday.
std::string uid(const Occasion& occasion);
// "25-jähriges Dienstjubiläum: Anna Meier (1001)", "Altersgrenze: Otto Alt (5)".
std::string summary(const Occasion& occasion);
} // namespace ical

} // namespace tarvolin
