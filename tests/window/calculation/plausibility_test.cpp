// The check of a confirmed date, run as the user meets it: birthday and pay
// start typed, then the rows.

#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvolin {
namespace {

using testing::focusedName;
using testing::rowShown;
using testing::type;

struct Typed {
    int index;
    const char* text;
};

struct CheckRow {
    const char* name;
    std::vector<int> tickedRows;
    std::vector<Typed> before; // typed and confirmed first, without messages
    Typed entry;               // the entry under test
    const char* message;       // "" for none
    bool rejected;
    bool rowReset = false;     // the row shows zero; otherwise it stays as it was (here: never computed, empty)
};

constexpr const char* before1955 = "Das Datum 09.03.1955 liegt   v o r   dem Geburtstag am 10.03.1955.";
constexpr const char* onPayStart = "Das Datum 01.04.1996 liegt   n a c h   dem Beginn der Dienstbezüge am 01.04.1996 "
                                   "und damit außerhalb des hier zu prüfenden Zeitraums.";
constexpr const char* insideRow2 =
    "Das Datum 31.12.1994 liegt in der bereits verwendeten Zeitspanne vom 01.01.1990 bis 31.12.1994";

TEST(Plausibility, RejectsWhatContradictsTheKnownDates)
{
    const std::vector<Typed> row2 = {{4, "01/01/1990"}, {5, "31/12/1994"}};
    const CheckRow rows[] = {
        {"from-date a day before the birthday", {1}, {}, {2, "09/03/1955"}, before1955, true, true},
        {"from-date on the birthday", {1}, {}, {2, "10/03/1955"}, "", false},
        {"to-date on the pay start", {1}, {{2, "01/01/1985"}}, {3, "01/04/1996"}, onPayStart, true, true},
        {"to-date a day before the pay start", {1}, {{2, "01/01/1985"}}, {3, "31/03/1996"}, "", false},
        {"from-date on the last day of another span", {2, 3}, row2, {6, "31/12/1994"}, insideRow2, true},
        {"to-date on the first day of another span", {2, 3}, {row2[0], row2[1], {6, "01/01/1989"}}, {7, "01/01/1990"},
         "Das Datum 01.01.1990 liegt in der bereits verwendeten Zeitspanne vom 01.01.1990 bis 31.12.1994", true,
         true /* a row missing its to-date shows zero */},
        {"from-date the day after another span", {2, 3}, row2, {6, "01/01/1995"}, "", false},
        {"span of an unticked row is not in use", {3}, row2, {6, "31/12/1994"}, "", false},
        {"unticked row is never examined", {}, {}, {2, "01/01/1950"}, "", false},
        {"emptied from-date is not examined", {1}, {}, {2, "__/__/____"}, "", false},
        {"reference date only against the birthday", {}, {}, {31, "01/01/2000"}, "", false},
    };
    for (const CheckRow& r : rows) {
        testing::TestWindow window;
        JDA& jda = window.jda;
        type(jda, 0, "10/03/1955");
        type(jda, 1, "01/04/1996");
        for (int k : r.tickedRows)
            jda.box(k).value = true;
        for (const Typed& t : r.before)
            type(jda, t.index, t.text);
        ASSERT_TRUE(window.messages.shown.empty()) << r.name;
        type(jda, r.entry.index, r.entry.text);

        if (*r.message == '\0') {
            EXPECT_TRUE(window.messages.shown.empty()) << r.name << ": " << window.messages.shown[0].text;
        } else {
            ASSERT_EQ(window.messages.shown.size(), 1u) << r.name;
            EXPECT_EQ(window.messages.shown[0].text, r.message) << r.name;
            EXPECT_EQ(window.messages.shown[0].title, "Tarvolin") << r.name;
            EXPECT_EQ(window.messages.shown[0].buttons, MessageButtons::Ok) << r.name;
        }
        const int i = r.entry.index;
        EXPECT_EQ(jda.Datum(i).text, r.rejected ? "__/__/____" : r.entry.text) << r.name;
        if (r.rejected) {
            EXPECT_EQ(jda.dayCounts[static_cast<std::size_t>(i)], 0) << r.name;
            EXPECT_EQ(focusedName(jda), "Datum(" + std::to_string(i) + ")") << r.name;
            EXPECT_EQ(rowShown(jda, i / 2), r.rowReset ? "0/0/0" : "//") << r.name;
        }
    }
}

TEST(Plausibility, WarnsOfALatePayStartAndGoesOn)
{
    struct Row {
        const char* payStart;
        bool warned;
    };
    for (const Row r : {Row{"15/12/2004", false}, Row{"16/12/2004", true}}) {
        testing::TestWindow window;
        type(window.jda, 0, "01/01/1940");
        type(window.jda, 1, r.payStart);
        ASSERT_EQ(window.messages.shown.size(), r.warned ? 1u : 0u) << r.payStart;
        if (r.warned) {
            EXPECT_EQ(window.messages.shown[0].text, "Zwischen Geburtstag und Ernennung liegen mehr als 65 Jahre.");
        }
        EXPECT_EQ(window.jda.Datum(30).text, r.payStart);
    }
}

TEST(Plausibility, QuietWhileEntriesAreReplayed)
{
    testing::TestWindow window;
    JDA& jda = window.jda;
    type(jda, 0, "10/03/1955");
    type(jda, 1, "01/04/1996");
    jda.box(1).value = true;
    jda.loadingFlag = True;
    type(jda, 2, "09/03/1955");
    EXPECT_TRUE(window.messages.shown.empty());
    EXPECT_EQ(jda.Datum(2).text, "09/03/1955");
}

TEST(Plausibility, PayStartBeforeTheBirthdayLeavesNoEmploymentRow)
{
    testing::TestWindow window;
    JDA& jda = window.jda;
    type(jda, 0, "10/03/1955");
    type(jda, 1, "01/01/1950");
    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(window.messages.shown[0].text, "Das Datum 01.01.1950 liegt   v o r   dem Geburtstag am 10.03.1955.");
    EXPECT_EQ(jda.Datum(1).text, "__/__/____");
    EXPECT_EQ(jda.Datum(30).text, "__/__/____");
    EXPECT_EQ(jda.Label9().text, "__.__.____");
    EXPECT_EQ(rowShown(jda, 15), "0/0/0");
    EXPECT_EQ(rowShown(jda, 17), "0/0/0");
    EXPECT_EQ(jda.Kündigung(0).backColor, tierMarked);
}

// Kept as the program has always done it: without a pay start every from-date
// of a ticked row lies "after" it.
TEST(Plausibility, WithoutPayStartAFromDateNamesAnEmptyPayStart)
{
    testing::TestWindow window;
    JDA& jda = window.jda;
    type(jda, 0, "10/03/1955");
    jda.box(1).value = true;
    type(jda, 2, "01/01/1980");
    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(window.messages.shown[0].text, "Das Datum 01.01.1980 liegt   n a c h   dem Beginn der Dienstbezüge am  "
                                             "und damit außerhalb des hier zu prüfenden Zeitraums.");
    EXPECT_EQ(jda.Datum(2).text, "__/__/____");
}

} // namespace
} // namespace tarvolin
