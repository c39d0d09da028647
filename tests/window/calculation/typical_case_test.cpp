// Whole cases typed entry by entry, each Enter running the recalculation.

#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using testing::confirm;
using testing::focusedName;
using testing::rowShown;
using testing::type;

class TypedCase : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;
};

TEST_F(TypedCase, BirthdayPayStartAndOnePriorPeriod)
{
    type(jda, 0, "10/03/1955");
    EXPECT_EQ(jda.Alter().text, "65");
    EXPECT_EQ(jda.month().text, "9");
    EXPECT_EQ(jda.Text(13).text, "Erreichen der Regelaltersgrenze");
    EXPECT_EQ(jda.Datum(31).text, "15/05/2008");
    EXPECT_EQ(jda.Label14().text, "15/05/2008");
    EXPECT_EQ(focusedName(jda), "Datum(1)");

    type(jda, 1, "01/04/1990");
    EXPECT_EQ(jda.Datum(30).text, "01/04/1990");
    EXPECT_EQ(jda.Label9().text, "01.04.1990");
    EXPECT_EQ(jda.Label14().text, "15.05.2008");
    EXPECT_EQ(rowShown(jda, 15), "15/1/18");
    EXPECT_EQ(rowShown(jda, 16), "0/0/0");
    EXPECT_EQ(rowShown(jda, 17), "15/1/18");
    EXPECT_EQ(jda.Datum(32).text, "01/04/1990");
    EXPECT_EQ(focusedName(jda), "Datum(2)");

    jda.box(1).value = true;
    type(jda, 2, "01/09/1980");
    EXPECT_EQ(focusedName(jda), "Datum(3)");
    type(jda, 3, "31/08/1983");
    EXPECT_TRUE(window.messages.shown.empty());
    EXPECT_EQ(rowShown(jda, 1), "0/0/3");
    EXPECT_EQ(rowShown(jda, 16), "0/0/3");
    EXPECT_EQ(rowShown(jda, 17), "15/1/21");
    EXPECT_EQ(jda.Datum(32).text, "01/04/1987");
    EXPECT_EQ(jda.Datum(33).text, "01/04/2012");
    EXPECT_EQ(jda.Datum(34).text, "01/04/2027");
    EXPECT_EQ(jda.Datum(35).text, "01/04/2037");
    EXPECT_FALSE(jda.Text(5).visible);
    EXPECT_EQ(jda.Datum(33).backColor, anniversaryReached);
    EXPECT_TRUE(jda.Text(6).visible);
    EXPECT_EQ(jda.Datum(34).backColor, anniversaryNotReached);
    EXPECT_TRUE(jda.Text(7).visible);
    EXPECT_EQ(jda.Datum(35).backColor, anniversaryNotReached);
    EXPECT_EQ(jda.Datum(38).text, "10/12/2020");
    EXPECT_EQ(focusedName(jda), "Eingabe(1)");
    // 21 years, 40th birthday long past: no ordinary notice; the 6-month dates.
    EXPECT_EQ(jda.Kündigung(6).backColor, tierMarked);
    EXPECT_EQ(jda.Termin().text, "31.12.2007 *)");
    EXPECT_EQ(jda.Ziel().text, "30.06.2008");
}

// Birthday and pay start typed, row 3 ticked: the start of the cases below.
class TypedRows : public TypedCase {
protected:
    void SetUp() override
    {
        type(jda, 0, "10/03/1955");
        type(jda, 1, "01/04/1996");
        jda.box(3).value = true;
        type(jda, 4, "01/01/1980");
        type(jda, 5, "31/12/1980");
        jda.box(2).value = true;
        type(jda, 5, "31/12/1980");
    }
};

TEST_F(TypedRows, ToDateBeforeFromDateIsRefusedAndEndsTheRun)
{
    ASSERT_EQ(rowShown(jda, 16), "0/0/1");
    const std::string total = rowShown(jda, 17);
    const std::string begin = jda.Datum(32).text;
    type(jda, 6, "01/03/1990");
    type(jda, 7, "28/02/1990");
    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(window.messages.shown[0].text,
              "Das Datum 28.02.1990 liegt   v o r   dem Datum 01.03.1990 und damit nicht in der richtigen Zeitrichtung.");
    EXPECT_EQ(window.messages.shown[0].title, "Tarvolin");
    EXPECT_EQ(jda.Datum(7).text, "__/__/____");
    EXPECT_EQ(jda.dayCounts[7], 0);
    EXPECT_EQ(focusedName(jda), "Datum(7)");
    EXPECT_EQ(rowShown(jda, 3), "0/0/0");
    EXPECT_EQ(rowShown(jda, 16), "0/0/1");
    EXPECT_EQ(rowShown(jda, 17), total);
    EXPECT_EQ(jda.Datum(32).text, begin);
}

TEST_F(TypedRows, RowCases)
{
    struct Row {
        const char* name;
        bool ticked;
        const char* from;
        const char* to;
        const char* shown;
    };
    const Row rows[] = {
        {"one day", true, "01/03/1990", "01/03/1990", "1/0/0"},
        {"unticked row counts nothing, backwards or not", false, "01/03/1990", "28/02/1990", "0/0/0"},
        {"only the to-date", true, "__/__/____", "28/02/1991", "0/0/0"},
        {"from-date still half typed", true, "01/03/19__", "28/02/1991", "0/0/0"},
        {"a ticked year", true, "01/03/1990", "28/02/1991", "0/0/1"},
    };
    for (const Row& r : rows) {
        jda.box(3).value = r.ticked;
        jda.Datum(6).text = r.from;
        type(jda, 7, r.to);
        EXPECT_TRUE(window.messages.shown.empty()) << r.name;
        EXPECT_EQ(rowShown(jda, 3), r.shown) << r.name;
        EXPECT_EQ(jda.Datum(7).text, r.to) << r.name;
    }
    EXPECT_EQ(rowShown(jda, 16), "0/0/2");
}

TEST_F(TypedRows, FromDateMovesTheFocusOnlyWhenFilled)
{
    type(jda, 6, "__/__/____");
    EXPECT_EQ(focusedName(jda), "Eingabe(2)");
    type(jda, 6, "01/03/1990");
    EXPECT_EQ(focusedName(jda), "Datum(7)");
}

TEST_F(TypedRows, ReferenceDateRecomputesTheEmploymentRowOnly)
{
    type(jda, 31, "31/03/2006");
    EXPECT_EQ(rowShown(jda, 15), "0/0/10");
    EXPECT_EQ(jda.Label14().text, "31/03/2006");
    EXPECT_EQ(focusedName(jda), "Eingabe(2)");
    EXPECT_EQ(jda.Kündigung(4).backColor, tierMarked); // 10 + 1 years
    EXPECT_EQ(jda.Termin().text, "31.10.2005 *)");
    type(jda, 31, "__/__/____");
    EXPECT_EQ(jda.Datum(31).text, "15/05/2008");
    EXPECT_EQ(rowShown(jda, 15), "15/1/12");
}

TEST_F(TypedRows, MissingBaseDatesClearEverythingWithoutAQuestion)
{
    for (const int missing : {0, 1}) {
        for (const int confirmed : {1, 5}) {
            SetUp();
            const std::string total = rowShown(jda, 17);
            const std::string retirement = jda.Datum(38).text;
            jda.Datum(missing).text = "__/__/____";
            type(jda, confirmed, jda.Datum(confirmed).text);
            EXPECT_TRUE(window.messages.shown.empty());
            EXPECT_EQ(jda.Datum(4).text, "__/__/____") << missing << " " << confirmed;
            EXPECT_EQ(rowShown(jda, 2), "0/0/0") << missing << " " << confirmed;
            EXPECT_EQ(rowShown(jda, 16), "0/0/0") << missing << " " << confirmed;
            EXPECT_EQ(rowShown(jda, 17), total) << missing << " " << confirmed;
            EXPECT_EQ(jda.Datum(32).text, "__/__/____") << missing << " " << confirmed;
            EXPECT_EQ(jda.Datum(38).text, retirement) << missing << " " << confirmed;
        }
    }
}

} // namespace
} // namespace tarvolin
