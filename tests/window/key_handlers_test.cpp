// Enter in the date fields, the keys of the description boxes and the row ticks.

#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using testing::focusedName;
using testing::pressKey;
using testing::rowShown;
using testing::startCase;
using testing::typeAndEnter;
using testing::typeRow;

class Keys : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;
};

TEST_F(Keys, AnyKeyNamesTheFieldItWasTypedInto)
{
    struct Row {
        const char* name;
        int index, row;
    };
    const Row rows[] = {{"birthday", 0, 0}, {"pay start", 1, 0}, {"from-date of row 2", 4, 2},
                        {"to-date of row 14", 29, 14}, {"pay-start copy", 30, 15}, {"reference date", 31, 15},
                        {"JDA begin", 32, 16}, {"retirement date", 38, 19}};
    for (const Row& r : rows) {
        jda.Datum(r.index).text = "12/03/____";
        std::int16_t key = '5';
        jda.Datum_KeyPress(static_cast<std::int16_t>(r.index), key);
        EXPECT_EQ(jda.currentIndex, r.index) << r.name;
        EXPECT_EQ(jda.currentRow, r.row) << r.name;
        EXPECT_EQ(jda.lastIndex, r.index) << r.name;
        // Only Enter acts; the field takes other keys itself.
        EXPECT_EQ(jda.Datum(r.index).text, "12/03/____") << r.name;
    }
}

// A date that cannot be used is emptied on Enter and nothing is recalculated:
// the reference date, which every recalculation fills, stays empty.
TEST_F(Keys, EnterEmptiesAnUnusableDateWithoutRecalculating)
{
    struct Row {
        const char* name;
        int index;
        const char* text;
    };
    const Row rows[] = {
        {"day and month typed, year open", 5, "12/03/____"},
        {"birthday half typed", 0, "1_/03/1955"},
        {"31 February", 0, "31/02/2008"},
        {"day 0", 1, "00/05/2008"},
        {"month 13", 6, "15/13/2008"},
        {"before the permitted range", 4, "31/12/1929"},
        {"after the permitted range", 31, "01/01/2041"},
        {"pay-start copy, impossible", 30, "30/02/1990"},
        {"result field, half typed", 33, "01/04/____"},
    };
    for (const Row& r : rows) {
        testing::TestWindow fresh;
        testing::typeAndEnter(fresh.jda, r.index, r.text);
        EXPECT_EQ(fresh.jda.Datum(r.index).text, "__/__/____") << r.name;
        EXPECT_EQ(fresh.jda.Datum(31).text, "__/__/____") << r.name;
        EXPECT_TRUE(fresh.messages.shown.empty()) << r.name;
        EXPECT_EQ(fresh.jda.Alter().text, "") << r.name;
    }
}

TEST_F(Keys, EnterInAResultFieldKeepsACompleteOrEmptyDate)
{
    for (const char* text : {"01/04/2012", "31/12/2099", "__/__/____"}) {
        testing::TestWindow fresh;
        fresh.jda.Datum(33).text = text;
        testing::pressKey(fresh.jda, 33, 13);
        EXPECT_EQ(fresh.jda.Datum(33).text, text);
        EXPECT_EQ(fresh.jda.Datum(31).text, "__/__/____") << text;
    }
}

TEST_F(Keys, EnterOnTheBirthdaySetsTheRetirementAgeBeforeTheRecalculation)
{
    typeAndEnter(jda, 0, "10/03/1955");
    EXPECT_EQ(jda.Alter().text, "65");
    EXPECT_EQ(jda.month().text, "9");
    EXPECT_EQ(jda.Text(13).text, "Erreichen der Regelaltersgrenze");
    EXPECT_EQ(jda.Datum(31).text, "15/05/2008");
    EXPECT_EQ(focusedName(jda), "Datum(1)");
}

TEST_F(Keys, DeletingTheBirthdayAsksBeforeEverythingIsCleared)
{
    struct Row {
        const char* name;
        std::deque<std::int16_t> answers;
        std::int16_t confirmAnswer;
        bool cleared;
    };
    const Row rows[] = {{"yes", {answerYes}, answerYes, true},
                        {"no", {answerNo}, answerNo, false},
                        {"no answer given: the default button", {}, answerYes, true}};
    for (const Row& r : rows) {
        testing::TestWindow w;
        startCase(w.jda);
        typeRow(w.jda, 1, "01/09/1980", "31/08/1983");
        w.jda.Eingabe(1).text = "Wehrdienst";
        w.messages.answers = r.answers;

        typeAndEnter(w.jda, 0, "__/__/____");

        ASSERT_EQ(w.messages.shown.size(), 1u) << r.name;
        const auto& m = w.messages.shown[0];
        EXPECT_EQ(m.title, "Mit der kompletten Löschung einverstanden?");
        EXPECT_EQ(m.text, "Mit dem Löschen des Geburtstags werden   a l l e   Daten gelöscht. Sei können es noch "
                          "verhindern, indem Sie \"Nein\" anklicken und noch vor der nächsten Enter-Taste einen "
                          "neuen Geburtstag eingeben.");
        EXPECT_EQ(m.buttons, MessageButtons::YesNo);
        EXPECT_EQ(w.jda.confirmAnswer, r.confirmAnswer) << r.name;
        EXPECT_EQ(w.jda.Datum(0).text, "__/__/____") << r.name;
        EXPECT_EQ(w.jda.Datum(1).isEmptyDate(), r.cleared) << r.name;
        EXPECT_EQ(w.jda.Datum(3).isEmptyDate(), r.cleared) << r.name;
        EXPECT_EQ(w.jda.Eingabe(1).text, r.cleared ? "" : "Wehrdienst") << r.name;
        EXPECT_EQ(rowShown(w.jda, 1), r.cleared ? "0/0/0" : "0/0/3") << r.name;
        // The recalculation does not run either way: the totals stay.
        EXPECT_EQ(rowShown(w.jda, 17), "15/1/21") << r.name;
    }
}

TEST_F(Keys, DeletingAToDateClearsItsRowButNotTheTotals)
{
    startCase(jda);
    typeRow(jda, 3, "01/09/1980", "31/08/1983");
    ASSERT_EQ(rowShown(jda, 16), "0/0/3");
    const auto countOfFromDate = jda.dayCounts[6];

    typeAndEnter(jda, 7, "__/__/____");

    EXPECT_EQ(jda.Datum(6).text, "__/__/____");
    EXPECT_EQ(jda.Datum(7).text, "__/__/____");
    EXPECT_EQ(rowShown(jda, 3), "0/0/0");
    EXPECT_EQ(rowShown(jda, 16), "0/0/3");
    EXPECT_EQ(jda.dayCounts[6], countOfFromDate);
    EXPECT_TRUE(window.messages.shown.empty());
}

TEST_F(Keys, DeletingAFromDateRecalculatesWithoutClearingTheRow)
{
    startCase(jda);
    typeRow(jda, 3, "01/09/1980", "31/08/1983");
    jda.Datum(31).text = "__/__/____";
    typeAndEnter(jda, 6, "__/__/____");
    EXPECT_EQ(jda.Datum(7).text, "31/08/1983");
    EXPECT_EQ(rowShown(jda, 3), "0/0/3");
    EXPECT_EQ(jda.Datum(31).text, "15/05/2008"); // the recalculation ran
}

TEST_F(Keys, DescriptionCounterShowsWhatIsLeftBeforeTheKey)
{
    struct Row {
        const char* name;
        const char* text;
        const char* counter;
        std::int16_t keyAfter; // the key 'x' after the handler
    };
    const std::string sixty(60, 'a');
    const std::string fiftyNine(59, 'a');
    const std::string overFull = fiftyNine + "   x";
    const Row rows[] = {
        {"empty", "", "60", 'x'},
        {"blanks do not count at either end", "  Wehrdienst   ", "50", 'x'},
        {"umlauts count as one character", "Grundwehrdienst in Köln", "37", 'x'},
        {"one left", fiftyNine.c_str(), "1", 'x'},
        {"full", sixty.c_str(), "0", 0},
        {"over full after blanks", overFull.c_str(), "-3", 0},
    };
    for (const Row& r : rows) {
        jda.Eingabe(4).text = r.text;
        std::int16_t key = 'x';
        jda.Eingabe_KeyPress(4, key);
        EXPECT_EQ(jda.Zähler(4).text, r.counter) << r.name;
        EXPECT_EQ(key, r.keyAfter) << r.name;
    }
}

TEST_F(Keys, EnterInADescriptionMovesOnToTheNextRow)
{
    struct Row {
        int box;
        std::string text;
        std::string focusAfter;
    };
    const Row rows[] = {{1, "Wehrdienst", "Datum(4)"},
                        {13, "", "Datum(28)"},
                        {14, "Studium", "Eingabe(14)"},
                        {3, std::string(60, 'z'), "Eingabe(3)"}}; // full: Enter discarded too
    for (const Row& r : rows) {
        testing::TestWindow w;
        w.jda.Eingabe(r.box).text = r.text;
        w.jda.setFocus(w.jda.Eingabe(r.box));
        std::int16_t key = 13;
        w.jda.Eingabe_KeyPress(static_cast<std::int16_t>(r.box), key);
        EXPECT_EQ(focusedName(w.jda), r.focusAfter) << r.box;
    }
}

TEST_F(Keys, UntickingARowZeroesItAndRecomputesTheTotals)
{
    startCase(jda);
    typeRow(jda, 5, "01/09/1980", "31/08/1983");
    ASSERT_EQ(rowShown(jda, 16), "0/0/3");

    jda.box(5).value = false;
    jda.box_Click(5, False);
    EXPECT_EQ(rowShown(jda, 5), "0/0/0");
    EXPECT_EQ(rowShown(jda, 16), "0/0/0");
    EXPECT_EQ(jda.dayCounts[10], 0);
    EXPECT_EQ(jda.dayCounts[11], 0);
    EXPECT_EQ(jda.Datum(32).text, "01/04/1990");

    jda.box(5).value = true;
    jda.box_Click(5, True);
    EXPECT_EQ(rowShown(jda, 5), "0/0/3");
    EXPECT_EQ(rowShown(jda, 16), "0/0/3");
    EXPECT_EQ(jda.Datum(32).text, "01/04/1987");
    // Both dates counted again from the birthday 10/03/1955.
    EXPECT_EQ(jda.dayCounts[10], 9307);
    EXPECT_EQ(jda.dayCounts[11], 10401);
    EXPECT_EQ(focusedName(jda), "Eingabe(5)");
}

// An unticked row never shows the time-direction message; ticked again, its
// from-date must count again, or a to-date before it would pass unseen.
TEST_F(Keys, ReTickingARowChecksItsTimeDirection)
{
    startCase(jda);
    jda.box(3).value = false;
    typeRow(jda, 3, "01/03/1985", "28/02/1985");
    EXPECT_TRUE(window.messages.shown.empty());

    jda.box(3).value = true;
    jda.box_Click(3, True);

    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(window.messages.shown[0].text,
              "Das Datum 28.02.1985 liegt   v o r   dem Datum 01.03.1985 und damit nicht in der richtigen "
              "Zeitrichtung.");
    EXPECT_EQ(jda.Datum(7).text, "__/__/____");
    EXPECT_EQ(rowShown(jda, 3), "0/0/0");
    EXPECT_EQ(focusedName(jda), "Datum(7)");
}

TEST_F(Keys, ATickSetByTheProgramWhileLoadingDoesNothing)
{
    startCase(jda);
    typeRow(jda, 2, "01/09/1980", "31/08/1983");
    jda.loadingFlag = True;
    jda.setBox(2, false);
    EXPECT_EQ(rowShown(jda, 2), "0/0/3");
    EXPECT_NE(jda.dayCounts[4], 0);
    EXPECT_EQ(focusedName(jda), "Eingabe(2)");
}

TEST_F(Keys, ATickOnAnEmptyOrHalfTypedRow)
{
    startCase(jda);
    jda.Datum(9).text = "31/08/____";
    jda.box(4).value = false;
    jda.box_Click(4, False);
    EXPECT_EQ(jda.Datum(9).text, "__/__/____"); // the Enter emptied it
    EXPECT_EQ(rowShown(jda, 4), "//");          // and recalculated nothing
    EXPECT_EQ(jda.currentIndex, 9);
    EXPECT_EQ(jda.currentRow, 4);

    jda.box(4).value = true;
    jda.box_Click(4, True); // empty to-date: the row is cleared
    EXPECT_EQ(rowShown(jda, 4), "0/0/0");
}

} // namespace
} // namespace tarvolin
