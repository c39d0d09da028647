// Texts from the table in messages are cut: a name of a megabyte once went
// whole into the summary on the terminal of the rows not computed.

#include "stafflist/command/list_command.h"
#include "stafflist/tables/short_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvolin {
namespace {

struct Cut {
    const char* name;
    std::string text;
    std::size_t most;
    std::string shown;
};

void PrintTo(const Cut& c, std::ostream* os) { *os << c.name; }

const Cut cuts[] = {
    {"Short", "Meier", 5, "Meier"},
    {"Cut", "Meier", 3, "Mei…"},
    {"Empty", "", 0, ""},
    {"NothingLeft", "Meier", 0, "…"},
    {"BetweenCharacters", "ÄÖÜäöü", 2, "ÄÖ…"},
    {"FourByteCharacters", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 1, "\xF0\x9F\x98\x80…"},
    {"ByDefaultTwoHundred", std::string(201, 'x'), shortTextLength, std::string(200, 'x') + "…"},
};

class ShortText : public ::testing::TestWithParam<Cut> {};

TEST_P(ShortText, KeepsAtMostItsCharacters) { EXPECT_EQ(shortText(GetParam().text, GetParam().most), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(Table, ShortText, ::testing::ValuesIn(cuts),
                         [](const auto& info) { return std::string{info.param.name}; });

// A row with a name, a first name, a personnel number and a birthday of
// 200,000 characters each (a CSV line holds at most a megabyte): the
// summary of the rows not computed stays a few lines, and says where it cut.
TEST(LongTexts, AreCutInTheSummaryOnTheTerminal)
{
    const std::string megabyte(200'000, 'n');
    std::istringstream in{"Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\n" + megabyte + ";" + megabyte + ";"
                          + megabyte + ";" + megabyte + ";01.04.1980\n"};
    std::ostringstream out, err;
    EXPECT_EQ(runStaffListCommand({"--list", "-", "--today", "07.12.2026"}, {in, out, err, false}, {}),
              listWithUncomputedRows);
    EXPECT_LT(err.str().size(), 2000u) << err.str().substr(0, 2000);
    EXPECT_NE(err.str().find("Geburtstag „" + std::string(200, 'n') + "…“ ist kein Datum"), std::string::npos);
    EXPECT_NE(err.str().find("(Zeile 2: " + std::string(200, 'n') + "… "), std::string::npos);
}

} // namespace
} // namespace tarvolin
