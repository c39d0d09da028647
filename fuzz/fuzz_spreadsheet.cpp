// libFuzzer target: the table readers alone (stafflist/tables/), as the
// staff list opens a table. The first byte chooses what the rest is: a whole
// file (any kind: ZIP, compound file or CSV), the XML of an .xlsx sheet, or
// the content.xml of an .ods, the last two put into a well-formed archive so
// that the mutations reach the XML. Every record is read; a reader must end,
// keep its bounds, and never crash. What the cells then mean as a staff row
// is fuzzed with the whole list (fuzz_staff_csv).

#include "stafflist/tables/table_file.h"
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
    TableFile input;
    if (!input.open("-", in).empty())
        return 0;
    const bool sheet = size > 0 && data[0] % 3 != 0;
    TableRecord record;
    std::size_t records = 0;
    while (input.reader().next(record)) {
        if (sheet) {
            check(record.fields.size() <= 16384, "a row past the sheet's last column");
            for (const std::string& f : record.fields)
                check(f.size() <= (std::size_t{1} << 20), "a cell past its bound");
        }
        check(++records < 10'000'000, "a reader that does not end");
    }
    return 0;
}
