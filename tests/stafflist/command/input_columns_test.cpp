// The input columns: every spelling a clerk's table may use finds its column,
// no spelling fits two, two columns for one input are refused naming both,
// and a table in an HR system's spellings gives the same rows as the same
// table in Tarvolin's own headers.

#include "stafflist/command/list_command.h"
#include "stafflist/computation/staff_table.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace tarvolin {
namespace {

struct SpellingGroup {
    const char* name;
    std::vector<std::string> headers;
    std::string input; // as slotName gives it
};

void PrintTo(const SpellingGroup& g, std::ostream* os) { *os << g.name; }

const std::vector<SpellingGroup> spellingGroups{
    {"PersonnelNumber",
     {"Personalnummer", "Pers.-Nr.", "PersNr", "Personal-Nr.", "Mitarbeiternummer", "PERS_NR", "Mitarbeiter-Nr."},
     "Personalnummer"},
    {"Name", {"Name", "Nachname", "Familienname", "NACHNAME"}, "Name"},
    {"FirstName", {"Vorname", "vorname", "Vor-Name"}, "Vorname"},
    {"Birthday", {"Geburtstag", "Geburtsdatum", "geb. am", "Geb.-Datum", "GEBURTSDATUM"}, "Geburtstag"},
    {"PayStart",
     {"Dienstbezüge ab", "Dienstbezuege_ab", "Eintritt", "Eintrittsdatum", "Beginn", "Einstellungsdatum",
      "Diensteintritt"},
     "Dienstbezüge ab"},
    {"ReferenceDate", {"Stichtag", "STICHTAG"}, "Stichtag"},
    {"RetirementAge", {"Ruhestandsalter", "Renteneintrittsalter"}, "Ruhestandsalter"},
    {"PeriodFrom", {"Vorzeit 3 von", "Vorzeit3von", "Vordienstzeit 3 von", "Vorzeit 3 Beginn"}, "Vorzeit 3 von"},
    {"PeriodTo", {"Vorzeit 14 bis", "Vordienstzeit 14 bis", "vorzeit_14_ende"}, "Vorzeit 14 bis"},
    {"PeriodTick", {"Vorzeit 1 öD", "Vorzeit 1 oeD", "VORZEIT 1 ÖD", "Vorzeit 1 öffentlicher Dienst"}, "Vorzeit 1 öD"},
    {"PeriodDescription", {"Vorzeit 2 Bezeichnung", "Vordienstzeit 2 Bezeichnung", "Vorzeit 2 Art"},
     "Vorzeit 2 Bezeichnung"},
    {"Salutation", {"Anrede"}, "Anrede"},
    {"Gender", {"Geschlecht"}, "Geschlecht"},
    {"Street", {"Straße", "Strasse", "STRASSE", "Str."}, "Straße"},
    {"HouseNumber", {"Hausnummer", "Hausnr.", "Haus-Nr."}, "Hausnummer"},
    {"PostalCode", {"PLZ", "Postleitzahl"}, "PLZ"},
    {"Town", {"Ort", "Wohnort"}, "Ort"},
};

class SpellingGroups : public ::testing::TestWithParam<SpellingGroup> {};

TEST_P(SpellingGroups, EachSpellingFindsItsInput)
{
    for (const std::string& header : GetParam().headers) {
        const auto match = matchHeader(header);
        ASSERT_TRUE(match.has_value()) << header;
        EXPECT_EQ(slotName({match->column, match->period}), GetParam().input) << header;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SpellingGroups, ::testing::ValuesIn(spellingGroups),
                         [](const auto& info) { return std::string{info.param.name}; });

TEST(InputColumns, NoSpellingFitsTwoInputsAndOthersFitNone)
{
    std::map<std::string, std::string> owner;
    for (const InputColumn& c : inputColumns) {
        std::string_view rest = c.spellings;
        std::vector<std::string_view> all{c.name};
        for (; !rest.empty(); rest = rest.find('|') == std::string_view::npos ? "" : rest.substr(rest.find('|') + 1))
            all.push_back(rest.substr(0, rest.find('|')));
        for (std::string_view s : all) {
            const auto at = owner.emplace(normalizedHeader(s), std::string{c.name}).first;
            EXPECT_EQ(at->second, c.name) << s << " fits " << at->second << " and " << c.name;
        }
    }
    for (const char* other : {"Abteilung", "Vorzeit 0 von", "Vorzeit 1000 von", "Vorzeit x von", "Vorzeit von",
                              "Hinweise", "Altersgrenze am", "E-Mail"})
        EXPECT_FALSE(matchHeader(other).has_value()) << other;
}

TEST(InputColumns, EverySlotHasItsPlace)
{
    for (std::size_t slot = 0; slot < inputSlotCount; ++slot) {
        const InputSlot s = slotAt(slot);
        ASSERT_LT(s.column, inputColumns.size());
        EXPECT_EQ(slotOf(s.column, s.period), slot);
        const auto match = matchHeader(slotName(s));
        ASSERT_TRUE(match.has_value()) << slotName(s);
        EXPECT_EQ(match->column, s.column);
        EXPECT_EQ(match->period, s.period);
    }
}

struct TwoForOne {
    const char* name;
    std::vector<std::string> header;
    const char* problem;
};

void PrintTo(const TwoForOne& c, std::ostream* os) { *os << c.name; }

class TwoColumnsForOneInput : public ::testing::TestWithParam<TwoForOne> {};

TEST_P(TwoColumnsForOneInput, AreRefusedNamingBoth)
{
    std::string problem;
    findColumns(GetParam().header, problem);
    EXPECT_EQ(problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TwoColumnsForOneInput,
    ::testing::Values(
        TwoForOne{"SameHeaderTwice",
                  {"Name", "Geburtstag", "Dienstbezüge ab", "Geburtstag"},
                  "Spalte 2 „Geburtstag“ und Spalte 4 „Geburtstag“ stehen beide für „Geburtstag“; bitte eine davon "
                  "umbenennen oder entfernen"},
        TwoForOne{"TwoSpellings",
                  {"Geburtsdatum", "Eintritt", "Beginn"},
                  "Spalte 2 „Eintritt“ und Spalte 3 „Beginn“ stehen beide für „Dienstbezüge ab“; bitte eine davon "
                  "umbenennen oder entfernen"},
        TwoForOne{"APeriodColumnTwice",
                  {"Geburtstag", "Dienstbezüge ab", "Vorzeit 2 von", "Vordienstzeit 2 von"},
                  "Spalte 3 „Vorzeit 2 von“ und Spalte 4 „Vordienstzeit 2 von“ stehen beide für „Vorzeit 2 von“; "
                  "bitte eine davon umbenennen oder entfernen"},
        TwoForOne{"RequiredColumnMissing", {"Geburtstag", "Vorname"}, "die Spalte „Dienstbezüge ab“ fehlt in der Kopfzeile"},
        TwoForOne{"DifferentPeriodsAreNoClash", {"Geburtstag", "Eintritt", "Vorzeit 1 von", "Vorzeit 2 von"}, ""}),
    [](const auto& info) { return std::string{info.param.name}; });

std::string listOf(const std::string& table, std::string& err)
{
    std::istringstream in{table};
    std::ostringstream out, errors;
    runStaffListCommand({"--list", "-", "--today", "07.12.2026"}, {in, out, errors, false}, {});
    err = errors.str();
    return out.str();
}

TEST(InputColumns, AnHrExportGivesTheSameRowsAsTarvolinsOwnHeaders)
{
    const std::string rows = "1001;Meier;Anna;10.03.1955;01.04.1990;01.09.1980;31.08.1983;nein;Stadt Köln\n"
                             "1002;Schulz;Bernd;01.02.1962;01.08.1987;;;;\n";
    std::string ownErr, hrErr;
    const std::string own = listOf(
        "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Vorzeit 1 von;Vorzeit 1 bis;Vorzeit 1 öD;"
        "Vorzeit 1 Bezeichnung\n" + rows, ownErr);
    const std::string hr = listOf(
        "Pers.-Nr.;Nachname;VORNAME;geb. am;Eintritt;Vorzeit 1 Beginn;Vorzeit_1_Ende;Vorzeit 1 oeD;Vorzeit 1 Art\n"
            + rows, hrErr);
    EXPECT_EQ(ownErr, "");
    EXPECT_EQ(hrErr, "");
    EXPECT_NE(own.find("1001;Meier;Anna;10.03.1955;01.04.1990;"), std::string::npos) << own;
    EXPECT_EQ(hr, own);
}

// The addressee of a letter from the row's columns.
struct AddressCase {
    const char* name;
    std::string header, row;
    Addressee expected;
    const char* note; // "" for none
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class AddressColumns : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressColumns, GiveTheAddressee)
{
    const AddressCase& c = GetParam();
    std::string problem;
    const auto split = [](const std::string& text) {
        std::vector<std::string> fields;
        std::istringstream in{text};
        for (std::string f; std::getline(in, f, ';');)
            fields.push_back(f);
        return fields;
    };
    const ColumnMap map = findColumns(split("Vorname;Name;Geburtstag;Dienstbezüge ab;" + c.header), problem);
    ASSERT_EQ(problem, "");
    StaffRow row;
    readStaffRow(map, split("Anna;Meier;10.03.1955;01.04.1990;" + c.row), 2, "", std::nullopt, row);
    const Addressee a = addresseeOf(row.firstName, row.name, row.address);
    EXPECT_EQ(a.salutation, c.expected.salutation);
    EXPECT_EQ(a.name, c.expected.name);
    EXPECT_EQ(a.street, c.expected.street);
    EXPECT_EQ(a.town, c.expected.town);
    EXPECT_TRUE(row.typedCase.has_value());
    EXPECT_EQ(row.notes.empty() ? std::string{} : noteText(row.notes.front()), std::string{c.note});
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddressColumns,
    ::testing::Values(
        AddressCase{"NoAddressColumns", "Abteilung", "IT", {"", "Anna Meier", "", ""}, ""},
        AddressCase{"FullAddressWithSalutation", "Anrede;Straße;Hausnummer;PLZ;Ort", "Frau;Hauptstr.;12a;50667;Köln",
                    {"Frau", "Anna Meier", "Hauptstr. 12a", "50667 Köln"}, ""},
        AddressCase{"HerrBecomesHerrn", "Anrede", "Herr", {"Herrn", "Anna Meier", "", ""}, ""},
        AddressCase{"GenderMale", "Geschlecht;Strasse;Postleitzahl;Wohnort", "m;Ring 1;10115;Berlin",
                    {"Herrn", "Anna Meier", "Ring 1", "10115 Berlin"}, ""},
        AddressCase{"GenderFemaleSpelledOut", "Geschlecht", "Weiblich", {"Frau", "Anna Meier", "", ""}, ""},
        AddressCase{"GenderDiverseHasNoSalutation", "Geschlecht", "d", {"", "Anna Meier", "", ""}, ""},
        AddressCase{"SalutationBeforeGender", "Anrede;Geschlecht", "Frau Dr.;m", {"Frau Dr.", "Anna Meier", "", ""}, ""},
        AddressCase{"UnknownGenderIsNoted", "Geschlecht", "q", {"", "Anna Meier", "", ""},
                    "Zeile 2: Geschlecht „q“ ist weder m, w noch d; die Anrede bleibt leer"},
        AddressCase{"TownWithoutPostalCode", "Ort", "Bonn", {"", "Anna Meier", "", "Bonn"}, ""}),
    [](const auto& info) { return std::string{info.param.name}; });

} // namespace
} // namespace tarvolin
