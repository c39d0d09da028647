// Spreadsheets read as staff tables: each kind of cell of an .xlsx and an
// .ods comes out as the spreadsheet shows it, and each bad file gets its
// German answer, exit status 2 and nothing written.

#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "tests/output/scratch_folder.h"
#include "tests/stafflist/workbooks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace tarvolin {
namespace {

using testing::odsOf;
using testing::xlsxOf;

struct SheetCase {
    const char* name;
    std::string file;       // the workbook's bytes
    const char* extension;  // ".xlsx", ".ods"
    std::vector<std::vector<std::string>> records; // header first
    std::vector<std::string> notes;                // of all records, in order
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.name; }

std::string cell(const char* ref, const char* attributes, const char* inside)
{
    return std::string{"<c r=\""} + ref + "\" " + attributes + ">" + inside + "</c>";
}

std::string row(int n, const std::string& cells) { return "<row r=\"" + std::to_string(n) + "\">" + cells + "</row>"; }

std::string odsRow(const std::string& cells, const char* attributes = "")
{
    return std::string{"<table:table-row "} + attributes + ">" + cells + "</table:table-row>";
}
std::string odsText(const char* text) { return std::string{"<table:table-cell office:value-type=\"string\"><text:p>"} + text + "</text:p></table:table-cell>"; }

const std::string xlsxHeader = row(1, cell("A1", "t=\"s\"", "<v>0</v>") + cell("B1", "t=\"inlineStr\"", "<is><t>Wert</t></is>"));

const std::vector<SheetCase> sheetCases{
    {"XlsxSharedAndInlineTextKeepLeadingZeros",
     xlsxOf({{"Tabelle1", xlsxHeader + row(2, cell("A2", "t=\"s\"", "<v>1</v>") + cell("B2", "t=\"inlineStr\"", "<is><r><t>Mei</t></r><r><t>er</t></r><rPh><t>x</t></rPh></is>"))}},
            {"Pers.-Nr.", "01001"}),
     ".xlsx", {{"Pers.-Nr.", "Wert"}, {"01001", "Meier"}}, {}},
    {"XlsxDatesOfThe1900System",
     xlsxOf({{"T", xlsxHeader + row(2, cell("A2", "s=\"1\"", "<v>20158</v>") + cell("B2", "s=\"2\"", "<v>20158.75</v>"))
                       + row(3, cell("A3", "s=\"1\"", "<v>59</v>") + cell("B3", "s=\"1\"", "<v>61</v>"))
                       + row(4, cell("A4", "s=\"1\"", "<v>60</v>") + cell("B4", "t=\"d\"", "<v>1990-04-01T00:00:00</v>"))}},
            {"Pers.-Nr."}),
     ".xlsx", {{"Pers.-Nr.", "Wert"}, {"10.03.1955", "10.03.1955"}, {"28.02.1900", "01.03.1900"}, {"29.02.1900", "01.04.1990"}}, {}},
    {"XlsxDatesOfThe1904System",
     xlsxOf({{"T", xlsxHeader + row(2, cell("A2", "s=\"1\"", "<v>0</v>") + cell("B2", "s=\"1\"", "<v>18696</v>"))}}, {"Pers.-Nr."}, true),
     ".xlsx", {{"Pers.-Nr.", "Wert"}, {"01.01.1904", "10.03.1955"}}, {}},
    {"XlsxNumbersFormulasBooleansAndZeroFormats",
     xlsxOf({{"T", xlsxHeader + row(2, cell("A2", "s=\"3\"", "<v>1001</v>") + cell("B2", "", "<f>A2+1</f><v>66.5</v>"))
                       + row(3, cell("A3", "t=\"str\"", "<f>\"x\"</f><v>66/2</v>") + cell("B3", "t=\"b\"", "<v>1</v>"))}},
            {"Pers.-Nr."}),
     ".xlsx", {{"Pers.-Nr.", "Wert"}, {"01001", "66,5"}, {"66/2", "ja"}}, {}},
    {"XlsxErrorCellsEmptyRowsAndGaps",
     xlsxOf({{"T", xlsxHeader + row(2, cell("A2", "", "")) + row(5, cell("B5", "t=\"e\"", "<v>#N/A</v>") + cell("D5", "t=\"inlineStr\"", "<is><t>d</t></is>"))}},
            {"Pers.-Nr."}),
     ".xlsx", {{"Pers.-Nr.", "Wert"}, {"", "", "", "d"}}, {"Zelle B5 enthält den Fehlerwert #NV und gilt als leer"}},
    {"XlsxTheSheetNamedLater", "", ".xlsx", {}, {}},
    {"OdsTextNumbersDatesAndRepeats",
     odsOf({{"Blatt1",
             odsRow(odsText("Pers.-Nr.") + odsText("Wert") + "<table:table-cell table:number-columns-repeated=\"1000\"/>")
                 + odsRow("<table:table-cell table:number-columns-repeated=\"3\"/>", "table:number-rows-repeated=\"5000\"")
                 + odsRow("<table:table-cell office:value-type=\"float\" office:value=\"1001\"><text:p>01001</text:p></table:table-cell>"
                          "<table:table-cell office:value-type=\"date\" office:date-value=\"1955-03-10T00:00:00\"><text:p>10.03.55</text:p></table:table-cell>")
                 + odsRow(odsText("a<text:s text:c=\"2\"/>b") + "<table:table-cell office:value-type=\"float\" office:value=\"2\"><text:p>2</text:p>"
                          "<office:annotation><text:p>Notiz</text:p></office:annotation></table:table-cell>",
                          "table:number-rows-repeated=\"2\"")}}),
     ".ods", {{"Pers.-Nr.", "Wert"}, {"01001", "10.03.1955"}, {"a  b", "2"}, {"a  b", "2"}}, {}},
    {"OdsErrorsBooleansAndParagraphs",
     odsOf({{"Blatt1", odsRow(odsText("A") + odsText("B"))
                           + odsRow("<table:table-cell office:value-type=\"string\" calcext:value-type=\"error\"><text:p>#NV</text:p></table:table-cell>"
                                    "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\"><text:p>FALSCH</text:p></table:table-cell>")
                           + odsRow(odsText("eins</text:p><text:p>zwei"))}}),
     ".ods", {{"A", "B"}, {"", "nein"}, {"eins\nzwei"}}, {"Zelle A2 enthält den Fehlerwert #NV und gilt als leer"}},
};

class SheetCells : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetCells, ComeOutAsTheSpreadsheetShowsThem)
{
    SheetCase c = GetParam();
    InputOptions options;
    if (c.file.empty()) {
        c.file = xlsxOf({{"Erstes", row(1, cell("A1", "t=\"inlineStr\"", "<is><t>falsch</t></is>"))},
                         {"Personal", xlsxHeader + row(2, cell("A2", "t=\"inlineStr\"", "<is><t>7</t></is>"))}},
                        {"Pers.-Nr."});
        c.records = {{"Pers.-Nr.", "Wert"}, {"7"}};
        options.sheet = "Personal";
    }
    const testing::ScratchFolder folder;
    const std::string path = std::string{"tabelle"} + c.extension;
    testing::writeBytes(path, c.file);
    ListInput input;
    std::istringstream none;
    // The header lacks the required columns; that is not what is tested here.
    const std::string opened = input.open(path, none, options);
    ASSERT_TRUE(opened.empty() || opened.find("fehlen in der Kopfzeile") != std::string::npos) << opened;
    std::vector<std::vector<std::string>> records{input.header()};
    std::vector<std::string> notes;
    TableRecord record;
    while (input.reader().next(record)) {
        records.push_back(record.fields);
        notes.insert(notes.end(), record.notes.begin(), record.notes.end());
    }
    EXPECT_EQ(input.reader().failure(), "");
    EXPECT_EQ(records, c.records);
    EXPECT_EQ(notes, c.notes);
}

INSTANTIATE_TEST_SUITE_P(Table, SheetCells, ::testing::ValuesIn(sheetCases),
                         [](const auto& info) { return std::string{info.param.name}; });

struct BadFile {
    const char* name;
    std::function<std::string()> bytes; // made when the test runs: some are large
    const char* extension;
    const char* message;
    std::vector<std::string> options = {};
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

std::string compoundFile(const std::string& streamName)
{
    std::string bytes = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(504, '\0');
    for (char ch : streamName)
        bytes += std::string{ch, '\0'};
    return bytes + std::string(1000, '\0');
}

std::string staffHeader() { return row(1, cell("A1", "t=\"inlineStr\"", "<is><t>Geburtstag</t></is>") + cell("B1", "t=\"inlineStr\"", "<is><t>Eintritt</t></is>")); }

std::string emptyCells(std::size_t n)
{
    std::string cells = "<row r=\"2\">";
    for (std::size_t i = 0; i < n; ++i)
        cells += "<c/>";
    return cells + "</row>";
}

const std::vector<BadFile> badFiles{
    {"PasswordProtected", [] { return compoundFile("EncryptedPackage"); }, ".xlsx", "die Datei ist mit einem Kennwort geschützt"},
    {"OldBinaryXls", [] { return compoundFile("Workbook"); }, ".xls", "im alten Format .xls; bitte in Excel oder LibreOffice als .xlsx oder CSV speichern"},
    {"BrokenZip", [] { return std::string{"PK\x03\x04", 4} + std::string(200, 'x'); }, ".xlsx", "ist ein beschädigtes oder unvollständiges ZIP-Archiv"},
    {"ZipOfSomethingElse", [] { return testing::zipOf({{"brief.txt", "Hallo"}}); }, ".xlsx", "weder eine Excel-Arbeitsmappe (.xlsx) noch eine OpenDocument-Tabelle"},
    {"ZipBomb", [] { return xlsxOf({{"T", staffHeader() + std::string(65u << 20, ' ')}}); }, ".xlsx", "sondern eine ZIP-Bombe"},
    {"MillionsOfEmptyCells", [] { return xlsxOf({{"T", staffHeader() + emptyCells(1'000'001)}}); }, ".xlsx", "mehr als eine Million leere Zellen"},
    {"EncryptedOds", [] { return odsOf({{"A", ""}}, "<manifest:encryption-data/>"); }, ".ods", "mit einem Kennwort geschützt"},
    {"BrokenXml", [] { return xlsxOf({{"T", staffHeader() + "<row><c><v>1</c>"}}); }, ".xlsx", "ist kein gültiges XML"},
    {"EmptySheet", [] { return xlsxOf({{"T", ""}}); }, ".xlsx", "das Tabellenblatt ist leer, es fehlt die Kopfzeile"},
    {"UnknownSheet", [] { return xlsxOf({{"Eins", staffHeader()}, {"Zwei", staffHeader()}}); }, ".xlsx",
     "die Arbeitsmappe hat kein Tabellenblatt „Drei“; sie hat „Eins“, „Zwei“", {"--sheet", "Drei"}},
    {"UnknownOdsSheet", [] { return odsOf({{"Eins", odsRow(odsText("Geburtstag"))}}); }, ".ods", "die Datei hat kein Tabellenblatt „Drei“; sie hat „Eins“", {"--sheet", "Drei"}},
};

class BadSpreadsheets : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadSpreadsheets, AreRefusedWithTheirMessage)
{
    const BadFile& c = GetParam();
    const testing::ScratchFolder folder;
    const std::string path = std::string{"personal"} + c.extension;
    testing::writeBytes(path, c.bytes());
    std::vector<std::string> args{"--list", path, "--today", "07.12.2026", "--output", "liste.csv"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(runStaffListCommand(args, {in, out, err, false}, {}), listFailed);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists("liste.csv"));
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(Table, BadSpreadsheets, ::testing::ValuesIn(badFiles),
                         [](const auto& info) { return std::string{info.param.name}; });

// A workbook on standard input is read as from a file.
TEST(Spreadsheets, AWorkbookOnStandardInput)
{
    const std::string book = xlsxOf({{"T", staffHeader() + row(2, cell("A2", "s=\"1\"", "<v>20158</v>") + cell("B2", "s=\"1\"", "<v>32964</v>"))}});
    std::istringstream in{book};
    std::ostringstream out, err;
    EXPECT_EQ(runStaffListCommand({"--list", "-", "--today", "07.12.2026"}, {in, out, err, false}, {}), listComplete) << err.str();
    EXPECT_NE(out.str().find(";;;10.03.1955;01.04.1990;"), std::string::npos) << out.str();
}

} // namespace
} // namespace tarvolin

namespace tarvolin {
namespace {

// The same staff as a spreadsheet writes it, in an HR export's spellings:
// as .xlsx (dates as date cells), as .ods and as a Windows-1252 CSV; each
// gives, without any mapping, the rows of the same data in Tarvolin's own
// headers.
TEST(Spreadsheets, AnHrExportInEveryFormGivesTheRowsOfTarvolinsOwnHeaders)
{
    const testing::ScratchFolder folder;
    auto run = [](const std::string& file) {
        std::istringstream in;
        std::ostringstream out, err;
        const int status = runStaffListCommand({"--list", file, "--today", "07.12.2026"}, {in, out, err, false}, {});
        EXPECT_EQ(status, listComplete) << file << ": " << err.str();
        return out.str();
    };
    const std::string own = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\n"
                            "01001;Müller;Jörg;10.03.1955;01.04.1990\n"
                            "1002;Schäfer;Anna;01.02.1962;01.08.1987\n";
    testing::writeBytes("own.csv", own);
    testing::writeBytes("export.csv", "Pers.-Nr.;Nachname;Vorname;Geburtsdatum;Eintritt\r\n"
                                      "01001;M\xFCller;J\xF6rg;10.03.1955;01.04.1990\r\n"
                                      "1002;Sch\xE4" "fer;Anna;1.2.1962;1987-08-01\r\n");
    auto text = [](const char* ref, const char* t) {
        return std::string{"<c r=\""} + ref + "\" t=\"inlineStr\"><is><t>" + t + "</t></is></c>";
    };
    auto date = [](const char* ref, int serial) {
        return std::string{"<c r=\""} + ref + "\" s=\"1\"><v>" + std::to_string(serial) + "</v></c>";
    };
    testing::writeBytes(
        "export.xlsx",
        xlsxOf({{"Personal", row(1, text("A1", "Pers.-Nr.") + text("B1", "Nachname") + text("C1", "Vorname")
                                        + text("D1", "Geburtsdatum") + text("E1", "Eintritt"))
                                 + row(2, text("A2", "01001") + text("B2", "Müller") + text("C2", "Jörg")
                                              + date("D2", 20158) + date("E2", 32964))
                                 + row(3, "<c r=\"A3\"><v>1002</v></c>" + text("B3", "Schäfer") + text("C3", "Anna")
                                              + date("D3", 22678) + date("E3", 31990))}}));
    auto odsDate = [](const char* iso) {
        return std::string{"<table:table-cell office:value-type=\"date\" office:date-value=\""} + iso
               + "\"><text:p>x</text:p></table:table-cell>";
    };
    testing::writeBytes(
        "export.ods",
        odsOf({{"Personal", odsRow(odsText("Pers.-Nr.") + odsText("Nachname") + odsText("Vorname") + odsText("geb. am")
                                   + odsText("Eintrittsdatum"))
                                + odsRow(odsText("01001") + odsText("Müller") + odsText("Jörg") + odsDate("1955-03-10")
                                         + odsDate("1990-04-01"))
                                + odsRow("<table:table-cell office:value-type=\"float\" office:value=\"1002\"><text:p>1002</text:p></table:table-cell>"
                                         + odsText("Schäfer") + odsText("Anna") + odsDate("1962-02-01") + odsDate("1987-08-01"))}}));
    const std::string expected = run("own.csv");
    EXPECT_NE(expected.find("01001;Müller;Jörg;10.03.1955;01.04.1990;"), std::string::npos) << expected;
    for (const char* file : {"export.csv", "export.xlsx", "export.ods"})
        EXPECT_EQ(run(file), expected) << file;
}

} // namespace
} // namespace tarvolin
