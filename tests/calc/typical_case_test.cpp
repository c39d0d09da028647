// Whole cases typed entry by entry, each Enter running the recalculation.

#include "tests/calc/case_helpers.h"

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

} // namespace
} // namespace tarvolin
