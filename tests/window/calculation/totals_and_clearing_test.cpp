// The sum and total rows, the day counts behind the date comparisons, and
// clearing a case.

#include "window/calculation/recalculation_steps.h"
#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

#include <map>

namespace tarvolin {
namespace {

using testing::rowShown;
using testing::type;

struct TotalsRow {
    const char* name;
    std::map<int, const char*> rows; // row -> "days/months/years"
    const char* sum;
    const char* total;
};

void showRow(JDA& jda, int row, std::string_view shown)
{
    const auto first = shown.find('/');
    const auto second = shown.find('/', first + 1);
    jda.Tage(row).text = std::string{shown.substr(0, first)};
    jda.Monat(row).text = std::string{shown.substr(first + 1, second - first - 1)};
    jda.Jahr(row).text = std::string{shown.substr(second + 1)};
}

TEST(Totals, CarryDaysThenMonths)
{
    const TotalsRow rows[] = {
        {"35 days and 16 months carry", {{1, "20/7/2"}, {2, "15/8/1"}, {15, "28/11/10"}}, "5/4/4", "3/4/15"},
        {"30 days are a month", {{3, "10/0/0"}, {14, "20/0/0"}}, "0/1/0", "0/1/0"},
        {"29 days stay", {{3, "10/0/0"}, {14, "19/0/0"}}, "29/0/0", "29/0/0"},
        {"12 months are a year", {{1, "0/5/0"}, {2, "0/7/0"}}, "0/0/1", "0/0/1"},
        {"11 months stay", {{1, "0/5/0"}, {2, "0/6/0"}}, "0/11/0", "0/11/0"},
        {"day carry feeds the month carry", {{1, "15/11/0"}, {2, "15/0/0"}}, "0/0/1", "0/0/1"},
        {"nothing shown", {}, "0/0/0", "0/0/0"},
        {"only the employment row, normalised", {{15, "45/13/2"}}, "0/0/0", "15/2/3"},
    };
    for (const TotalsRow& r : rows) {
        testing::TestWindow window;
        for (const auto& [row, shown] : r.rows)
            showRow(window.jda, row, shown);
        addUpPeriods(window.jda);
        EXPECT_EQ(rowShown(window.jda, 16), r.sum) << r.name;
        EXPECT_EQ(rowShown(window.jda, 17), r.total) << r.name;
    }
}

struct CountRow {
    const char* name;
    const char* birthday;
    const char* payStart;
    int index;
    const char* date; // put into Datum(index) when it is neither birthday nor pay start
    int row;          // currentRow as the caller names it
    bool ticked;      // box(1)
    std::int32_t count;
};

TEST(DayCounts, OnlyTickedRowsAndTheBaseDatesCount)
{
    const char* bd = "10/03/1955";
    const char* ps = "01/04/1990";
    const CountRow rows[] = {
        {"pay start", bd, ps, 1, nullptr, 0, false, 12806},
        {"birthday itself", bd, ps, 0, nullptr, 0, false, 0},
        {"ticked row", bd, ps, 2, "11/03/1955", 1, true, 1},
        {"unticked row", bd, ps, 2, "11/03/1955", 1, false, 0},
        {"before the birthday", bd, ps, 2, "09/03/1955", 1, true, -1},
        {"empty entry", bd, ps, 2, "__/__/____", 1, true, 0},
        {"no pay start", bd, "__/__/____", 2, "11/03/1955", 1, true, 0},
        {"no birthday", "__/__/____", ps, 2, "11/03/1955", 1, true, 0},
        {"row 0 counts regardless of ticks", bd, ps, 2, "12/03/1955", 0, false, 2},
        {"copy of the pay start never", bd, ps, 30, "01/04/1990", 0, true, 77},
        {"reference date never", bd, ps, 31, "15/05/2008", 15, true, 77},
    };
    for (const CountRow& r : rows) {
        testing::TestWindow window;
        JDA& jda = window.jda;
        jda.Datum(0).text = r.birthday;
        jda.Datum(1).text = r.payStart;
        if (r.date != nullptr)
            jda.Datum(r.index).text = r.date;
        jda.box(1).value = r.ticked;
        jda.dayCounts.fill(77);
        jda.lastIndex = static_cast<std::int16_t>(r.index);
        jda.currentRow = static_cast<std::int16_t>(r.row);
        jda.datumdiffneu();
        EXPECT_EQ(jda.dayCounts[static_cast<std::size_t>(r.index)], r.count) << r.name;
        EXPECT_EQ(jda.workIndex, r.index) << r.name;
    }
}

TEST(ClearAll, EmptiesTheEntriesAndKeepsTheRest)
{
    testing::TestWindow window;
    JDA& jda = window.jda;
    type(jda, 0, "10/03/1955");
    type(jda, 1, "01/04/1990");
    jda.box(1).value = true;
    type(jda, 2, "01/09/1980");
    type(jda, 3, "31/08/1983");
    jda.Eingabe(1).text = "Bundeswehr";
    jda.Zähler(1).text = "50";
    const std::string row15 = rowShown(jda, 15);
    const std::string row17 = rowShown(jda, 17);
    const std::string retirement = jda.Datum(38).text;
    const std::string quarterEnd = jda.Datum(37).text;

    for (int pass = 1; pass <= 2; ++pass) {
        jda.allesleeren();
        for (int i = 1; i <= 36; ++i)
            EXPECT_EQ(jda.Datum(i).text, "__/__/____") << i;
        for (int i = 1; i <= 31; ++i)
            EXPECT_EQ(jda.dayCounts[static_cast<std::size_t>(i)], 0) << i;
        for (int r = 1; r <= 14; ++r) {
            EXPECT_EQ(rowShown(jda, r), "0/0/0") << r;
            EXPECT_EQ(jda.Eingabe(r).text, "") << r;
        }
        EXPECT_EQ(rowShown(jda, 16), "0/0/0");
        EXPECT_EQ(jda.Datum(0).text, "10/03/1955") << pass;
        EXPECT_EQ(jda.Datum(37).text, quarterEnd) << pass;
        EXPECT_EQ(jda.Datum(38).text, retirement) << pass;
        EXPECT_EQ(rowShown(jda, 15), row15) << pass;
        EXPECT_EQ(rowShown(jda, 17), row17) << pass;
        EXPECT_TRUE(jda.box(1).value) << pass;
        EXPECT_EQ(jda.Zähler(1).text, "50") << pass;
        EXPECT_EQ(jda.Alter().text, "65") << pass;
    }
}

} // namespace
} // namespace tarvolin
