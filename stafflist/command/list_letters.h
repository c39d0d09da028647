#pragma once
// The letters of rows of a computed list (the staff-list window's rows shown
// or selected), in the order given. A row that was not computed gives no
// letter and is named among the rows left out.

#include "stafflist/computation/computed_list.h"
#include "stafflist/command/row_letters.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace tarvolin {

class ListLetterRun final : public RowLetterRun {
public:
    // After each row, goOn(rows done, rows in all) decides whether to go on.
    using GoOn = std::function<bool(std::size_t done, std::size_t total)>;
    ListLetterRun(std::shared_ptr<const ComputedList> list, std::vector<std::size_t> rows, bool jdaLetter, GoOn goOn);

    bool printAll(Printer& printer) override;

private:
    std::shared_ptr<const ComputedList> list_;
    std::vector<std::size_t> rows_;
    bool jdaLetter_;
    GoOn goOn_;
};

} // namespace tarvolin
