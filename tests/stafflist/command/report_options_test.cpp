// The reports' options on the command line: years outside the range the
// program computes, outputs that do not fit what is asked for, and the
// report on paper as the window makes it equal to the command's.

#include "stafflist/computation/computed_list.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_input.h"
#include "stafflist/command/selection_output.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tarvolin {
namespace {

constexpr std::string_view staff = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\n"
                                   "1;Meier;Anna;10.03.1975;01.04.2002\n"
                                   "2;von der Heide;Jörg;01.01.1965;01.02.1987\n"
                                   "3;Ohne;Datum;;01.04.2002\n"
                                   "4;Lang;Eva;01.01.1970;01.06.1987\n";

struct OptionCase {
    const char* name;
    std::vector<std::string> args; // after "--list -"
    int status;
    const char* onStandardError; // "" when nothing is to be said
};

void PrintTo(const OptionCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OptionCase> optionCases{
    {"YearBeforeTheFirst", {"--anniversaries", "1929"}, listFailed,
     "--anniversaries 1929 liegt nicht zwischen 1930 und 2060"},
    {"YearAfterTheLast", {"--retirements", "2061"}, listFailed, "--retirements 2061 liegt nicht zwischen 1930 und 2060"},
    {"FirstYear", {"--anniversaries", "1930"}, listWithUncomputedRows, ""},
    {"LastYear", {"--retirements", "2060"}, listWithUncomputedRows, ""},
    {"CalendarWithoutReport", {"--output", "x.ics"}, listFailed,
     "eine Kalenderdatei (.ics) gibt es nur für die Berichte --anniversaries und --retirements"},
    {"UnknownOutput", {"--anniversaries", "2027", "--output", "x.ical"}, listFailed,
     "der Name muss auf .csv, .xlsx, .pdf oder .ics enden"},
    {"LettersToStandardOutput", {"--letters"}, listFailed, "--letters schreibt eine PDF-Datei"},
    {"LettersAsCsv", {"--letters", "--output", "x.csv"}, listFailed, "--letters schreibt eine PDF-Datei"},
    {"LetterKindWithoutLetters", {"--letter", "beschaeftigungszeit"}, listFailed,
     "--letter gilt nur zusammen mit --letters"},
    {"UnknownLetterKind", {"--letters", "--letter", "brief", "--output", "x.pdf"}, listFailed,
     "--letter „brief“: jda oder beschaeftigungszeit"},
    {"LettersForAYearAfterTheLast", {"--letters", "--anniversaries", "2061", "--output", "x.pdf"}, listFailed,
     "--anniversaries 2061 liegt nicht zwischen 1930 und 2060"},
    {"LettersWithoutTheirWriter", {"--letters", "--output", "x.pdf"}, listFailed, "PDF braucht das Fenster-Toolkit"},
};

class ReportOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ReportOptions, AreCheckedBeforeAnythingIsWritten)
{
    const testing::ScratchFolder folder;
    std::vector<std::string> args{"--list", "-"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    std::istringstream in{std::string{staff}};
    std::ostringstream out, err;
    EXPECT_EQ(runStaffListCommand(args, {in, out, err, false}, {}), GetParam().status) << err.str();
    if (*GetParam().onStandardError != '\0')
        EXPECT_NE(err.str().find(GetParam().onStandardError), std::string::npos) << err.str();
    if (GetParam().status == listFailed) {
        EXPECT_EQ(out.str(), "");
        EXPECT_FALSE(std::filesystem::exists("x.ics"));
        EXPECT_FALSE(std::filesystem::exists("x.pdf"));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReportOptions, ::testing::ValuesIn(optionCases),
                         [](const ::testing::TestParamInfo<OptionCase>& info) { return info.param.name; });

// The report the window prints for a year view is the command's: the same
// months, counts, lines and rows not computed.
TEST(ReportOnPaper, TheWindowsViewIsTheCommandsReport)
{
    const testing::ScratchFolder folder;
    std::ofstream{"staff.csv"} << staff;
    ReportDocument fromCommand;
    ListWriters writers;
    writers.report = [&](const ReportDocument& d, const std::string&) {
        fromCommand = d;
        return std::string{};
    };
    std::istringstream none;
    std::ostringstream out, err;
    ASSERT_EQ(runStaffListCommand({"--list", "staff.csv", "--today", "07.12.2026", "--anniversaries", "2027",
                                   "--output", "x.pdf"},
                                  {none, out, err, false}, writers),
              listWithUncomputedRows);

    ComputedList list;
    list.fileName = "staff.csv";
    list.today = *Date::fromYmd(2026, 12, 7);
    ListInput input;
    ASSERT_EQ(input.open("staff.csv", none), "");
    computeStaffRows(input, list.today, std::nullopt, [&](const ComputedRow& r) { list.add(r); },
                     [](std::size_t, std::size_t) { return true; });
    const ReportDocument fromWindow = selectionReport(list, {ListFilter::Anniversaries, 2027, ""});

    EXPECT_EQ(fromWindow.title, "Dienstjubiläen 2027");
    EXPECT_EQ(fromWindow.header, fromCommand.header);
    EXPECT_EQ(fromWindow.header, std::vector<std::string>{"aus „staff.csv“, erstellt am 07.12.2026"});
    EXPECT_EQ(fromWindow.columns, fromCommand.columns);
    ASSERT_EQ(fromWindow.months.size(), 3u);
    ASSERT_EQ(fromCommand.months.size(), 3u);
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_EQ(fromWindow.months[m].heading, fromCommand.months[m].heading);
        EXPECT_EQ(fromWindow.months[m].lines, fromCommand.months[m].lines);
    }
    // 40 years on 01.02.2027, 25 years on 01.04.2027 and 40 on 01.06.2027.
    EXPECT_EQ(fromWindow.months[0].heading, "Februar 2027: 1 Dienstjubiläum");
    EXPECT_EQ(fromWindow.months[1].heading, "April 2027: 1 Dienstjubiläum");
    EXPECT_EQ(fromWindow.months[2].heading, "Juni 2027: 1 Dienstjubiläum");
    EXPECT_EQ(fromWindow.total, "Insgesamt 2027: 3 Dienstjubiläen");
    EXPECT_EQ(fromWindow.total, fromCommand.total);
    EXPECT_EQ(fromWindow.uncomputedHeading, "1 Zeile nicht berechnet:");
    EXPECT_EQ(fromCommand.uncomputedHeading, fromWindow.uncomputedHeading);
    std::vector<std::string> a, b;
    fromWindow.uncomputed->forEach([&](std::size_t, const auto& cells, const auto&) { a.push_back(cells.at(0)); });
    fromCommand.uncomputed->forEach([&](std::size_t, const auto& cells, const auto&) { b.push_back(cells.at(0)); });
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, std::vector<std::string>{"Geburtstag fehlt; die Zeile wird nicht berechnet (Zeile 4: 3 Ohne, Datum)"});
}

} // namespace
} // namespace tarvolin
