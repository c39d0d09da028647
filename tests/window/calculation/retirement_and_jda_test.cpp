// The statutory retirement age by birth year and what jdasubtraktion makes of
// the pay start, the sum row and the retirement age.

#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

class RetirementAndJda : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;

    void setSumRow(const char* years, const char* months, const char* days)
    {
        jda.Jahr(16).text = years;
        jda.Monat(16).text = months;
        jda.Tage(16).text = days;
    }
};

TEST_F(RetirementAndJda, StatutoryAgeStepsWithTheBirthYear)
{
    struct Row {
        const char* birthday;
        const char* years;
        const char* months;
    };
    const Row rows[] = {
        {"31/12/1946", "65", "0"}, {"01/01/1947", "65", "1"}, {"15/07/1957", "65", "11"},
        {"15/07/1958", "66", "0"}, {"15/07/1959", "66", "2"}, {"31/12/1963", "66", "10"},
        {"01/01/1964", "67", "0"}, {"10/03/1955", "65", "9"},
    };
    for (const Row& r : rows) {
        jda.Datum(0).text = r.birthday;
        jda.retireAgeYears = 70; // a stepped age is replaced
        jda.inrente();
        jda.inrentei();
        EXPECT_EQ(jda.Alter().text, r.years) << r.birthday;
        EXPECT_EQ(jda.month().text, r.months) << r.birthday;
        EXPECT_EQ(jda.Text(13).text, "Erreichen der Regelaltersgrenze") << r.birthday;
    }
}

TEST_F(RetirementAndJda, SteppedAgeRenamesTheRetirementLine)
{
    jda.Datum(0).text = "10/03/1955";
    jda.inrente();
    jda.retireAgeYears = 66;
    jda.inrentei();
    EXPECT_EQ(jda.Text(13).text, "Eintritt in des Ruhestand");
    EXPECT_EQ(jda.statutoryAgeYears, 65);
    EXPECT_EQ(jda.statutoryAgeMonths, 9);
    jda.retireAgeYears = 65;
    jda.inrentei();
    EXPECT_EQ(jda.Text(13).text, "Erreichen der Regelaltersgrenze");
}

TEST_F(RetirementAndJda, JdaBeginGoesBackDaysThenMonthsThenYears)
{
    struct Row {
        const char* payStart;
        const char* years;
        const char* months;
        const char* days;
        const char* begin;
        const char* at25;
        const char* at40;
        const char* at50;
    };
    const Row rows[] = {
        {"01/09/2000", "5", "3", "10", "22/05/1995", "22/05/2020", "22/05/2035", "22/05/2045"},
        {"10/08/2000", "0", "1", "10", "30/06/2000", "30/06/2025", "30/06/2040", "30/06/2050"},
        {"31/05/2000", "1", "3", "0", "28/02/1999", "28/02/2024", "28/02/2039", "28/02/2049"},
        {"31/05/2000", "0", "0", "0", "31/05/2000", "31/05/2025", "31/05/2040", "31/05/2050"},
        {"31/05/2000", "", "", "", "31/05/2000", "31/05/2025", "31/05/2040", "31/05/2050"},
    };
    for (const Row& r : rows) {
        jda.Datum(0).text = "10/03/1955";
        jda.Datum(1).text = r.payStart;
        setSumRow(r.years, r.months, r.days);
        jda.jdasubtraktion();
        EXPECT_EQ(jda.Datum(32).text, r.begin) << r.payStart << " less " << r.years << "/" << r.months;
        EXPECT_EQ(jda.Datum(33).text, r.at25) << r.payStart;
        EXPECT_EQ(jda.Datum(34).text, r.at40) << r.payStart;
        EXPECT_EQ(jda.Datum(35).text, r.at50) << r.payStart;
    }
}

TEST_F(RetirementAndJda, AnniversaryInTheRetirementMonthIsReached)
{
    struct Row {
        const char* payStart; // the 25-year anniversary is 25 years later
        bool reached;
    };
    const Row rows[] = {{"01/10/1990", true}, {"20/10/1990", true}, {"01/11/1990", false}};
    for (const Row& r : rows) {
        jda.Datum(0).text = "15/06/1950";
        jda.Datum(1).text = r.payStart;
        jda.retireAgeYears = 65;
        jda.retireAgeMonths = 4;
        setSumRow("0", "0", "0");
        jda.jdasubtraktion();
        EXPECT_EQ(jda.Text(5).visible, !r.reached) << r.payStart;
        EXPECT_EQ(jda.Datum(33).backColor, r.reached ? anniversaryReached : anniversaryNotReached) << r.payStart;
        EXPECT_EQ(jda.Datum(38).text, "15/10/2015");
    }
}

TEST_F(RetirementAndJda, RetirementDateAddsMonthsBeforeYears)
{
    jda.Datum(0).text = "31/01/1952";
    jda.Datum(1).text = "01/04/1990";
    jda.retireAgeYears = 65;
    jda.retireAgeMonths = 6;
    jda.jdasubtraktion();
    EXPECT_EQ(jda.Datum(38).text, "31/07/2017");
}

TEST_F(RetirementAndJda, NothingChangesWithoutBirthdayOrPayStart)
{
    for (const int missing : {0, 1}) {
        jda.Datum(0).text = "10/03/1955";
        jda.Datum(1).text = "01/04/1990";
        jda.Datum(missing).text = std::string{emptyMask};
        jda.Datum(32).text = "01/01/2000";
        jda.jdasubtraktion();
        EXPECT_EQ(jda.Datum(32).text, "01/01/2000") << missing;
        EXPECT_EQ(jda.Datum(38).text, std::string{emptyMask}) << missing;
    }
}

} // namespace
} // namespace tarvolin
