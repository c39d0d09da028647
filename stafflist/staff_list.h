#pragma once
// Computes the rows of a staff list one after the other: each row's case is
// typed into a window in the blank start of an empty folder (row_typing.h),
// and the line of the result table is read from what the window then shows.
// The blank start is made once, for the system date the list was given, and
// copied for each row.

#include "stafflist/list_platform.h"
#include "stafflist/staff_result.h"
#include "stafflist/staff_table.h"

namespace tarvolin {

class StaffListComputer {
public:
    explicit StaffListComputer(Date today);
    StaffListComputer(const StaffListComputer&) = delete;
    StaffListComputer& operator=(const StaffListComputer&) = delete;

    // Fills the line; false when the row could not be computed (its results
    // are then empty and its notes say why).
    bool compute(const StaffRow& row, ResultLine& line);

private:
    ListPlatform platform_;
    JDA blank_;
    JDA window_;
};

} // namespace tarvolin
