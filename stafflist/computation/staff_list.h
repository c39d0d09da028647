#pragma once
// Computes the rows of a staff list one after the other: each row's case is
// typed into a window in the blank start of an empty folder (row_typing.h),
// and the line of the result table is read from what the window then shows.
// The blank start is made once, for the system date the list was given, and
// copied for each row.
//
// computeStaffRows is the one loop over a table that both the command and
// the window run: it reads each record, computes it and hands it on.

#include "stafflist/computation/list_platform.h"
#include "stafflist/computation/staff_result.h"
#include "stafflist/computation/staff_table.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace tarvolin {

class ListInput;

class StaffListComputer {
public:
    explicit StaffListComputer(Date today);
    StaffListComputer(const StaffListComputer&) = delete;
    StaffListComputer& operator=(const StaffListComputer&) = delete;

    // Fills the line; false when the row could not be computed (its results
    // are then empty and its notes say why). The notes end with what the
    // dates mean for the day of the calculation (window/notice_hints.h).
    bool compute(const StaffRow& row, ResultLine& line);
    // How many of the last row's notes are such notes on its dates.
    std::size_t dateNotes() const { return dateNotes_; }

private:
    ListPlatform platform_;
    std::size_t dateNotes_ = 0;
    JDA blank_;
    JDA window_;
};

// One row as the loop hands it on; valid only during the call.
struct ComputedRow {
    const StaffRow& row;
    const ResultLine& line;
    bool computed;
    // How many of its notes are on what its dates mean today: the last
    // notice day passed, the age limit reached.
    std::size_t dateNotes = 0;
};

// Reads every record after the header of `input`, computes it for the
// system date `today` (rows without a reference date of their own take
// `referenceDate`, when given) and hands it to `take`, in the order of the
// table. After each row `goOn(rows so far, bytes read so far)` decides
// whether to read the next one. Returns the number of rows computed.
std::size_t computeStaffRows(ListInput& input, Date today, std::optional<Date> referenceDate,
                             const std::function<void(const ComputedRow&)>& take,
                             const std::function<bool(std::size_t rows, std::size_t bytesRead)>& goOn);

} // namespace tarvolin
