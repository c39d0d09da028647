#pragma once
// One line of the result table: the copied columns, what the window shows
// after the case was typed, and the notes.

#include "window/jda.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvolin {

enum ResultColumn : std::size_t {
    colPersonnelNumber, colName, colFirstName, colBirthday, colPayStart, colReferenceDate,
    colPriorYears, colPriorMonths, colPriorDays, colServiceYears, colServiceMonths, colServiceDays,
    colJdaBegin, col25, col25Reached, col40, col40Reached, col50, col50Reached,
    colRetirementAge, colRetirementDate, colNoticePeriod, colLastNoticeDay, colNoticeEnd, colNotes,
    resultColumnCount
};

inline constexpr std::array<std::string_view, resultColumnCount> resultHeader{
    "Personalnummer", "Name", "Vorname", "Geburtstag", "Dienstbezüge ab", "Stichtag",
    "Vorzeiten J", "Vorzeiten M", "Vorzeiten T", "Beschäftigungszeit J", "Beschäftigungszeit M",
    "Beschäftigungszeit T", "JDA-Beginn", "25 Jahre", "25 erreicht", "40 Jahre", "40 erreicht", "50 Jahre",
    "50 erreicht", "Ruhestandsalter", "Altersgrenze am", "Kündigungsfrist", "spätestens kündigen am",
    "Kündigung zum", "Hinweise"};

using ResultLine = std::array<std::string, resultColumnCount>;

// The results the window shows: dates of its fields as TT.MM.JJJJ (empty
// where a field holds no date), the panels of rows 16 and 17, "ja"/"nein" for
// whether each anniversary is reached, the retirement age as J/M, the marked
// notice tier in words. The copied columns and the notes are left alone.
void readWindowResults(JDA& window, ResultLine& line);

// The results emptied, the copied columns and the notes left alone.
void clearWindowResults(ResultLine& line);

} // namespace tarvolin
