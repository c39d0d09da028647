// The 30-day count on plain date texts.

#include "calc/date_text.h"
#include "calc/thirty_day_span.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

struct Span {
    const char* from;
    const char* to;
    int years, months, days;
    const char* shows;
};

class Datumsdifferenz : public ::testing::Test {
protected:
    ThirtyDaySpan span;
    void measure(const char* from, const char* to) { span = thirtyDaySpan(from, to); }
};

TEST_F(Datumsdifferenz, CountsThirtyDayMonthsWithBothEnds)
{
    const Span rows[] = {
        {"01/01/2008", "31/12/2008", 1, 0, 0, "whole year; the 31st counts as the 30th"},
        {"01/01/2008", "01/01/2008", 0, 0, 1, "a single day counts 1"},
        {"15/01/2008", "14/02/2008", 0, 1, 0, "16 + 14 days carried into a month"},
        {"15/01/2008", "10/02/2008", 0, 0, 26, "borrow of a month"},
        {"31/01/2008", "31/01/2008", 0, 0, 0, "a span made only of a 31st counts nothing"},
        {"31/03/2008", "30/04/2008", 0, 1, 0, "start on the 31st moves to 1 April"},
        {"30/04/2000", "31/05/2000", 0, 1, 1, "30 April is one day, May a month"},
        {"01/02/2007", "28/02/2007", 0, 1, 0, "28 February ends a non-leap February"},
        {"01/02/2000", "29/02/2000", 0, 1, 0, "29 February ends a leap February"},
        {"28/02/2007", "28/02/2007", 0, 0, 3, "last day of a non-leap February counts 3"},
        {"29/02/2008", "29/02/2008", 0, 0, 2, "last day of a leap February counts 2"},
        {"28/02/2007", "15/03/2007", 0, 0, 18, "3 days of February + 15"},
        {"28/02/2007", "29/03/2007", 0, 1, 2, "3 + 29 = 32 days, carried"},
        {"28/02/2007", "31/03/2007", 0, 1, 3, "3 + 30 = 33 days, carried"},
        {"15/02/2007", "28/02/2007", 0, 0, 16, "the end of February counts as the 30th"},
        {"16/05/1990", "15/05/1995", 5, 0, 0, "borrow, then carry"},
        {"16/05/1990", "10/05/1995", 4, 11, 25, "borrow below zero months, then a year borrowed"},
        {"31/01/2008", "15/01/2009", 0, 11, 15, "start on the 31st below zero months"},
        {"31/12/2007", "15/01/2008", 0, 0, 15, "start on 31 December moves to 1 January"},
        {"31/12/2007", "31/01/2008", 0, 1, 0, "31 December start reaches month 13"},
        {"01/09/1990", "31/08/2008", 18, 0, 0, "typical whole-years period"},
        {"01/09/1980", "31/08/1983", 3, 0, 0, "three years of service"},
        {"01/04/1990", "15/05/2008", 18, 1, 15, "the employment of the typical case"},
        {"10/05/2000", "05/05/2000", -1, 11, 26, "reversed: minus 4 days"},
        {"28/02/1900", "28/02/1900", 0, 0, 1, "1900 counts as a leap year: 28 February is an ordinary day"},
    };
    for (const Span& r : rows) {
        measure(r.from, r.to);
        EXPECT_EQ(span.years, r.years) << r.shows;
        EXPECT_EQ(span.months, r.months) << r.shows;
        EXPECT_EQ(span.days, r.days) << r.shows;
    }
}

TEST_F(Datumsdifferenz, MarchToEndOfFebruaryFourYearsLaterIsFourYears)
{
    for (int year = 1930; year <= 2056; ++year) {
        const std::string from = "01/03/" + std::to_string(year);
        const int endYear = year + 4;
        const std::string to = std::string{endYear % 4 == 0 ? "29" : "28"} + "/02/" + std::to_string(endYear);
        measure(from.c_str(), to.c_str());
        EXPECT_EQ(span.years, 4) << from;
        EXPECT_EQ(span.months, 0) << from;
        EXPECT_EQ(span.days, 0) << from;
    }
}

// The result equals the 30-day difference of the two adjusted ends, for every
// pair of days in a two-year window: a check on the carries and borrows.
TEST_F(Datumsdifferenz, AgreesWithTheThirtyDayTotalOverTwoYears)
{
    const auto thirtyDayNumber = [](Date d, bool isStart, int& fill) {
        int day = static_cast<int>(d.day());
        int month = static_cast<int>(d.month());
        int year = d.year();
        const bool lastOfFebruary = month == 2 && d.addDays(1).month() == 3;
        fill = 0;
        if (lastOfFebruary) {
            if (isStart)
                fill = 30 - day;
            day = 30;
        } else if (day == 31) {
            if (isStart) {
                day = 1;
                ++month;
            } else {
                day = 30;
            }
        }
        return year * 360 + month * 30 + day;
    };
    const Date first = *Date::fromYmd(2007, 12, 1);
    for (int a = 0; a < 430; a += 3) {
        for (int b = a; b < 430; b += 7) {
            const Date from = first.addDays(a);
            const Date to = first.addDays(b);
            measure(dateText(from).c_str(), dateText(to).c_str());
            int fill = 0;
            int unused = 0;
            const int start = thirtyDayNumber(from, true, fill);
            const int end = thirtyDayNumber(to, false, unused);
            const int expected = end - start + 1 + fill;
            const int total = span.years * 360 + span.months * 30 + span.days;
            ASSERT_EQ(total, expected) << dateText(from) << " to " << dateText(to);
            ASSERT_GE(span.months, 0);
            ASSERT_LE(span.months, 11);
            ASSERT_GE(span.days, 0);
            ASSERT_LE(span.days, 29);
        }
    }
}

} // namespace
} // namespace tarvolin
