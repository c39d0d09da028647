#include "stafflist/command/list_letters.h"

#include "stafflist/command/report_document.h"
#include "stafflist/tables/visible_text.h"

namespace tarvolin {

ListLetterRun::ListLetterRun(std::shared_ptr<const ComputedList> list, std::vector<std::size_t> rows, bool jdaLetter,
                             GoOn goOn)
    : list_{std::move(list)}, rows_{std::move(rows)}, jdaLetter_{jdaLetter}, goOn_{std::move(goOn)}
{
}

bool ListLetterRun::printAll(Printer& printer)
{
    RowLetterPrinter letters{list_->today, jdaLetter_, letterhead};
    ResultLine line;
    std::size_t done = 0;
    for (const std::size_t row : rows_) {
        list_->line(row, line);
        const std::string leftOutText = visibleText(uncomputedText(line, list_->fileLine(row)));
        const std::optional<TypedCase> typed = list_->computed(row) ? list_->typedCase(row) : std::nullopt;
        if (!typed)
            leftOut_.push_back(leftOutText);
        else if (!printRow(letters, *typed, list_->addressee(row), printer, leftOutText, list_->fileLine(row)))
            return false;
        if (goOn_ && !goOn_(++done, rows_.size()))
            return false;
    }
    return true;
}

} // namespace tarvolin
