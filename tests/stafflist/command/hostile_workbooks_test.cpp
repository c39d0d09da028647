// The hostile workbooks of tests/stafflist/hostile (made by its
// make_hostile.py): each through the whole command, in a child process that
// may take 64 MB more than it has. None may crash or pass the cap; each ends
// with the answer of its row. These few hundred kilobytes once took up to
// 5.6 GB and a minute.

#include "stafflist/command/list_command.h"
#include "tests/output/scratch_folder.h"
#include "tests/stafflist/memory_cap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace tarvolin {
namespace {

constexpr std::size_t budget = 64 << 20;

struct Hostile {
    const char* file;
    int status;
    const char* says; // a part of what the command says; "" when nothing
};

const Hostile hostile[] = {
    {"ods_annotations.ods", listComplete, ""},
    {"ods_deep_nesting.ods", listComplete, ""},
    {"ods_full_width_rows.ods", listFailed, "eine Zeile wiederholt sich mehr als 100.000-mal"},
    {"ods_past_last_column.ods", listFailed, "die Zeile 2 hat Zellen jenseits der Spalte XFD (16.384)"},
    {"ods_repeated_columns.ods", listFailed, "die Tabelle hat mehr als 50 Millionen Zellen mit einem Wert"},
    {"ods_repeated_rows_overflow.ods", listFailed, "eine Zeile wiederholt sich mehr als 100.000-mal"},
    {"ods_space_bomb.ods", listFailed, "die Zeile 2 enthält mehr als 16 MB Text"},
    {"ods_space_counts.ods", listWithUncomputedRows, "die Zelle C2 enthält mehr als 1 MB Text"},
    {"ods_trailing_empty_cells.ods", listFailed,
     "die Zeile 1099511628778 liegt hinter der letzten Zeile, die eine Tabelle hat (1.048.576)"},
    {"xlsx_control_char.xlsx", listFailed, "ist kein gültiges XML"},
    {"xlsx_escaped_texts.xlsx", listComplete, ""},
    {"xlsx_forbidden_char_reference.xlsx", listFailed, "ist kein gültiges XML"},
    {"xlsx_forbidden_raw_bytes.xlsx", listFailed, "ist kein gültiges XML"},
    {"xlsx_long_shared_string_everywhere.xlsx", listFailed, "die Zeile 2 enthält mehr als 16 MB Text"},
    {"xlsx_row_backwards.xlsx", listFailed, "die Zeile 3 steht nach der Zeile 5"},
    {"xlsx_row_huge_digits.xlsx", listFailed, "„99999999999999999999…“ (nach Zeile 1), die keine Zeilennummer ist"},
    {"xlsx_row_int_max_then_next.xlsx", listFailed, "„2147483647“ (nach Zeile 1), die keine Zeilennummer ist"},
    {"xlsx_row_negative.xlsx", listFailed, "„-5“ (nach Zeile 1), die keine Zeilennummer ist"},
    {"xlsx_row_not_digits.xlsx", listFailed, "„12abc“ (nach Zeile 1), die keine Zeilennummer ist"},
    {"xlsx_row_past_last.xlsx", listFailed, "„1048577“ (nach Zeile 1), die keine Zeilennummer ist (1 bis 1.048.576)"},
    {"xlsx_row_past_uint32.xlsx", listFailed, "„4294967297“ (nach Zeile 1), die keine Zeilennummer ist"},
    {"xlsx_row_zero.xlsx", listFailed, "„0“ (nach Zeile 1), die keine Zeilennummer ist"},
    {"xlsx_shared_string_index_overflow.xlsx", listWithUncomputedRows,
     "Zelle C2 verweist auf einen Text, den die Datei nicht enthält"},
    {"xlsx_unused_shared_strings.xlsx", listComplete, ""},
    {"zip_bomb_content.ods", listFailed, "von mehr als 4 MB; so etwas steht in keiner Tabelle"},
    {"zip_bomb_sheet.xlsx", listFailed, "von mehr als 4 MB; so etwas steht in keiner Tabelle"},
    {"zip_lying_size.ods", listFailed, "ist ein beschädigtes oder unvollständiges ZIP-Archiv"},
    {"zip_stored_noise.xlsx", listFailed, "der Teil „xl/workbook.xml“ der Datei ist kein gültiges XML"},
    {"zip_truncated.ods", listFailed, "ist ein beschädigtes oder unvollständiges ZIP-Archiv"},
};

class HostileWorkbook : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileWorkbook, EndsWithinItsMemoryWithItsAnswer)
{
    // Into a file: the sheet is then read as it streams, not unpacked to
    // nothing first (which finds a ZIP bomb before the XML does).
    const std::string path = std::string{TARVOLIN_HOSTILE_WORKBOOKS} + "/" + GetParam().file;
    const testing::ScratchFolder folder;
    // Then to standard output, which cannot take back what it was given: a
    // refused table writes nothing there (it is read to its end first).
    const testing::CappedRun run = testing::runWithMemoryCap(budget, [&] {
        std::istringstream in;
        std::ostringstream out, err, piped, pipedErr;
        const int status = runStaffListCommand({"--list", path, "--today", "07.12.2026", "--output", "liste.csv"},
                                               {in, out, err, false}, {});
        const int pipedStatus =
            runStaffListCommand({"--list", path, "--today", "07.12.2026"}, {in, piped, pipedErr, false}, {});
        const bool wroteAndFailed = pipedStatus == listFailed && !piped.str().empty();
        return std::to_string(status) + " " + std::to_string(pipedStatus) + (wroteAndFailed ? " written" : " ")
               + err.str();
    });
    ASSERT_TRUE(run.finished) << GetParam().file << ": " << run.how;
    const std::string status = std::to_string(GetParam().status);
    EXPECT_EQ(run.answer.substr(0, 4), status + " " + status + " ") << run.answer;
    EXPECT_FALSE(run.answer.starts_with(status + " " + status + " written")) << "a refused table wrote a list";
    EXPECT_NE(run.answer.find(GetParam().says), std::string::npos) << run.answer;
}

INSTANTIATE_TEST_SUITE_P(, HostileWorkbook, ::testing::ValuesIn(hostile), [](const auto& info) {
    std::string name = info.param.file;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

// Every file of the folder has its row: a new hostile workbook is not left
// out of the test by being forgotten here.
TEST(HostileWorkbooks, EachFileOfTheFolderHasItsRow)
{
    std::set<std::string> rows, files;
    for (const Hostile& h : hostile)
        rows.insert(h.file);
    for (const auto& entry : std::filesystem::directory_iterator{TARVOLIN_HOSTILE_WORKBOOKS})
        if (entry.path().extension() != ".py")
            files.insert(entry.path().filename().string());
    EXPECT_EQ(rows, files);
}

} // namespace
} // namespace tarvolin
