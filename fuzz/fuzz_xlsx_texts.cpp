// libFuzzer target: any bytes as the texts of a workbook's cells, written by
// the result's workbook writer and read back by the .xlsx reader. The first
// byte chooses the writer's mode (texts inline or shared); the rest is cut
// into cells at each byte 0x1E and into rows at each 0x1D. Every workbook
// must be read back whole, and every cell as the writer's text for it
// decodes: the text itself when nothing had to be replaced or cut.

#include "stafflist/tables/xlsx_cell_text.h"
#include "stafflist/tables/xlsx_reader.h"
#include "stafflist/command/xlsx_writer.h"
#include "stafflist/tables/zip_archive.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "workbook texts: %s\n", what);
        std::abort();
    }
}

std::vector<std::vector<std::string>> rowsOf(std::string_view bytes)
{
    std::vector<std::vector<std::string>> rows{{}};
    std::string cell;
    for (const char c : bytes) {
        if (c == '\x1E' || c == '\x1D') {
            rows.back().push_back(cell);
            cell.clear();
            if (c == '\x1D')
                rows.emplace_back();
        } else {
            cell += c;
        }
    }
    rows.back().push_back(cell);
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    using namespace tarvolin;
    if (size == 0 || size > 200'000)
        return 0;
    const bool streamed = data[0] % 2 == 0;
    auto rows = rowsOf({reinterpret_cast<const char*>(data + 1), size - 1});
    const std::size_t columns = std::min<std::size_t>(rows.front().size(), 50);
    std::vector<std::string_view> heads;
    for (std::size_t c = 0; c < columns; ++c)
        heads.push_back(rows.front()[c]);
    static const std::string path = "/dev/shm/fuzz_xlsx_texts." + std::to_string(::getpid()) + ".xlsx";
    {
        XlsxTableWriter writer{path, "Personalliste", streamed};
        writer.header(heads);
        for (std::size_t r = 1; r < rows.size(); ++r) {
            rows[r].resize(columns);
            writer.row(std::vector<ResultCell>(rows[r].begin(), rows[r].end()));
        }
        check(writer.finish().empty(), "a workbook that could not be written");
    }
    ZipArchive archive;
    check(archive.open(path).empty(), "a written workbook that is no archive");
    std::string problem;
    const auto sheet = openXlsxSheet(archive, "", true, problem);
    check(sheet != nullptr, "a written workbook without its sheet");
    TableRecord record;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> expected;
        for (std::size_t c = 0; c < columns; ++c)
            expected.push_back(decodedXlsxText(writableXlsxText(rows[r][c]).text));
        while (!expected.empty() && expected.back().empty())
            expected.pop_back();
        if (expected.empty())
            continue; // an empty row is not read
        check(sheet->next(record), "a row of the workbook that is not read back");
        check(record.fields == expected, "a cell that does not read back as written");
        for (std::size_t c = 0; c < columns; ++c) {
            const XlsxWritableText w = writableXlsxText(rows[r][c]);
            check(w.replaced || w.cut || expected.size() <= c || expected[c] == rows[r][c],
                  "a text that should come back exactly and does not");
        }
    }
    check(!sheet->next(record) && sheet->failure().empty(), "more rows than written, or a failure");
    std::remove(path.c_str());
    return 0;
}
