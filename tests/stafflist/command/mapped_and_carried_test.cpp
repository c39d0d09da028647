// A table with its own headers: mapped once with --columns, refused with
// every missing input named and the headers found; its other columns
// carried through into the result and, on request, into a report; no cell
// that a spreadsheet could run as a formula; the workbook written read back
// as the CSV's cells.

#include "stafflist/tables/csv_reader.h"
#include "stafflist/command/csv_writer.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tarvolin {
namespace {

struct Listed {
    int status;
    std::string out, err;
};

Listed list(std::vector<std::string> args, const std::string& table = "")
{
    std::istringstream in{table};
    std::ostringstream out, err;
    args.insert(args.begin(), "--list");
    args.insert(args.end(), {"--today", "07.12.2026"});
    const int status = runStaffListCommand(args, {in, out, err, false}, {});
    return {status, out.str(), err.str()};
}

std::vector<std::vector<std::string>> records(const std::string& csv)
{
    std::istringstream in{csv};
    CsvReader reader{in};
    TableRecord r;
    std::vector<std::vector<std::string>> all;
    if (reader.readHeader(r) != CsvReader::Header::Read)
        return all;
    all.push_back(r.fields);
    while (reader.next(r))
        all.push_back(r.fields);
    return all;
}

const std::string foreign = "Nr;Familie;Geboren;Start im öD;Abteilung\n"
                            "1001;Meier;10.03.1955;01.04.1990;IT\n"
                            "1002;Schulz;01.02.1962;01.08.1987;Personal\n";

struct MappingCase {
    const char* name;
    std::string mapping;
    int status;
    const char* onStandardError; // "" for nothing in particular
};

void PrintTo(const MappingCase& c, std::ostream* os) { *os << c.name; }

class Mappings : public ::testing::TestWithParam<MappingCase> {};

TEST_P(Mappings, MapTheTablesOwnHeaders)
{
    const testing::ScratchFolder folder;
    testing::writeFile("spalten.txt", {GetParam().mapping.begin(), GetParam().mapping.end()});
    const Listed r = list({"-", "--columns", "spalten.txt"}, foreign);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_NE(r.err.find(GetParam().onStandardError), std::string::npos) << r.err;
    if (r.status == listComplete) {
        EXPECT_NE(r.out.find("1001;Meier;;IT;10.03.1955;01.04.1990;"), std::string::npos) << r.out;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Mappings,
    ::testing::Values(
        MappingCase{"EveryInputMapped",
                    "# Personalabteilung\nPersonalnummer = Nr\nName = Familie\r\nGeburtstag = Geboren\n"
                    "Dienstbezüge ab = Start im öD\nStichtag = nicht vorhanden\n",
                    listComplete, ""},
        MappingCase{"InputsBySpellingHeadersWithoutCase",
                    "Pers.-Nr. = NR\nNachname = familie\ngeb. am = GEBOREN\nEintritt = start im oed\n", listComplete, ""},
        MappingCase{"AHeaderTheTableLacks", "Geburtstag = Geburt\n", listFailed,
                    "der Zuordnung „Geburtstag = Geburt“ fehlt die Spalte „Geburt“ in der Kopfzeile"},
        MappingCase{"NoEqualsSign", "Geburtstag Geboren\n", listFailed,
                    "--columns „spalten.txt“, Zeile 1 „Geburtstag Geboren“: es fehlt das Gleichheitszeichen"},
        MappingCase{"NoSuchInput", "Lieblingsfarbe = Nr\n", listFailed, "„Lieblingsfarbe“ ist keine Eingabe von Tarvolin"},
        MappingCase{"AnInputTwice", "Geburtstag = Nr\ngeb. am = Familie\n", listFailed, "„Geburtstag“ ist schon einmal zugeordnet"},
        MappingCase{"OneColumnForTwoInputs", "Geburtstag = Geboren\nDienstbezüge ab = Geboren\n", listFailed,
                    "eine Spalte kann nur eines sein"},
        MappingCase{"ARequiredInputNotPresent", "Geburtstag = nicht vorhanden\n", listFailed,
                    "die Spalten „Geburtstag“ und „Dienstbezüge ab“ fehlen"}),
    [](const auto& info) { return std::string{info.param.name}; });

TEST(MissingColumns, AreAllNamedWithTheHeadersFoundAndTheWayToMapThem)
{
    const Listed r = list({"-"}, foreign);
    EXPECT_EQ(r.status, listFailed);
    EXPECT_EQ(r.err, "tarvolin --list: Datei „Standardeingabe“, Zeile 1: die Spalten „Geburtstag“ und „Dienstbezüge ab“ "
                     "fehlen in der Kopfzeile.\n  Spalten der Tabelle: „Nr“, „Familie“, „Geboren“, „Start im öD“, "
                     "„Abteilung“\n  Eine Datei mit Zeilen wie „Geburtstag = Geb.-Datum“ ordnet sie zu: --columns DATEI\n");
    EXPECT_EQ(r.out, "");
}

const std::string staff = "Personalnummer;Name;Vorname;Abteilung;Geburtstag;Dienstbezüge ab;E-Mail;Straße\n"
                          "1001;Meier;Anna;IT;10.03.1955;01.04.1990;a@x.de;Ring 1\n"
                          "1002;Schulz;Bernd;=1+1;01.02.1962;01.04.2002;b@x.de;\n";

TEST(CarriedColumns, StandAfterTheNamesInTheirOrder)
{
    const auto lines = records(list({"-"}, staff).out);
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<std::string> head(lines[0].begin(), lines[0].begin() + 7);
    EXPECT_EQ(head, (std::vector<std::string>{"Personalnummer", "Name", "Vorname", "Abteilung", "E-Mail", "Straße", "Geburtstag"}));
    EXPECT_EQ(lines[1][3] + "|" + lines[1][4] + "|" + lines[1][5], "IT|a@x.de|Ring 1");
    // A cell a spreadsheet would take for a formula keeps its text, behind an apostrophe.
    EXPECT_EQ(lines[2][3], "'=1+1");
}

TEST(CarriedColumns, AReportShowsTheOnesAskedFor)
{
    const Listed r = list({"-", "--anniversaries", "2027", "--with", "abteilung"}, staff);
    EXPECT_EQ(r.status, listComplete) << r.err;
    const auto lines = records(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Datum", "Jubiläum", "Personalnummer", "Name", "Vorname", "Abteilung", "JDA-Beginn"}));
    EXPECT_EQ(lines[1], (std::vector<std::string>{"01.04.2027", "25", "1002", "Schulz", "Bernd", "'=1+1", "01.04.2002"}));

    const Listed unknown = list({"-", "--retirements", "2027", "--with", "Dienststelle"}, staff);
    EXPECT_EQ(unknown.status, listFailed);
    EXPECT_NE(unknown.err.find("--with „Dienststelle“: die Tabelle hat keine solche Spalte; mitführen lassen sich "
                               "„Abteilung“, „E-Mail“, „Straße“"),
              std::string::npos)
        << unknown.err;
}

struct FormulaCell {
    const char* text;
    bool defended;
};

TEST(FormulaDefence, TextsThatCouldRunAreDefendedNumbersAndDatesAreNot)
{
    for (const FormulaCell c : {FormulaCell{"=HYPERLINK(\"x\")", true}, {"+49 221 1", true}, {"-rm", true}, {"@SUM(A1)", true},
                                {"\tx", true}, {"\rx", true}, {"-", true}, {"-3", false}, {"+1,5", false}, {"-0.25", false},
                                {"10.03.1955", false}, {"Meier", false}, {"", false}, {"1-2", false}}) {
        EXPECT_EQ(couldRunAsFormula(c.text), c.defended) << c.text;
    }
    std::string line;
    appendCsvLine(line, std::vector<std::string>{"=1;2", "-3", "@x"});
    EXPECT_EQ(line, "\"'=1;2\";-3;'@x\r\n");
}

// What the workbook holds is what the CSV holds: the reader of .xlsx reads
// Tarvolin's own workbook back cell for cell, dates and counts included.
TEST(Workbook, ReadsBackAsTheCsv)
{
    const testing::ScratchFolder folder;
    std::string table{staff};
    table += "1003;Lang;Eva;;31.02.1970;01.01.2003;;\n"; // a row that is not computed
    testing::writeFile("personal.csv", {table.begin(), table.end()});
    const Listed csv = list({"personal.csv"});
    const Listed xlsx = list({"personal.csv", "--output", "liste.xlsx"});
    EXPECT_EQ(xlsx.status, csv.status) << xlsx.err;
    ASSERT_TRUE(std::filesystem::exists("liste.xlsx"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator{"."}, std::filesystem::directory_iterator{}), 2)
        << "nothing but the table and the workbook";

    ListInput input;
    std::istringstream none;
    input.open("liste.xlsx", none); // Tarvolin's result has no "Dienstbezüge ab" of its own to compute again
    std::vector<std::vector<std::string>> read{input.header()};
    TableRecord r;
    while (input.reader().next(r)) {
        r.fields.resize(read.front().size());
        read.push_back(r.fields);
    }
    auto expected = records(csv.out);
    for (auto& line : expected)
        for (std::string& cell : line)
            if (cell.starts_with("'")) // the apostrophe is CSV's; the workbook holds the text as text
                cell.erase(0, 1);
    EXPECT_EQ(read, expected);
}

// A report's workbook takes its own date and years as date and number, and a
// column of the table carried along as the text it is, whatever its head:
// a code "007" under a head "Jubiläum" keeps its zeros.
TEST(Workbook, ACarriedColumnStaysTextWhateverItsHead)
{
    const testing::ScratchFolder folder;
    const std::string table = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Jubiläum\n"
                              "1002;Schulz;Bernd;01.02.1962;01.04.2002;007\n";
    testing::writeFile("personal.csv", {table.begin(), table.end()});
    const Listed r = list({"personal.csv", "--anniversaries", "2027", "--with", "Jubiläum", "--output", "bericht.xlsx"});
    ASSERT_EQ(r.status, listComplete) << r.err;
    ListInput input;
    std::istringstream none;
    input.open("bericht.xlsx", none);
    TableRecord record;
    ASSERT_TRUE(input.reader().next(record));
    EXPECT_EQ(input.header(), (std::vector<std::string>{"Datum", "Jubiläum", "Personalnummer", "Name", "Vorname",
                                                        "Jubiläum", "JDA-Beginn"}));
    EXPECT_EQ(record.fields, (std::vector<std::string>{"01.04.2027", "25", "1002", "Schulz", "Bernd", "007", "01.04.2002"}));
}

} // namespace
} // namespace tarvolin
