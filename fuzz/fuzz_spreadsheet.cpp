// libFuzzer target: the spreadsheet readers. The first byte chooses what the
// rest is: a whole file (any kind: ZIP, compound file or CSV), the XML of an
// .xlsx sheet, or the content.xml of an .ods, the last two put into a
// well-formed archive so that the mutations reach the XML. Every record is
// read and typed as a staff row; a reader must end, keep its bounds, and
// never crash.

#include "stafflist/computation/list_input.h"
#include "tests/stafflist/workbooks.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

std::string file(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::string rest{reinterpret_cast<const char*>(data + 1), size - 1};
    switch (data[0] % 3) {
    case 1: return tarvolin::testing::xlsxOf({{"T", rest}}, {"Geburtstag", "Eintritt", "01001"});
    case 2: return tarvolin::testing::odsOf({{"T", rest}});
    default: return rest;
    }
}

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "spreadsheet reading: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    using namespace tarvolin;
    std::istringstream in{file(data, size)};
    ListInput input;
    if (!input.open("-", in).empty())
        return 0;
    const bool sheet = size > 0 && data[0] % 3 != 0;
    TableRecord record;
    StaffRow row;
    std::size_t records = 0;
    while (input.reader().next(record)) {
        if (sheet) {
            check(record.fields.size() <= 16384, "a row past the sheet's last column");
            for (const std::string& f : record.fields)
                check(f.size() <= (std::size_t{1} << 20), "a cell past its bound");
        }
        readStaffRow(input.columns(), record.fields, record.line, record.problem, std::nullopt, row);
        check(++records < 10'000'000, "a reader that does not end");
    }
    return 0;
}
