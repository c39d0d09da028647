#include "calc/date.h"
#include "calc/date_text.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

Date d(int y, unsigned m, unsigned day) { return *Date::fromYmd(y, m, day); }

TEST(Date, EpochIsThirtiethDecember1899)
{
    EXPECT_EQ(d(1899, 12, 30).serial(), 0);
    EXPECT_EQ(d(1899, 12, 31).serial(), 1);
    EXPECT_EQ(d(1900, 1, 1).serial(), 2);
    EXPECT_EQ(d(2008, 5, 15).serial(), 39583);
}

// Walks every day from 1930 to 2060: each is the one before plus one, and
// text -> day -> text is the identity.
TEST(Date, EveryDayFrom1930To2060RoundTripsThroughItsText)
{
    Date day = d(1930, 1, 1);
    const Date last = d(2060, 12, 31);
    while (day <= last) {
        const std::string text = dateText(day);
        const auto back = parseDateText(text);
        ASSERT_TRUE(back.has_value()) << text;
        ASSERT_EQ(*back, day) << text;
        const Date next = day.addDays(1);
        ASSERT_EQ(daysBetween(day, next), 1);
        ASSERT_TRUE(next.day() == day.day() + 1 || next.day() == 1) << text;
        day = next;
    }
}

TEST(Date, MonthAndYearArithmeticFallsBackToTheMonthEnd)
{
    struct Row {
        const char* name;
        Date from;
        int months;
        int years;
        Date expected;
    };
    const Row rows[] = {
        {"31 March minus a month", d(2007, 3, 31), -1, 0, d(2007, 2, 28)},
        {"31 March 2008 minus a month", d(2008, 3, 31), -1, 0, d(2008, 2, 29)},
        {"29 February plus a year", d(2008, 2, 29), 0, 1, d(2009, 2, 28)},
        {"29 February plus four years", d(2008, 2, 29), 0, 4, d(2012, 2, 29)},
        {"31 May minus three months", d(2000, 5, 31), -3, 0, d(2000, 2, 29)},
        {"31 January plus a month", d(2008, 1, 31), 1, 0, d(2008, 2, 29)},
        {"across a year end", d(2007, 11, 15), 3, 0, d(2008, 2, 15)},
        {"plain day kept", d(1990, 4, 1), 0, -3, d(1987, 4, 1)},
    };
    for (const Row& r : rows) {
        Date result = r.from;
        if (r.months)
            result = result.addMonths(r.months);
        if (r.years)
            result = result.addYears(r.years);
        EXPECT_EQ(result, r.expected) << r.name;
    }
}

TEST(Date, MonthsBetweenIgnoresTheDays)
{
    EXPECT_EQ(monthsBetween(d(2008, 1, 31), d(2008, 2, 1)), 1);
    EXPECT_EQ(monthsBetween(d(1950, 6, 15), d(2015, 10, 1)), 784);
    EXPECT_EQ(monthsBetween(d(1950, 6, 15), d(2015, 11, 1)), 785);
    EXPECT_EQ(monthsBetween(d(2008, 5, 15), d(2007, 5, 31)), -12);
}

TEST(DateText, ReadsByPositionWithTheNumericValueRule)
{
    struct Row {
        const char* text;
        int day, month, year;
    };
    const Row rows[] = {
        {"10/03/1955", 10, 3, 1955},
        {"__/__/____", 0, 0, 0},
        {"12/03/____", 12, 3, 0},
        {"05-11-2008", 5, 11, 2008},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(textDay(r.text), r.day) << r.text;
        EXPECT_EQ(textMonth(r.text), r.month) << r.text;
        EXPECT_EQ(textYear(r.text), r.year) << r.text;
    }
    EXPECT_EQ(numericValue("  42 Tage"), 42);
    EXPECT_EQ(numericValue("-5"), -5);
    EXPECT_EQ(numericValue(""), 0);
    EXPECT_EQ(numericValue("x1"), 0);
}

TEST(DateText, StatesAndForms)
{
    EXPECT_TRUE(isEmptyDate("__/__/____"));
    EXPECT_FALSE(isIncompleteDate("__/__/____"));
    EXPECT_TRUE(isIncompleteDate("12/03/____"));
    EXPECT_FALSE(isIncompleteDate("12/03/2008"));
    EXPECT_EQ(dayMonthYearForm("01/09/1990"), "01.09.1990");
    EXPECT_EQ(dayMonthYearForm("__/__/____"), "__.__.____");
    EXPECT_EQ(germanDateText(d(1990, 2, 28)), "28.02.1990");
}

TEST(DateText, OnlyRealDaysParse)
{
    for (const char* text : {"31/02/2008", "00/05/2008", "15/13/2008", "29/02/2007", "__/__/____", "1/1/2008",
                             "12/03/____", "12.03.2008", "1a/03/2008"})
        EXPECT_FALSE(parseDateText(text).has_value()) << text;
    EXPECT_EQ(parseDateText("29/02/2008"), d(2008, 2, 29));
}

} // namespace
} // namespace tarvolin
