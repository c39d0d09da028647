#pragma once
// The staff table read: which field of a record holds which input column
// (found from the header by input_columns.h), and what a record's texts mean
// as a case to type (dates, ticks, the retirement age) and as the addressee
// of a letter, with a German note for every value that cannot be used.
// Columns that name no input are left alone.

#include "output/letter.h"
#include "stafflist/computation/column_mapping.h"
#include "stafflist/computation/input_columns.h"
#include "stafflist/computation/row_reading.h"
#include "stafflist/computation/row_typing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// Which field of a record holds each input (input_columns.h's slots).
struct ColumnMap {
    static constexpr int none = -1;
    std::array<int, inputSlotCount> fields;
    // Dates of earlier periods past the fourteenth ("Vorzeit 15 von"): the
    // window has no row for them.
    std::vector<int> surplusPeriodDates;
    std::vector<std::string> surplusPeriodHeaders;
    // The table's own columns that no result column shows (Abteilung,
    // E-Mail, the addressee's), carried through into the result as they are.
    std::vector<int> carriedFields;
    std::vector<std::string> carriedHeaders;
    // Required inputs the header lacks (slots).
    std::vector<std::size_t> missing;
    std::size_t headerFields = 0;

    ColumnMap() { fields.fill(none); }
    int field(std::size_t column, int period = 0) const { return fields[slotOf(column, period)]; }
};

// The columns of a header record, as `mapping` assigns them and otherwise by
// their names. When required columns are missing (all of them named, and
// listed in `missing`), when two columns stand for the same input (both
// positions named) or when the mapping names a column the header lacks,
// `problem` says so in German; else it is empty.
ColumnMap findColumns(const std::vector<std::string>& header, std::string& problem, const ColumnMapping& mapping = {});

// The addressee of a letter to the employee of a row: "Vorname Name", street
// and house number, postcode and town.
Addressee addresseeOf(const std::string& firstName, const std::string& name, const StaffAddress& address);

// Reads one record. `defaultReferenceDate` stands where the row gives none.
void readStaffRow(const ColumnMap& columns, const std::vector<std::string>& fields, std::int64_t line,
                  std::string_view quoteProblem, std::optional<Date> defaultReferenceDate, StaffRow& row);

} // namespace tarvolin
