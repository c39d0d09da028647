#pragma once
// A record of the staff table as its cells are read: the row it becomes
// (StaffRow) and the state of the reading that the cell readers
// (cell_readers.h) fill in one cell at a time. It stands below both the
// readers and the table (staff_table.h), which runs them.

#include "calc/date.h"
#include "stafflist/computation/result_cell.h"
#include "stafflist/computation/row_typing.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// The addressee's parts as the table gives them.
struct StaffAddress {
    std::string salutation; // "Herrn", "Frau", as the table writes it, or empty
    std::string street, houseNumber, postalCode, town;
};

// One record of the table, read: what to type, what to copy, and the notes.
struct StaffRow {
    std::int64_t line = 0;
    std::string personnelNumber, name, firstName;
    StaffAddress address;
    std::vector<std::string> carried; // ColumnMap::carriedFields' texts
    std::optional<TypedCase> typedCase; // nothing when the row cannot be computed
    RowNotes notes;                     // each on this row's line
};

// A record while its cells are read.
struct RowReading {
    explicit RowReading(StaffRow& row);
    void note(std::string_view text);

    StaffRow& row;
    RowNotes* notes; // the row's, or those of an earlier period being read
    TypedCase typed;
    std::optional<Date> birthday, payStart;
    bool computable = true;
    std::string salutationByGender;
    // The earlier period being read: its row, its values, and why it is left
    // out when its tick is neither yes nor no.
    int periodRow = 0;
    TypedPeriod period;
    std::string periodRefusal;
};

} // namespace tarvolin
