// libFuzzer target: any bytes as a staff table on standard input, through
// the whole `tarvolin --list`: reading, typing each row into a window object,
// and writing the result table. The written table is read back: it must be
// a table of the result's columns with one record for every record of the
// input, and no message may carry a raw control character to a terminal.

#include "stafflist/tables/csv_reader.h"
#include "stafflist/command/csv_writer.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "stafflist/computation/staff_result.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fault(const char* what, std::size_t size)
{
    std::fprintf(stderr, "staff table: %s (input of %zu bytes)\n", what, size);
    std::abort();
}

// The records of the input after its header, as the command reads them, and
// the heads the result has for it (the table's own columns carried along).
std::size_t inputRecords(const std::string& bytes, std::vector<std::string>& heads)
{
    std::istringstream in{bytes};
    tarvolin::ListInput input;
    if (!input.open("-", in).empty())
        return 0;
    // As written: a head that could run as a formula with an apostrophe. The
    // layout is named: its headers are views into it, and a temporary in the
    // loop's head would be gone before the first one is read.
    const tarvolin::ResultLayout layout{input.columns().carriedHeaders};
    for (std::string_view h : layout.headers())
        heads.push_back((tarvolin::couldRunAsFormula(h) ? "'" : "") + std::string{h});
    tarvolin::TableRecord record;
    std::size_t n = 0;
    while (input.reader().next(record))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    using namespace tarvolin;
    const std::string bytes{reinterpret_cast<const char*>(data), size};
    std::istringstream in{bytes};
    std::ostringstream out, err;
    const int status = runStaffListCommand({"--list", "-", "--today", "07.12.2026"}, {in, out, err, false}, {});
    if (err.str().find('\x1B') != std::string::npos)
        fault("a raw control character in a message", size);
    if (status == listFailed) {
        if (!out.str().empty())
            fault("a refused table wrote a list", size);
        return 0;
    }
    if (status != listComplete && status != listWithUncomputedRows)
        fault("an exit status that the command does not have", size);

    std::vector<std::string> heads;
    const std::size_t inputs = inputRecords(bytes, heads);
    std::istringstream written{out.str()};
    CsvReader back{written};
    TableRecord record;
    if (back.readHeader(record) != CsvReader::Header::Read || record.fields != heads)
        fault("the result has no header of the result's columns", size);
    std::size_t records = 0;
    while (back.next(record)) {
        ++records;
        if (!record.problem.empty() || record.fields.size() != heads.size())
            fault("a written record does not read back whole", size);
    }
    if (records != inputs)
        fault("the result has not one record for every record of the input", size);
    return 0;
}
