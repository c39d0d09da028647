// What a sheet may make the reader hold: repetition counted, never spelled
// out; the bounds of a cell, a row and a table said in German; row numbers
// that are none refused, naming the row; shared texts that no cell uses
// costing nothing. Memory is bounded by a cap on the child process that
// reads (memory_cap.h), never by a clock.

#include "stafflist/computation/list_input.h"
#include "tests/output/scratch_folder.h"
#include "tests/stafflist/memory_cap.h"
#include "tests/stafflist/workbooks.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace tarvolin {
namespace {

using testing::odsOf;
using testing::xlsxOf;

std::string odsRow(const std::string& cells, std::uint64_t repeated = 1)
{
    const std::string r = repeated == 1 ? "" : " table:number-rows-repeated=\"" + std::to_string(repeated) + "\"";
    return "<table:table-row" + r + ">" + cells + "</table:table-row>";
}

std::string odsText(const std::string& text, std::uint64_t repeated = 1)
{
    const std::string r = repeated == 1 ? "" : " table:number-columns-repeated=\"" + std::to_string(repeated) + "\"";
    return "<table:table-cell office:value-type=\"string\"" + r + "><text:p>" + text + "</text:p></table:table-cell>";
}

std::string odsEmpty(std::uint64_t repeated)
{
    return "<table:table-cell table:number-columns-repeated=\"" + std::to_string(repeated) + "\"/>";
}

const std::string odsHeader = odsRow(odsText("Geburtstag") + odsText("Eintritt"));

std::string inline_(const std::string& ref, const std::string& text)
{
    return "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

// A row with its r="..." as given (nullptr: none).
std::string xlsxRow(const char* r, const std::string& text = "x")
{
    return std::string{"<row"} + (r != nullptr ? std::string{" r=\""} + r + "\"" : "") + ">" + inline_("A1", text) + "</row>";
}

const std::string xlsxHeader = "<row r=\"1\">" + inline_("A1", "Geburtstag") + inline_("B1", "Eintritt") + "</row>";

// Every record after the header as "line:field|field", or the reader's
// failure; read in a child capped at `budget` bytes more than it has.
std::string readCapped(const std::string& bytes, const char* extension, std::size_t budget = 64 << 20)
{
    const testing::ScratchFolder folder;
    const std::string path = std::string{"tabelle"} + extension;
    testing::writeBytes(path, bytes);
    const testing::CappedRun run = testing::runWithMemoryCap(budget, [&] {
        std::istringstream none;
        ListInput input;
        if (std::string e = input.open(path, none, {"", {}, false}); !e.empty())
            return "geöffnet: " + e;
        std::string seen;
        TableRecord r;
        while (input.reader().next(r)) {
            seen += std::to_string(r.line) + ":";
            for (std::size_t i = 0; i < r.fields.size() && i < 4; ++i)
                seen += (i > 0 ? "|" : "") + r.fields[i].substr(0, 20);
            seen += r.problem.empty() ? " " : " (" + r.problem + ") ";
        }
        if (const std::string e = input.reader().failure(); !e.empty())
            seen += "Fehler: " + e;
        return seen;
    });
    return run.finished ? run.answer : "abgebrochen: " + run.how;
}

struct Bounded {
    const char* name;
    std::function<std::string()> file; // made when the test runs
    const char* extension;
    const char* read; // the records, or a part of the failure
};

void PrintTo(const Bounded& c, std::ostream* os) { *os << c.name; }

const Bounded bounded[] = {
    {"RepeatedRowsEachWithItsLine", [] { return odsOf({{"T", odsHeader + odsRow(odsText("a") + odsText("b"), 3)}}); },
     ".ods", "2:a|b 3:a|b 4:a|b "},
    {"RepeatedCellsWhereTheyHoldAValue", [] { return odsOf({{"T", odsHeader + odsRow(odsText("a", 3) + odsEmpty(9) + odsText("b"))}}); },
     ".ods", "2:a|a|a| "},
    {"TrailingEmptyCellsAndRowsCostNothing",
     [] {
         return odsOf({{"T", odsHeader + odsRow(odsText("a") + odsEmpty(16383)) + odsRow(odsEmpty(16384), 1'000'000)
                                 + odsRow(odsText("z"))}});
     },
     ".ods", "2:a 1000003:z "},
    {"CountedBlanks", [] { return odsOf({{"T", odsHeader + odsRow(odsText("a<text:s text:c=\"3\"/>b<text:s/>c<text:s text:c=\"-1\"/>d"))}}); },
     ".ods", "2:a   b c d "},
    {"BlanksPastTheCellAreNotSpelledOut",
     [] { return odsOf({{"T", odsHeader + odsRow(odsText("a<text:s text:c=\"18446744073709551615\"/>b"))}}); },
     ".ods", "(die Zelle A2 enthält mehr als 1 MB Text)"},
    {"ThousandsOfBlankBombsInRepeatedCells",
     [] {
         std::string bomb;
         for (int i = 0; i < 2000; ++i)
             bomb += "<text:s text:c=\"1000\"/>";
         return odsOf({{"T", odsHeader + odsRow(odsText(bomb, 1000), 10)}});
     },
     ".ods", "die Zeile 2 enthält mehr als 16 MB Text"},
    {"AWholeSheetOfOneRepeatedValue", [] { return odsOf({{"T", odsHeader + odsRow(odsText("x", 16384), 100'000)}}); },
     ".ods", "die Tabelle hat mehr als 50 Millionen Zellen mit einem Wert"},
    {"AGigabyteOfRepeatedText",
     [] { return odsOf({{"T", odsHeader + odsRow(odsText(std::string(1'000'000, 'x'), 15), 80)}}); },
     ".ods", "die Tabelle hat mehr als 1 GB Text in ihren Zellen"},
    {"ARowRepeatedTooOften", [] { return odsOf({{"T", odsHeader + odsRow(odsText("x"), 100'001)}}); },
     ".ods", "eine Zeile wiederholt sich mehr als 100.000-mal"},
    {"AValuePastTheLastRow", [] { return odsOf({{"T", odsHeader + odsRow(odsEmpty(3), 1'048'575) + odsRow(odsText("x"))}}); },
     ".ods", "die Zeile 1048577 liegt hinter der letzten Zeile, die eine Tabelle hat (1.048.576)"},
    {"RowsCountedInSixtyFourBits",
     [] { return odsOf({{"T", odsHeader + odsRow(odsEmpty(1), 18446744073709551615ULL) + odsRow(odsEmpty(1), 18446744073709551615ULL) + odsRow(odsText("x"))}}); },
     ".ods", "die Zeile 4611686018427387904 liegt hinter der letzten Zeile"},
    {"TenMegabytesOfTextInOneCell", [] { return xlsxOf({{"T", xlsxHeader + "<row r=\"2\">" + inline_("A2", std::string(10 << 20, 'x')) + "</row>"}}); },
     ".xlsx", "(die Zelle A2 enthält mehr als 1 MB Text)"},
    {"AnAttributeOfFiveMegabytes", [] { return xlsxOf({{"T", xlsxHeader + "<row r=\"2\" x=\"" + std::string(5 << 20, 'x') + "\"/>"}}); },
     ".xlsx", "von mehr als 4 MB"},
};

class SheetBounds : public ::testing::TestWithParam<Bounded> {};

TEST_P(SheetBounds, ReadWithinTheCap)
{
    const std::string read = readCapped(GetParam().file(), GetParam().extension);
    EXPECT_NE(read.find(GetParam().read), std::string::npos) << read;
}

INSTANTIATE_TEST_SUITE_P(Table, SheetBounds, ::testing::ValuesIn(bounded),
                         [](const auto& info) { return std::string{info.param.name}; });

struct RowNumbers {
    const char* name;
    std::vector<const char*> r; // each row's r="..." (nullptr: none)
    const char* read;
};

void PrintTo(const RowNumbers& c, std::ostream* os) { *os << c.name; }

const RowNumbers rowNumbers[] = {
    {"AscendingWithGaps", {"2", "5", "1048576"}, "2:x 5:x 1048576:x "},
    {"WithoutNumberTheNext", {"7", nullptr, nullptr}, "7:x 8:x 9:x "},
    {"NoneAfterTheLastRow", {"1048576", nullptr}, "nach der Zeile 1.048.576 folgt eine weitere"},
    {"Zero", {"0"}, "eine Zeile hat die Nummer „0“ (nach Zeile 1), die keine Zeilennummer ist (1 bis 1.048.576)"},
    {"Negative", {"-5"}, "die Nummer „-5“ (nach Zeile 1)"},
    {"WithASign", {"+8"}, "die Nummer „+8“ (nach Zeile 1)"},
    {"WithABlank", {" 7"}, "die Nummer „ 7“ (nach Zeile 1)"},
    {"Empty", {""}, "die Nummer „“ (nach Zeile 1)"},
    {"NotDigits", {"12abc"}, "die Nummer „12abc“ (nach Zeile 1)"},
    {"PastTheLastRow", {"1048577"}, "die Nummer „1048577“ (nach Zeile 1)"},
    {"PastIntMaxThenNone", {"2147483647", nullptr}, "die Nummer „2147483647“ (nach Zeile 1)"},
    {"PastUint32", {"4294967297"}, "die Nummer „4294967297“ (nach Zeile 1)"},
    {"PastUint64", {"18446744073709551617"}, "die Nummer „18446744073709551617“ (nach Zeile 1)"},
    {"LongerThanAMessageShows", {"99999999999999999999999999999999999999"}, "„99999999999999999999…“ (nach Zeile 1)"},
    {"Backwards", {"5", "3"}, "die Zeile 3 steht nach der Zeile 5; die Zeilen einer Tabelle stehen aufsteigend"},
    {"Twice", {"4", "4"}, "die Zeile 4 steht nach der Zeile 4"},
};

class XlsxRowNumbers : public ::testing::TestWithParam<RowNumbers> {};

TEST_P(XlsxRowNumbers, AreRowNumbersOrRefused)
{
    std::string rows = xlsxHeader;
    for (const char* r : GetParam().r)
        rows += xlsxRow(r);
    const std::string read = readCapped(xlsxOf({{"T", rows}}), ".xlsx");
    EXPECT_NE(read.find(GetParam().read), std::string::npos) << read;
}

INSTANTIATE_TEST_SUITE_P(Table, XlsxRowNumbers, ::testing::ValuesIn(rowNumbers),
                         [](const auto& info) { return std::string{info.param.name}; });

// Six million shared texts that no cell uses, and the three that cells do,
// one of them far past the texts kept whole: read with 24 MB, where keeping
// every text's place alone took 48 MB.
TEST(SharedStrings, OnlyThoseTheSheetUsesAreKept)
{
    std::vector<std::string> shared{"10.03.1955", "01.04.1980"};
    shared.resize(6'000'000);
    shared[5'999'998] = "Spät";
    std::string book = xlsxOf({{"T", xlsxHeader + "<row r=\"2\"><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c>"
                                                     "<c t=\"s\"><v>5999998</v></c><c t=\"s\"><v>6000000</v></c></row>"}},
                              shared);
    const std::string read = readCapped(book, ".xlsx", 24 << 20);
    EXPECT_EQ(read, "2:10.03.1955|01.04.1980|Spät ") << read;
}

} // namespace
} // namespace tarvolin
