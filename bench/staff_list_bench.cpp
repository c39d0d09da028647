// The staff list, CSV to CSV, on generated tables of 1,000, 10,000 and
// 100,000 rows (half of them with fourteen earlier periods): the whole
// command as `tarvolin --list - --today 07.12.2026` runs it, reading from
// memory and writing into a stream that keeps nothing. The same tables as
// Excel workbooks (dates as date cells), .xlsx to .xlsx through files. Also
// its parts: one blank start against its copy, and one row of each kind.
//
//   staff_list_bench --write-table=ROWS FILE      writes such a table and stops
//   staff_list_bench --write-workbook=ROWS FILE   the same as .xlsx
//   (for the peak-memory measurement of bench/staff_list_memory.sh)

#include "bench/staff_table.h"
#include "stafflist/tables/csv_reader.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/row_typing.h"
#include "stafflist/computation/staff_list.h"
#include "stafflist/command/xlsx_writer.h"
#include "stafflist/tables/table_date.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace tarvolin::bench {
namespace {

class NullBuffer final : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string table(int rows)
{
    StaffTableGenerator g;
    std::string t = StaffTableGenerator::header();
    for (int n = 0; n < rows; ++n)
        t += g.row(n);
    return t;
}

void BM_staffList(benchmark::State& state)
{
    const std::string input = table(static_cast<int>(state.range(0)));
    NullBuffer nothing;
    std::ostream out{&nothing};
    std::ostringstream err;
    for (auto _ : state) {
        std::istringstream in{input};
        const int status = runStaffListCommand({"--list", "-", "--today", "07.12.2026"}, {in, out, err, false}, {});
        if (status != 0) {
            state.SkipWithError(("the list does not compute every row: " + err.str().substr(0, 300)).c_str());
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK(BM_staffList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The generated table as a workbook as Excel writes it: the dates as date
// cells, the rest as shared texts.
void writeWorkbook(int rows, const std::string& path)
{
    std::istringstream in{table(rows)};
    CsvReader reader{in};
    TableRecord record;
    reader.readHeader(record);
    std::vector<std::string_view> heads(record.fields.begin(), record.fields.end());
    std::vector<bool> dates;
    for (std::string_view h : heads)
        dates.push_back(h.starts_with("Geburtstag") || h.starts_with("Dienstbez") || h.ends_with(" von")
                        || h.ends_with(" bis"));
    XlsxTableWriter workbook{path, "Personal", false};
    workbook.header(heads);
    std::vector<ResultCell> cells;
    while (reader.next(record)) {
        cells.assign(record.fields.size(), {});
        for (std::size_t c = 0; c < record.fields.size(); ++c) {
            const std::optional<Date> day = dates[c] ? parseTableDate(record.fields[c]) : std::nullopt;
            cells[c] = day ? ResultCell{*day} : ResultCell{record.fields[c]};
        }
        workbook.row(cells);
    }
    workbook.finish();
}

void BM_staffListXlsx(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "tarvolin-bench-xlsx";
    std::filesystem::create_directories(folder);
    const std::string input = (folder / "personal.xlsx").string();
    writeWorkbook(static_cast<int>(state.range(0)), input);
    const std::string output = (folder / "liste.xlsx").string();
    std::ostringstream out, err;
    std::istringstream none;
    for (auto _ : state) {
        const int status = runStaffListCommand({"--list", input, "--today", "07.12.2026", "--output", output},
                                               {none, out, err, false}, {});
        if (status != 0) {
            state.SkipWithError(("the list does not compute every row: " + err.str().substr(0, 300)).c_str());
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_staffListXlsx)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The blank start as the list does it, copied from a window made once ...
void BM_blankStartCopied(benchmark::State& state)
{
    ListPlatform platform{Date::fromSerial(46363)};
    JDA blank{platform.platform()};
    startBlank(blank);
    JDA window{platform.platform()};
    for (auto _ : state) {
        copyWindowState(window, blank);
        benchmark::DoNotOptimize(window.Datum(0).text.data());
    }
}
BENCHMARK(BM_blankStartCopied);

// ... and made afresh each time.
void BM_blankStartFresh(benchmark::State& state)
{
    ListPlatform platform{Date::fromSerial(46363)};
    for (auto _ : state) {
        JDA window{platform.platform()};
        startBlank(window);
        benchmark::DoNotOptimize(window.Datum(0).text.data());
    }
}
BENCHMARK(BM_blankStartFresh);

// One row: 0 with fourteen periods, 1 with none.
void BM_oneRow(benchmark::State& state)
{
    StaffTableGenerator g;
    const std::string input = StaffTableGenerator::header() + g.row(0) + g.row(1);
    std::istringstream in{input};
    CsvReader reader{in};
    TableRecord record;
    reader.readHeader(record);
    std::string missing;
    const ColumnMap columns = findColumns(record.fields, missing);
    for (int n = 0; n <= state.range(0); ++n)
        reader.next(record);
    StaffRow row;
    readStaffRow(columns, record.fields, record.line, record.problem, std::nullopt, row);
    StaffListComputer computer{Date::fromSerial(46363)};
    ResultLine line;
    for (auto _ : state)
        benchmark::DoNotOptimize(computer.compute(row, line));
}
BENCHMARK(BM_oneRow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvolin::bench

int main(int argc, char** argv)
{
    if (argc == 3 && std::strncmp(argv[1], "--write-workbook=", 17) == 0) {
        tarvolin::bench::writeWorkbook(std::stoi(argv[1] + 17), argv[2]);
        return 0;
    }
    if (argc == 3 && std::strncmp(argv[1], "--write-table=", 14) == 0) {
        std::ofstream file{argv[2], std::ios::binary};
        file << "\xEF\xBB\xBF" << tarvolin::bench::table(std::stoi(argv[1] + 14));
        return file ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
