// The notice tier and its two dates, from the whole years of the total, the
// reference date and the birthday.

#include "window/calculation/recalculation_steps.h"
#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

class NoticePeriod : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;

    // The single tier marked, -1 for none.
    int markedTier()
    {
        int found = -1;
        for (int k = 0; k <= 6; ++k) {
            if (jda.Kündigung(k).backColor == tierMarked) {
                EXPECT_EQ(found, -1) << "two tiers marked";
                found = k;
            } else {
                EXPECT_EQ(jda.Kündigung(k).backColor, white);
            }
        }
        return found;
    }

    void run(int years, const char* reference, const char* birthday)
    {
        jda.sumYears = static_cast<std::int16_t>(years);
        jda.Datum(31).text = reference;
        jda.Datum(0).text = birthday;
        fillNoticePeriod(jda);
    }
};

struct TierRow {
    const char* name;
    int years;
    const char* reference;
    const char* birthday;
    int tier;
    const char* lastNoticeDay;
    const char* endDate;
};

TEST_F(NoticePeriod, TiersAndDates)
{
    const TierRow rows[] = {
        {"Y=0", 0, "15/05/2008", "10/06/1968", 0, "30/04/2008", "31/05/2008"},
        {"Y=0 January", 0, "10/01/2008", "10/06/1968", 0, "31/12/2007", "31/01/2008"},
        {"Y=0 March: 28 February in a leap year", 0, "20/03/2008", "10/06/1968", 0, "28/02/2008", "31/03/2008"},
        {"Y=0 November", 0, "05/11/2008", "10/06/1968", 0, "31/10/2008", "30/11/2008"},
        {"Y=1", 1, "15/05/2008", "10/06/1968", 1, "19/05/2008", "30/06/2008"},
        {"Y=4", 4, "15/05/2008", "10/06/1968", 1, "19/05/2008", "30/06/2008"},
        {"Y=4 after the last notice day", 4, "25/06/2008", "10/06/1968", 1, "19/05/2008", "30/06/2008"},
        {"Y=5", 5, "15/05/2008", "10/06/1968", 2, "31/03/2008", "30/06/2008"},
        {"Y=7", 7, "15/05/2008", "10/06/1968", 2, "31/03/2008", "30/06/2008"},
        {"Y=8", 8, "15/05/2008", "10/06/1968", 3, "28/02/2008", "30/06/2008"},
        {"Y=9", 9, "15/05/2008", "10/06/1968", 3, "28/02/2008", "30/06/2008"},
        {"Y=10", 10, "15/05/2008", "10/06/1968", 4, "31/01/2008", "30/06/2008"},
        {"Y=11", 11, "15/05/2008", "10/06/1968", 4, "31/01/2008", "30/06/2008"},
        {"Y=12", 12, "15/05/2008", "10/06/1968", 5, "31/12/2007", "30/06/2008"},
        {"Y=14", 14, "15/05/2008", "10/06/1968", 5, "31/12/2007", "30/06/2008"},
        {"Y=15 before the 40th birthday", 15, "15/05/2008", "10/06/1968", 5, "31/12/2007", "30/06/2008"},
        {"Y=20 40th birthday a month ago", 20, "15/05/2008", "10/05/1968", 6, "31/12/2007", "30/06/2008"},
        {"Y=20 40th birthday in five days", 20, "15/05/2008", "20/05/1968", 5, "31/12/2007", "30/06/2008"},
        {"Y=20 40th birthday today", 20, "15/05/2008", "15/05/1968", 6, "31/12/2007", "30/06/2008"},
        {"Y=20 aged 38", 20, "15/05/2008", "01/01/1970", 5, "31/12/2007", "30/06/2008"},
        {"Y=20 aged 47", 20, "15/05/2008", "31/12/1960", 6, "31/12/2007", "30/06/2008"},
        {"Y=20 40th birthday in December", 20, "15/05/2008", "31/12/1968", 5, "31/12/2007", "30/06/2008"},
    };
    for (const TierRow& r : rows) {
        run(r.years, r.reference, r.birthday);
        EXPECT_EQ(markedTier(), r.tier) << r.name;
        EXPECT_EQ(jda.Datum(36).text, r.lastNoticeDay) << r.name;
        EXPECT_EQ(jda.Datum(37).text, r.endDate) << r.name;
        EXPECT_EQ(jda.Termin().text, dayMonthYearForm(r.lastNoticeDay) + " *)") << r.name;
        EXPECT_EQ(jda.Ziel().text, dayMonthYearForm(r.endDate)) << r.name;
    }
}

TEST_F(NoticePeriod, NegativeYearsMarkNothingAndKeepTheDates)
{
    run(0, "15/05/2008", "10/06/1968");
    run(-1, "10/01/2009", "10/06/1968");
    EXPECT_EQ(markedTier(), -1);
    EXPECT_EQ(jda.Datum(36).text, "30/04/2008");
    EXPECT_EQ(jda.Termin().text, "30.04.2008 *)");
    EXPECT_EQ(jda.Ziel().text, "31.05.2008");
}

TEST_F(NoticePeriod, NoReferenceDateEmptiesTheLabels)
{
    run(0, "15/05/2008", "10/06/1968");
    run(0, "__/__/____", "10/06/1968");
    EXPECT_EQ(markedTier(), -1);
    EXPECT_EQ(jda.Termin().text, "");
    EXPECT_EQ(jda.Ziel().text, "");
}

struct QuarterRow {
    const char* name;
    const char* reference;
    int months;
    const char* lastNoticeDay;
    const char* endDate;
};

TEST_F(NoticePeriod, QuarterEnds)
{
    const QuarterRow rows[] = {
        {"second quarter, 3 months", "15/05/2008", 3, "31/03/2008", "30/06/2008"},
        {"4 months before 30 June is 28 February, leap year or not", "15/05/2008", 4, "28/02/2008", "30/06/2008"},
        {"first quarter, 6 months reach into the year before", "10/01/2008", 6, "30/09/2007", "31/03/2008"},
        {"the quarter end itself", "31/12/2008", 3, "30/09/2008", "31/12/2008"},
        {"third quarter, 5 months", "01/07/2008", 5, "30/04/2008", "30/09/2008"},
        {"no notice months: only the quarter end", "15/05/2008", 0, "__/__/____", "30/06/2008"},
        {"a month that names no quarter changes nothing", "15/13/2008", 3, "__/__/____", "__/__/____"},
    };
    for (const QuarterRow& r : rows) {
        testing::TestWindow fresh;
        fresh.jda.Datum(31).text = r.reference;
        fresh.jda.noticeMonths = static_cast<std::int16_t>(r.months);
        fresh.jda.quartal();
        EXPECT_EQ(fresh.jda.Datum(36).text, r.lastNoticeDay) << r.name;
        EXPECT_EQ(fresh.jda.Datum(37).text, r.endDate) << r.name;
    }
}

} // namespace
} // namespace tarvolin
