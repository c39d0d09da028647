// The table readers on their own, without the staff list's columns: the
// dates a cell may hold, and any file kind opened to the same header and
// records, or refused with the same words.

#include "stafflist/tables/table_date.h"
#include "stafflist/tables/table_file.h"
#include "tests/stafflist/workbooks.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

struct DateCell {
    const char* text;
    std::optional<Date> day;
};

TEST(TableDates, TheFourFormsOfARealDayAndNothingElse)
{
    const auto day = [](int y, unsigned m, unsigned d) { return Date::fromYmd(y, m, d); };
    for (const DateCell& c : std::vector<DateCell>{
             {"10.03.1955", day(1955, 3, 10)},
             {"1.3.1955", day(1955, 3, 1)},
             {"10/03/1955", day(1955, 3, 10)},
             {"1955-03-10", day(1955, 3, 10)},
             {"29.02.2024", day(2024, 2, 29)},
             {"29.02.2023", std::nullopt}, // no such day
             {"31.04.2020", std::nullopt},
             {"10.03.55", std::nullopt}, // a two-digit year is the window's business
             {"1/3/1955", std::nullopt},
             {"1955-3-10", std::nullopt},
             {" 10.03.1955", std::nullopt}, // the caller trims
             {"10.03.1955 ", std::nullopt},
             {"10.03.01955", std::nullopt},
             {"0000-01-01", std::nullopt},
             {"10..1955", std::nullopt},
             {"", std::nullopt},
         })
        EXPECT_EQ(parseTableDate(c.text), c.day) << c.text;
}

struct OpenedTable {
    const char* name;
    std::string bytes;
    std::string problem; // empty: opens
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> records;
};

void PrintTo(const OpenedTable& c, std::ostream* os) { *os << c.name; }

class TableFiles : public ::testing::TestWithParam<OpenedTable> {};

TEST_P(TableFiles, OpenToTheirHeaderAndRecords)
{
    const OpenedTable& c = GetParam();
    std::istringstream in{c.bytes};
    TableFile file;
    EXPECT_EQ(file.open("-", in), c.problem);
    EXPECT_EQ(file.fileInMessages(), "Datei „Standardeingabe“");
    if (!c.problem.empty())
        return;
    EXPECT_EQ(file.header(), c.header);
    std::vector<std::vector<std::string>> records;
    TableRecord record;
    while (file.reader().next(record))
        records.push_back(record.fields);
    EXPECT_EQ(records, c.records);
    EXPECT_EQ(file.readingFailure(), "");
}

const std::string sheetRows = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
                              "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>0042</t></is></c>"
                              "<c r=\"B2\" s=\"2\"><v>20158</v></c></row>";
const std::string odsRows = "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>Name</text:p>"
                            "</table:table-cell><table:table-cell office:value-type=\"string\"><text:p>Geburtstag"
                            "</text:p></table:table-cell></table:table-row><table:table-row><table:table-cell "
                            "office:value-type=\"string\"><text:p>Öztürk</text:p></table:table-cell><table:table-cell "
                            "office:value-type=\"date\" office:date-value=\"1955-03-10\"/></table:table-row>";

const std::vector<OpenedTable> openedTables{
    {"Csv", "Name;Geburtstag\r\nMeier;10.03.1955\r\n\r\nSchulz;\n", "", {"Name", "Geburtstag"},
     {{"Meier", "10.03.1955"}, {"Schulz", ""}}},
    {"CsvInWindows1252", "Name\tOrt\nM\xFCller\tK\xF6ln\n", "", {"Name", "Ort"}, {{"Müller", "Köln"}}},
    {"Xlsx", testing::xlsxOf({{"Tabelle1", sheetRows}}, {"Personalnummer", "Geburtstag"}), "",
     {"Personalnummer", "Geburtstag"}, {{"0042", "10.03.1955"}}},
    {"Ods", testing::odsOf({{"Tabelle1", odsRows}}), "", {"Name", "Geburtstag"}, {{"Öztürk", "10.03.1955"}}},
    {"Empty", "", "Datei „Standardeingabe“, Zeile 1: die Datei ist leer, es fehlt die Kopfzeile."},
    {"Utf16", std::string{"\xFF\xFEN\0a\0m\0e\0", 10},
     "Datei „Standardeingabe“, Zeile 1: die Datei ist in UTF-16 gespeichert; bitte als CSV (UTF-8 oder "
     "Windows-1252) speichern."},
    {"ZipOfNoSpreadsheet", testing::zipOf({{"readme.txt", "hallo"}}),
     "Datei „Standardeingabe“ ist ein ZIP-Archiv, aber weder eine Excel-Arbeitsmappe (.xlsx) noch eine "
     "OpenDocument-Tabelle (.ods)."},
    {"EmptySheet", testing::xlsxOf({{"Leer", ""}}),
     "Datei „Standardeingabe“: das Tabellenblatt ist leer, es fehlt die Kopfzeile."},
};

INSTANTIATE_TEST_SUITE_P(Table, TableFiles, ::testing::ValuesIn(openedTables),
                         [](const auto& info) { return std::string{info.param.name}; });

} // namespace
} // namespace tarvolin
