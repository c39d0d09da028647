// What the staff list makes of tables that are not as they should be: each
// row of the table below is one input, the exit status it must give, and the
// German text that must stand on standard error or in the result.

#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

namespace tarvolin {
namespace {

constexpr std::string_view header = "Personalnummer;Name;Geburtstag;Dienstbezüge ab\n";

struct BadInput {
    const char* name;
    std::string table;
    int status;
    const char* onStandardError; // "" when nothing in particular
    const char* inResult;        // "" when nothing in particular
    bool fromFile = false;       // read from a file, not standard input
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

std::string withHeader(std::string_view rows) { return std::string{header} + std::string{rows}; }

const std::vector<BadInput> badInputs{
    {"MissingRequiredColumn", "Personalnummer;Name;Geburtstag\n1;A;01.01.1970\n", listFailed,
     "Zeile 1: die Spalte „Dienstbezüge ab“ fehlt in der Kopfzeile", ""},
    {"DuplicateColumn", "Geburtstag;Dienstbezüge ab;Name;Geburtstag\n01.01.1970;01.01.1990;A;01.01.1971\n", listFailed,
     "Zeile 1: Spalte 1 „Geburtstag“ und Spalte 4 „Geburtstag“ stehen beide für „Geburtstag“", ""},
    {"HeaderOnly", withHeader(""), listComplete, "keine Zeilen", "Personalnummer;Name;Vorname;Geburtstag"},
    {"EmptyFile", "", listFailed, "Zeile 1: die Datei ist leer", ""},
    {"UnknownSeparator", "Geburtstag|Dienstbezüge ab\n01.01.1970|01.01.1990\n", listFailed,
     "Zeile 1: in der Kopfzeile steht kein Trennzeichen", ""},
    {"BrokenQuoteTheNextRowStillComputed", withHeader("1;\"Meier;01.01.1970;01.01.1990\n2;Schulz;01.01.1970;01.01.1990\n"),
     listWithUncomputedRows, "", "Anführungszeichen ohne schließendes Gegenstück; die Zeile wird nicht berechnet\"\r\n"
                                 "2;Schulz;;01.01.1970;01.01.1990;"},
    {"TextAfterAClosingQuote", withHeader("1;\"Mei\"er;01.01.1970;01.01.1990\n"), listWithUncomputedRows, "",
     "Text nach dem schließenden Anführungszeichen"},
    {"QuotedFieldsWithLineBreakAndDoubledQuote",
     withHeader("1;\"Meier, \"\"Anna\"\"\nzweite Zeile\";01.01.1970;01.01.1990\n"), listComplete, "",
     "\"Meier, \"\"Anna\"\"\nzweite Zeile\";;01.01.1970;01.01.1990;"},
    {"InvalidUtf8ReadAsWindows1252", withHeader("1;M\xFCller;01.01.1970;01.01.1990\n"), listComplete,
     "wurden als Windows-1252 gelesen", "1;Müller;"},
    {"InvalidUtf8InAFileReadAsWindows1252", withHeader("1;M\xFCller;01.01.1970;01.01.1990\n"), listComplete,
     "wurden als Windows-1252 gelesen", "1;Müller;", true},
    {"ByteOrderMark", "\xEF\xBB\xBF" + withHeader("1;A;01.01.1970;01.01.1990\n"), listComplete, "",
     "1;A;;01.01.1970;01.01.1990;"},
    {"CommaTabAndIsoDates", "Geburtstag,Dienstbezüge ab\n1970-01-01,1990-01-01\n", listComplete, "",
     ";;;01.01.1970;01.01.1990;"},
    {"FifteenthPeriod",
     "Geburtstag;Dienstbezüge ab;Vorzeit 15 von;Vorzeit 15 bis\n01.01.1970;01.01.1995;01.01.1990;31.12.1990\n",
     listWithUncomputedRows, "", "nur 14 Zeilen für Vorzeiten"},
    {"ImpossibleDate", withHeader("1;A;31.02.2020;01.01.1990\n"), listWithUncomputedRows, "",
     "Zeile 2: Geburtstag „31.02.2020“ ist kein Datum (TT.MM.JJJJ); die Zeile wird nicht berechnet"},
    {"TwoDigitYearOfOneCentury", withHeader("1;A;01.01.1970;1.1.20\n"), listComplete, "",
     "Zeile 2: Dienstbezüge ab „1.1.20“ gelesen als 01.01.2020 (zweistelliges Jahr)"},
    {"TwoDigitYearWithSlashes", withHeader("1;A;01/09/82;01.01.2020\n"), listComplete, "",
     "Zeile 2: Geburtstag „01/09/82“ gelesen als 01.09.1982 (zweistelliges Jahr)"},
    {"TwoDigitYearOfTwoCenturies", withHeader("1;A;01.01.1970;1.1.35\n"), listWithUncomputedRows, "",
     "Zeile 2: Dienstbezüge ab „1.1.35“: Jahr bitte vierstellig eingeben; die Zeile wird nicht berechnet"},
    {"TwoDigitYearOfAPeriod",
     "Geburtstag;Dienstbezüge ab;Vorzeit 1 von;Vorzeit 1 bis\n10.03.1955;01.04.1990;1.9.35;31.08.1983\n", listComplete,
     "", "Zeile 2: Vorzeit 1 von „1.9.35“: Jahr bitte vierstellig eingeben; die Angabe bleibt unberücksichtigt"},
    {"ThreeDigitYearIsNoDate", withHeader("1;A;01.01.1970;1.1.202\n"), listWithUncomputedRows, "",
     "Zeile 2: Dienstbezüge ab „1.1.202“ ist kein Datum"},
    {"MissingBirthday", withHeader("1;A;;01.01.1990\n"), listWithUncomputedRows, "",
     "Zeile 2: Geburtstag fehlt; die Zeile wird nicht berechnet"},
    {"BirthdayTheWindowDoesNotAccept", withHeader("1;A;01.01.1920;01.01.1990\n"), listWithUncomputedRows, "",
     "Geburtstag 01.01.1920 liegt nicht zwischen 01.01.1930 und 31.12.2040"},
    {"RetirementAgeOutOfRange",
     "Geburtstag;Dienstbezüge ab;Ruhestandsalter\n10.03.1955;01.04.1990;99/0\n", listComplete, "",
     ";65/9;10.12.2020;"},
    {"ToDateBeforeFromDate",
     "Geburtstag;Dienstbezüge ab;Vorzeit 1 von;Vorzeit 1 bis\n10.03.1955;01.04.1990;01.03.1980;28.02.1980\n",
     listComplete, "", "Das Datum 28.02.1980 liegt   v o r   dem Datum 01.03.1980 und damit nicht in der richtigen Zeitrichtung."},
    {"TickThatIsNeitherYesNorNo",
     "Geburtstag;Dienstbezüge ab;Vorzeit 1 von;Vorzeit 1 bis;Vorzeit 1 öD\n10.03.1955;01.04.1990;01.03.1980;28.02.1981;vielleicht\n",
     listComplete, "", "Vorzeit 1 öD „vielleicht“ ist weder ja"},
    {"TooManyFields", withHeader("1;A;01.01.1970;01.01.1990;x\n"), listWithUncomputedRows, "",
     "5 Felder, die Kopfzeile hat nur 4"},
    {"SpreadsheetSeparatorLine", "sep=,\nGeburtstag,Dienstbezüge ab\n01.01.1970,01.01.1990\n", listComplete, "",
     ";;;01.01.1970;01.01.1990;"},
    {"Utf16", std::string{"\xFF\xFEG\0e\0", 6}, listFailed, "Zeile 1: die Datei ist in UTF-16 gespeichert", ""},
    {"QuoteOpenToTheEndOfTheFile", withHeader("1;A;01.01.1970;01.01.1990\n2;\"B;01.01.1970;01.01.1990\n"),
     listWithUncomputedRows, "", "1;A;;01.01.1970;01.01.1990;"},
    {"SecondByteOrderMark", "\xEF\xBB\xBF\xEF\xBB\xBF" + withHeader("1;A;01.01.1970;01.01.1990\n"), listFailed,
     "Zeile 1: die Datei beginnt mit zwei UTF-8-Kennungen", ""},
    {"Utf16WithoutByteOrderMark", std::string{"G\0e\0b\0;\0", 8}, listFailed,
     "Zeile 1: die Datei ist in UTF-16 gespeichert", ""},
    {"Utf16BigEndianWithoutByteOrderMark", std::string{"\0G\0e\0b\0;", 8}, listFailed,
     "Zeile 1: die Datei ist in UTF-16 gespeichert", ""},
    {"Utf32", std::string{"\xFF\xFE\0\0G\0\0\0", 8}, listFailed, "Zeile 1: die Datei ist in UTF-32 gespeichert", ""},
    {"Utf32WithoutByteOrderMark", std::string{"G\0\0\0e\0\0\0", 8}, listFailed,
     "Zeile 1: die Datei ist in UTF-32 gespeichert", ""},
    {"UnclosedQuoteInTheHeader", "\"Geburtstag;Dienstbezüge ab\n01.01.1970;01.01.1990\n", listFailed,
     "Zeile 1: in der Kopfzeile steht ein Anführungszeichen ohne schließendes Gegenstück", ""},
    {"ControlCharactersAndBidiOverridesShownEscaped",
     withHeader("1;A\x1B[2J\xE2\x80\xAEnnamnieM;01.01.1970;31.02.1990\n"), listWithUncomputedRows,
     "A[U+001B][2J[U+202E]nnamnieM", ""},
    {"ALineLongerThanAnyStaffRowIsCutAndSaid",
     withHeader("1;" + std::string(3 << 20, 'x') + ";01.01.1970;01.01.1990\n2;B;01.01.1970;01.01.1990\n"),
     listWithUncomputedRows, "", "Zeile länger als 1 MiB; der Rest der Zeile wurde übergangen"},
    {"CarriageReturnsOnly", "Geburtstag;Dienstbezüge ab\r01.01.1970;01.01.1990\r", listComplete, "",
     ";;;01.01.1970;01.01.1990;"},
};

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, GiveTheirStatusAndMessage)
{
    const BadInput& c = GetParam();
    const testing::ScratchFolder folder;
    std::string input = "-";
    if (c.fromFile) {
        input = "staff.csv";
        testing::writeFile(input, {c.table.begin(), c.table.end()});
    }
    std::istringstream in{c.table};
    std::ostringstream out, err;
    const int status = runStaffListCommand({"--list", input, "--today", "07.12.2026"}, {in, out, err, false}, {});
    EXPECT_EQ(status, c.status) << err.str();
    EXPECT_NE(err.str().find(c.onStandardError), std::string::npos) << err.str();
    EXPECT_NE(out.str().find(c.inResult), std::string::npos) << out.str();
    EXPECT_EQ(err.str().find('\x1B'), std::string::npos) << "no raw control character on a terminal";
    if (c.status == listFailed) {
        EXPECT_EQ(out.str(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputs, ::testing::ValuesIn(badInputs),
                         [](const ::testing::TestParamInfo<BadInput>& info) { return std::string{info.param.name}; });

// A file that the system will not let be read says why in German, and a
// file that changes while it is read writes no list.
TEST(UnreadableInputs, SayWhyInGermanAndWriteNothing)
{
    const testing::ScratchFolder folder;
    std::filesystem::create_directory("ordner.csv");
    struct Row {
        const char* name;
        std::string input;
        const char* message;
    };
    const Row rows[] = {
        {"missing", "fehlt.csv", "kann nicht gelesen werden (die Datei oder ihr Ordner ist nicht vorhanden)"},
        {"a folder", "ordner.csv", "das ist ein Ordner"},
        {"below a file", "fehlt.csv/x.csv", "kann nicht gelesen werden ("},
    };
    for (const Row& r : rows) {
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(runStaffListCommand({"--list", r.input}, {in, out, err, false}, {}), listFailed) << r.name;
        EXPECT_NE(err.str().find(r.message), std::string::npos) << r.name << ": " << err.str();
        for (const char* english : {"No such", "directory", "denied", "error"})
            EXPECT_EQ(err.str().find(english), std::string::npos) << r.name << ": " << err.str();
    }
}

// The table changes while it is read (an export still writing, a file
// replaced): it is noticed at the end, whatever the change.
TEST(UnreadableInputs, ATableThatChangesWhileItIsReadIsNoticed)
{
    struct Row {
        const char* name;
        std::function<void()> change;
        bool noticed;
    };
    const auto table = [] {
        std::string t = withHeader("");
        for (int i = 0; i < 5000; ++i)
            t += std::to_string(i) + ";A;01.01.1970;01.01.1990\n";
        return t;
    }();
    const Row rows[] = {
        {"unchanged", [] {}, false},
        {"a row appended", [] { std::ofstream{"staff.csv", std::ios::app} << "9;Z;01.01.1970;01.01.1990\n"; }, true},
        {"truncated", [] { std::filesystem::resize_file("staff.csv", 100); }, true},
        {"replaced by another file",
         [&] {
             testing::writeFile("neu.csv", {table.begin(), table.end()});
             std::filesystem::rename("neu.csv", "staff.csv");
         },
         true},
    };
    for (const Row& r : rows) {
        const testing::ScratchFolder folder;
        testing::writeFile("staff.csv", {table.begin(), table.end()});
        ListInput input;
        std::istringstream none;
        ASSERT_EQ(input.open("staff.csv", none), "") << r.name;
        TableRecord record;
        ASSERT_TRUE(input.reader().next(record)) << r.name;
        r.change();
        while (input.reader().next(record)) {
        }
        const std::string said = input.readingFailure();
        EXPECT_EQ(!said.empty(), r.noticed) << r.name << ": " << said;
        if (r.noticed) {
            EXPECT_NE(said.find("hat sich während des Lesens geändert"), std::string::npos) << r.name;
        }
    }
}

} // namespace
} // namespace tarvolin
