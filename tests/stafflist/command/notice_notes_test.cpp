// The notes on what a row's dates mean for the day of the calculation: the
// last notice day already passed (before today), the age limit already
// reached (on or before the reference date). They stand in Hinweise and
// change no value; each case sits on one side of a boundary day.

#include "stafflist/command/list_command.h"
#include "stafflist/computation/staff_result.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvolin {
namespace {

struct NoteCase {
    const char* name;
    const char* today;
    const char* row; // Geburtstag;Dienstbezüge ab;Stichtag
    const char* notes;
    const char* lastNoticeDay;
};

// Born 10.03.1955: the age limit (65 years 9 months) is 10.12.2020. Pay
// from 01.04.1990: tier 6 in 2020, the 6-month dates, so a reference date
// in the fourth quarter of 2020 gives the last notice day 30.06.2020.
// Pay from 01.01.2020 and the reference date 15.02.2027: 7 years, tier 2,
// last notice day 31.12.2026 for the end of March.
const NoteCase noteCases[] = {
    {"LastNoticeDayIsTomorrow", "29.06.2020", "10.03.1955;01.04.1990;09.12.2020", "", "30.06.2020"},
    {"LastNoticeDayIsToday", "30.06.2020", "10.03.1955;01.04.1990;09.12.2020", "", "30.06.2020"},
    {"LastNoticeDayWasYesterday", "01.07.2020", "10.03.1955;01.04.1990;09.12.2020",
     "Kündigungstermin verstrichen (spätestens am 30.06.2020)", "30.06.2020"},
    {"AgeLimitOnTheReferenceDate", "30.06.2020", "10.03.1955;01.04.1990;10.12.2020",
     "Altersgrenze bereits erreicht am 10.12.2020", "30.06.2020"},
    {"AgeLimitTheDayBeforeTheReferenceDate", "30.06.2020", "10.03.1955;01.04.1990;11.12.2020",
     "Altersgrenze bereits erreicht am 10.12.2020", "30.06.2020"},
    {"AgeLimitTheDayAfterTheReferenceDate", "30.06.2020", "10.03.1955;01.04.1990;09.12.2020", "", "30.06.2020"},
    {"AgeLimitBeforeTheReferenceDateAndDayPassed", "01.07.2020", "10.03.1955;01.04.1990;31.12.2020",
     "Kündigungstermin verstrichen (spätestens am 30.06.2020) | Altersgrenze bereits erreicht am 10.12.2020",
     "30.06.2020"},
    {"TurnOfTheYearStillOpen", "31.12.2026", "01.01.1980;01.01.2020;15.02.2027", "", "31.12.2026"},
    {"TurnOfTheYearPassed", "01.01.2027", "01.01.1980;01.01.2020;15.02.2027",
     "Kündigungstermin verstrichen (spätestens am 31.12.2026)", "31.12.2026"},
    // Without a reference date the row takes today: the end of this quarter
    // is always out of reach but for a tier with six weeks.
    {"ReferenceDateLeftAtToday", "07.12.2026", "01.01.1980;01.01.2010;",
     "Kündigungstermin verstrichen (spätestens am 30.06.2026)", "30.06.2026"},
    {"RowNotComputed", "07.12.2026", ";01.01.2010;31.12.2030", "", ""},
};

class NoticeNotes : public ::testing::TestWithParam<NoteCase> {};

// The value of one column of the one result line.
std::string cell(const std::string& csv, std::size_t column)
{
    std::istringstream lines{csv};
    std::string head, line;
    std::getline(lines, head);
    std::getline(lines, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::vector<std::string> fields;
    std::istringstream parts{line};
    for (std::string f; std::getline(parts, f, ';');)
        fields.push_back(f);
    if (line.ends_with(";"))
        fields.emplace_back();
    return column < fields.size() ? fields[column] : std::string{"(fehlt)"};
}

TEST_P(NoticeNotes, StandInHinweiseOnTheirSideOfTheDay)
{
    const NoteCase& c = GetParam();
    std::istringstream in{std::string{"Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Stichtag\n1;Meier;Anna;"}
                          + c.row + "\n"};
    std::ostringstream out, err;
    runStaffListCommand({"--list", "-", "--today", c.today}, {in, out, err, false}, {});
    const std::string notes = cell(out.str(), colNotes);
    if (std::string{c.row}.starts_with(";")) {
        EXPECT_EQ(notes.find("verstrichen"), std::string::npos) << notes;
        EXPECT_EQ(notes.find("bereits erreicht"), std::string::npos) << notes;
    } else {
        EXPECT_EQ(notes, c.notes);
    }
    EXPECT_EQ(cell(out.str(), colLastNoticeDay), c.lastNoticeDay);
}

INSTANTIATE_TEST_SUITE_P(BoundaryDays, NoticeNotes, testing::ValuesIn(noteCases),
                         [](const ::testing::TestParamInfo<NoteCase>& info) { return info.param.name; });

} // namespace
} // namespace tarvolin
