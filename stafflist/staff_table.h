#pragma once
// The staff table's columns and values: which header names which column, and
// what a record's texts mean as a case to type (dates, ticks, the retirement
// age), with a German note for every value that cannot be used.
//
// Headers are compared in lower case with blanks, "-", "_" and "." removed and
// ä, ö, ü, ß written ae, oe, ue, ss, so "Dienstbezüge ab", "DIENSTBEZUEGE_AB"
// and "dienstbezuege-ab" are the same column. Unknown columns are ignored.

#include "stafflist/row_typing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

std::string normalizedHeader(std::string_view header);

// A date as the table may write it: TT.MM.JJJJ, T.M.JJJJ, TT/MM/JJJJ or
// JJJJ-MM-TT, and a real calendar day; nothing for anything else.
std::optional<Date> parseTableDate(std::string_view text);

struct StaffColumns {
    static constexpr int none = -1;
    int personnelNumber = none, name = none, firstName = none;
    int birthday = none, payStart = none, referenceDate = none, retirementAge = none;
    struct Period {
        int from = none, to = none, inService = none, description = none;
    };
    std::array<Period, 14> periods;
    // Columns of earlier periods past the fourteenth ("Vorzeit 15 von"): the
    // window has no row for them.
    std::vector<int> extraPeriodDates;
    std::vector<std::string> extraPeriodHeaders;
    std::size_t headerFields = 0;
};

// The columns of a header record; when a required column is missing, its
// German name in `missing`.
StaffColumns findColumns(const std::vector<std::string>& header, std::string& missing);

// One record of the table, read: what to type, what to copy, and the notes.
struct StaffRow {
    std::int64_t line = 0;
    std::string personnelNumber, name, firstName;
    std::optional<TypedCase> typedCase; // nothing when the row cannot be computed
    std::vector<std::string> notes;     // each "Zeile N: ..."
};

// Reads one record. `defaultReferenceDate` stands where the row gives none.
void readStaffRow(const StaffColumns& columns, const std::vector<std::string>& fields, std::int64_t line,
                  std::string_view quoteProblem, std::optional<Date> defaultReferenceDate, StaffRow& row);

} // namespace tarvolin
