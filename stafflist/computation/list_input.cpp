#include "stafflist/computation/list_input.h"

namespace tarvolin {

std::string ListInput::open(const std::string& input, std::istream& standardInput, const InputOptions& options)
{
    if (std::string e = file_.open(input, standardInput, {options.sheet, options.checkArchiveFirst}); !e.empty())
        return e;
    std::string problem;
    columns_ = findColumns(file_.header(), problem, options.mapping);
    if (!problem.empty())
        return file_.fileInMessages() + ", Zeile " + std::to_string(file_.headerLine()) + ": " + problem + ".";
    return {};
}

} // namespace tarvolin
