// The buttons ab and auf exchange a period row with its neighbour.

#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using testing::focusedName;
using testing::rowShown;
using testing::startCase;
using testing::typeRow;

std::string padded(std::string text) { return text + std::string(60 - text.size(), ' '); }

class RowMoves : public ::testing::Test {
protected:
    void SetUp() override
    {
        startCase(jda);
        typeRow(jda, 2, "01/09/1980", "31/08/1983");
        jda.Eingabe(2).text = "Wehrdienst";
        jda.Zähler(2).text = "50";
        jda.setFocus(jda.Eingabe(2));
    }
    // Everything a row owns, in one text, to compare rows before and after.
    std::string row(int r)
    {
        return jda.Datum(2 * r).text + "|" + jda.Datum(2 * r + 1).text + "|" +
               std::to_string(jda.dayCounts[static_cast<std::size_t>(2 * r)]) + "|" +
               std::to_string(jda.dayCounts[static_cast<std::size_t>(2 * r + 1)]) + "|" + jda.Eingabe(r).text + "|" +
               jda.Zähler(r).text + "|" + (jda.box(r).value ? "x" : "-") + "|" + rowShown(jda, r);
    }

    testing::TestWindow window;
    JDA& jda = window.jda;
};

TEST_F(RowMoves, DownIntoAnEmptyRow)
{
    const std::string second = row(2);
    const std::string sumRow = rowShown(jda, 16);
    const std::string jdaBegin = jda.Datum(32).text;

    jda.ab_Click(2);

    // Row 3 receives row 2 as it was, its description unchanged.
    EXPECT_EQ(row(3), second);
    EXPECT_EQ(row(3), "01/09/1980|31/08/1983|9307|10401|Wehrdienst|50|x|0/0/3");
    // Row 2 receives the empty row through the buffer: 60 blanks.
    EXPECT_EQ(row(2), "__/__/____|__/__/____|0|0|" + std::string(60, ' ') + "|60|x|0/0/0");
    EXPECT_EQ(rowShown(jda, 16), sumRow);
    EXPECT_EQ(jda.Datum(32).text, jdaBegin);
    EXPECT_EQ(focusedName(jda), "Eingabe(2)");
    EXPECT_EQ(jda.loadingFlag, False);
    EXPECT_TRUE(window.messages.shown.empty());
}

TEST_F(RowMoves, UpAndDownAgainRestoresTheOrder)
{
    typeRow(jda, 3, "01/09/1984", "31/08/1985");
    jda.Eingabe(3).text = "Studium";
    jda.Zähler(3).text = "53";
    const std::string second = row(2);
    const std::string third = row(3);

    jda.auf_Click(3);
    EXPECT_EQ(row(2), third);
    EXPECT_EQ(jda.Eingabe(3).text, padded("Wehrdienst"));

    jda.ab_Click(2);
    EXPECT_EQ(row(3), third);
    EXPECT_EQ(jda.Eingabe(2).text, padded("Wehrdienst"));
    jda.Eingabe(2).text = "Wehrdienst";
    EXPECT_EQ(row(2), second);
}

TEST_F(RowMoves, AnUntickedRowStaysUntickedAndZero)
{
    typeRow(jda, 3, "01/09/1984", "31/08/1985");
    jda.box(3).value = false;
    jda.box_Click(3, False);
    ASSERT_EQ(rowShown(jda, 3), "0/0/0");
    const std::string third = row(3);
    const std::string sumRow = rowShown(jda, 16);

    jda.auf_Click(3);

    EXPECT_FALSE(jda.box(2).value);
    EXPECT_TRUE(jda.box(3).value);
    EXPECT_EQ(row(2), third);
    EXPECT_EQ(rowShown(jda, 16), sumRow);
    // The ticks were set while loading: no recalculation, no focus move.
    EXPECT_EQ(rowShown(jda, 3), "0/0/3");
}

TEST_F(RowMoves, TheBufferHoldsTheNeighbourRow)
{
    // Day counts beyond 16 bits travel whole: a birthday in 1930 and a date
    // in 2040 are about 40,000 days apart.
    jda.dayCounts[26] = 40177;
    jda.dayCounts[27] = 40543;
    jda.Eingabe(13).text = "Aushilfe";
    jda.Zähler(13).text = "52";
    jda.Tage(13).text = "29";
    jda.Monat(13).text = "11";
    jda.Jahr(13).text = "";

    jda.auf_Click(14);

    EXPECT_EQ(jda.swapFromCount, 40177);
    EXPECT_EQ(jda.swapToCount, 40543);
    EXPECT_EQ(jda.swapDescription.str(), padded("Aushilfe"));
    EXPECT_EQ(jda.swapCharsLeft, 52);
    EXPECT_EQ(jda.swapInService, True);
    EXPECT_EQ(jda.swapDays, 29);
    EXPECT_EQ(jda.swapMonths, 11);
    EXPECT_EQ(jda.swapYears, 0); // an empty caption reads 0
    EXPECT_EQ(jda.dayCounts[28], 40177);
    EXPECT_EQ(jda.dayCounts[29], 40543);
    EXPECT_EQ(rowShown(jda, 14), "29/11/0");
}

TEST_F(RowMoves, EveryNeighbourPair)
{
    for (int k = 1; k <= 13; ++k) {
        testing::TestWindow w;
        startCase(w.jda);
        w.jda.Eingabe(k).text = "Zeile " + std::to_string(k);
        w.jda.ab_Click(static_cast<std::int16_t>(k));
        EXPECT_EQ(w.jda.Eingabe(k + 1).text, "Zeile " + std::to_string(k)) << k;
        w.jda.auf_Click(static_cast<std::int16_t>(k + 1));
        EXPECT_EQ(w.jda.Eingabe(k).text, "Zeile " + std::to_string(k)) << k;
    }
}

} // namespace
} // namespace tarvolin
