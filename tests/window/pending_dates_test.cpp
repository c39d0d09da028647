// A date typed and left without Enter: the dispatcher takes it as Enter
// would, or gives the field its previous text back, before the focus moves
// on and before any click. Each row compares against what Enter would have
// done or against the window before the typing, so a lost settling (the
// date left uncounted, a row of 0 0 0) fails here.

#include "output/saved_entries.h"
#include "tests/support/fakes.h"
#include "tests/window/startup_case.h"
#include "window/dispatcher.h"
#include "window/refused_date.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

// A window after its blank start, with the birthday 10/03/1955 and the pay
// start 01/04/1990 typed and confirmed, driven as the Qt window and the
// scripted mode drive it; the reasons it gives for refused dates are kept.
struct Clerk {
    testing::TestWindow window;
    JDA& jda = window.jda;
    Dispatcher d{jda};
    std::vector<std::string> reasons;

    explicit Clerk(bool withCase = true)
    {
        d.setRefusalListener([this](Control&, const std::string& reason) { reasons.push_back(reason); });
        jda.startWith(SavedEntries{});
        if (withCase) {
            date(0, "10/03/1955");
            date(1, "01/04/1990");
        }
    }
    void date(int i, std::string_view text)
    {
        d.type(jda.Datum(i), text);
        d.key(jda.Datum(i), Key::Enter);
    }
    std::string focusName()
    {
        const Control* f = jda.focused();
        return f ? std::string{f->design->name} + "(" + std::to_string(f->design->index) + ")" : "";
    }
};

// What the window shows, and where the focus is.
std::vector<std::string> seen(Clerk& c)
{
    std::vector<std::string> s = testing::shownState(c.jda);
    s.push_back("focus " + c.focusName());
    return s;
}

TEST(PendingDates, LeftWithTheFocusOrAClickCountsAsEnter)
{
    struct Row {
        const char* name;
        std::function<void(Clerk&)> leave;    // typing, then leaving without Enter
        std::function<void(Clerk&)> withEnter; // the same with Enter before leaving
        const char* focusAfter;
    };
    const Row rows[] = {
        {"a period left with Tab to its description",
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.d.type(c.jda.Datum(3), "31/08/1983");
             c.d.focus(c.jda.Eingabe(1));
         },
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.date(3, "31/08/1983");
             c.d.focus(c.jda.Eingabe(1));
         },
         "Eingabe(1)"},
        {"a from-date left with a click into the row below",
         [](Clerk& c) {
             c.d.type(c.jda.Datum(2), "01/09/1980");
             c.d.focus(c.jda.Datum(5));
         },
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.d.focus(c.jda.Datum(5));
         },
         "Datum(5)"},
        {"a to-date left with a click on Drucken",
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.d.type(c.jda.Datum(3), "31/08/1983");
             c.d.click(c.jda.Drucken());
         },
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.date(3, "31/08/1983");
             c.d.click(c.jda.Drucken());
         },
         nullptr},
        {"the reference date left with a click on the other view",
         [](Clerk& c) {
             c.d.type(c.jda.Datum(31), "31/12/2010");
             c.d.click(c.jda.Label7());
         },
         [](Clerk& c) {
             c.date(31, "31/12/2010");
             c.d.click(c.jda.Label7());
         },
         nullptr},
        {"an emptied to-date clears its row, as Enter does",
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.date(3, "31/08/1983");
             c.d.type(c.jda.Datum(3), "__/__/____");
             c.d.focus(c.jda.Datum(6));
         },
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.date(3, "31/08/1983");
             c.date(3, "__/__/____");
             c.d.focus(c.jda.Datum(6));
         },
         "Datum(6)"},
        {"a tick clicked in the row of the date is counted after the date",
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.d.type(c.jda.Datum(3), "31/08/1983");
             c.d.click(c.jda.box(1));
         },
         [](Clerk& c) {
             c.date(2, "01/09/1980");
             c.date(3, "31/08/1983");
             c.d.click(c.jda.box(1));
         },
         nullptr},
    };
    for (const Row& r : rows) {
        Clerk c;
        r.leave(c);
        Clerk entered;
        r.withEnter(entered);
        EXPECT_EQ(seen(c), seen(entered)) << r.name;
        EXPECT_EQ(c.window.messages.shown.size(), entered.window.messages.shown.size()) << r.name;
        if (r.focusAfter) {
            EXPECT_EQ(c.focusName(), r.focusAfter) << r.name;
        }
        EXPECT_FALSE(c.d.hasPendingDate()) << r.name;
        EXPECT_TRUE(c.reasons.empty()) << r.name;
    }
}

TEST(PendingDates, APeriodLeftWithTabIsCountedAndPrinted)
{
    Clerk c;
    c.date(2, "01/09/1980");
    c.d.type(c.jda.Datum(3), "31/08/1983");
    c.d.focus(c.jda.Eingabe(1));
    EXPECT_EQ(c.jda.Jahr(1).text, "3");
    EXPECT_EQ(c.jda.Datum(32).text, "01/04/1987");
    c.d.click(c.jda.Drucken());
    bool listed = false;
    for (const auto& op : c.window.printer.operations)
        listed = listed || op.find("31/08/1983") != std::string::npos;
    EXPECT_TRUE(listed);
}

TEST(PendingDates, WhatCannotBeTakenGoesBackWithItsReason)
{
    struct Row {
        const char* name;
        int field;
        std::string typed;
        std::string reason;
    };
    const Row rows[] = {
        {"half typed", 2, "12/03/____", "Datum unvollständig – wieder 01.09.1980"},
        {"a day that does not exist", 2, "31/02/1981", "31.02.1981 gibt es nicht – wieder 01.09.1980"},
        {"outside the range", 2, "01/01/1920", "Datum außerhalb 01.01.1930 – 31.12.2040 – wieder 01.09.1980"},
        {"a two-digit year of two centuries", 2, "01/09/35__", "Jahr bitte vierstellig eingeben – wieder 01.09.1980"},
        {"the birthday emptied", 0, "__/__/____", "Leeren nur mit Enter (löscht alle Angaben) – wieder 10.03.1955"},
        {"the pay start emptied", 1, "__/__/____", "Leeren nur mit Enter (löscht alle Angaben) – wieder 01.04.1990"},
        {"an empty field half typed", 4, "1_/__/____", "Datum unvollständig – Feld wieder leer"},
    };
    for (const Row& r : rows) {
        Clerk c;
        c.date(2, "01/09/1980");
        c.d.focus(c.jda.Eingabe(5));
        const std::vector<std::string> before = testing::shownState(c.jda);
        const auto counts = c.jda.dayCounts;
        const std::string previous = c.jda.Datum(r.field).text;

        c.d.type(c.jda.Datum(r.field), r.typed);
        c.d.focus(c.jda.Eingabe(7));
        EXPECT_EQ(c.jda.Datum(r.field).text, previous) << r.name;
        EXPECT_EQ(testing::shownState(c.jda), before) << r.name;
        EXPECT_EQ(c.jda.dayCounts, counts) << r.name;
        EXPECT_EQ(c.reasons, std::vector<std::string>{r.reason}) << r.name;
        EXPECT_TRUE(c.window.messages.shown.empty()) << r.name << ": no message box, no question";
        EXPECT_EQ(c.focusName(), "Eingabe(7)") << r.name;
    }
}

TEST(PendingDates, WhenNothingIsSettled)
{
    struct Row {
        const char* name;
        std::function<void(Clerk&)> steps;
        std::string datum2; // Datum(2) afterwards
        bool pending;
    };
    const Row rows[] = {
        {"the focus stays in the field", [](Clerk& c) { c.d.focus(c.jda.Datum(2)); }, "12/__/____", true},
        {"typed on in the same field", [](Clerk& c) { c.d.type(c.jda.Datum(2), "12/03/____"); }, "12/03/____", true},
        {"a key in the same field", [](Clerk& c) { c.d.key(c.jda.Datum(2), Key::Character, "5"); }, "12/__/____", true},
        {"Enter handles it: emptied as half typed", [](Clerk& c) { c.d.key(c.jda.Datum(2), Key::Enter); },
         "__/__/____", false},
        {"typed back to what it was", [](Clerk& c) { c.d.type(c.jda.Datum(2), "__/__/____"); }, "__/__/____", false},
    };
    for (const Row& r : rows) {
        Clerk c;
        c.d.type(c.jda.Datum(2), "12/__/____");
        r.steps(c);
        EXPECT_EQ(c.jda.Datum(2).text, r.datum2) << r.name;
        EXPECT_EQ(c.d.hasPendingDate(), r.pending) << r.name;
    }
}

TEST(PendingDates, EnterEndsThePendingState)
{
    // A pay start 66 years after the birthday warns at every check: a date
    // handled twice would warn twice.
    Clerk c{false};
    c.date(0, "01/01/1930");
    c.date(1, "01/01/1996");
    c.d.type(c.jda.Datum(31), "31/12/2010");
    c.d.key(c.jda.Datum(31), Key::Enter);
    const std::size_t warnings = c.window.messages.shown.size();
    ASSERT_GT(warnings, 0u);
    c.d.focus(c.jda.Datum(10));
    c.d.focus(c.jda.Datum(31));
    c.d.focus(c.jda.Eingabe(2));
    EXPECT_EQ(c.window.messages.shown.size(), warnings);
}

TEST(PendingDates, AMessageOfTheCheckComesAsWithEnterThenTheFocusGoesOn)
{
    Clerk c;
    c.d.type(c.jda.Datum(2), "01/01/1950"); // before the birthday
    c.d.focus(c.jda.Eingabe(3));
    ASSERT_EQ(c.window.messages.shown.size(), 1u);
    EXPECT_NE(c.window.messages.shown[0].text.find("v o r"), std::string::npos) << c.window.messages.shown[0].text;
    EXPECT_EQ(c.jda.Datum(2).text, "__/__/____");
    EXPECT_EQ(c.focusName(), "Eingabe(3)");
}

TEST(PendingDates, TheWorkingAndResultFieldsAreNeverPending)
{
    for (const int i : {30, 32, 35, 38}) {
        Clerk c;
        c.d.type(c.jda.Datum(i), "01/01/2000");
        EXPECT_FALSE(c.d.hasPendingDate()) << i;
        c.d.focus(c.jda.Eingabe(1));
        EXPECT_EQ(c.jda.Datum(i).text, "01/01/2000") << i;
    }
}

TEST(PendingDates, ABirthdayTypedWithoutEnterSetsTheAgeBeforeAnAgeButton)
{
    // The saved-entries example: born 14/03/1958, four clicks on "mehr". The
    // first click settles the birthday, which sets 1958's statutory 66 years.
    Clerk c{false};
    c.d.type(c.jda.Datum(0), "14/03/1958");
    for (int i = 0; i < 4; ++i)
        c.d.click(c.jda.mehr());
    c.d.click(c.jda.Label7());
    EXPECT_EQ(c.jda.retireAgeYears, 66);
    EXPECT_EQ(c.jda.retireAgeMonths, 4);
    EXPECT_EQ(c.jda.Datum(0).text, "14/03/1958");
}

TEST(TwoDigitYears, EnterTakesOneCenturyAndRefusesTwo)
{
    struct Row {
        const char* name;
        int field;
        std::string typed;
        std::string shown;  // after Enter
        std::string reason; // said at the field
    };
    const Row rows[] = {
        {"1.9.82 in the birthday", 0, "01/09/82__", "01/09/1982", ""},
        {"a reference date of 2005", 31, "31/01/05__", "31/01/2005", ""},
        {"1935 or 2035", 2, "01/09/35__", "__/__/____", "Jahr bitte vierstellig eingeben"},
        {"the leap day of 2000 as reference date", 31, "29/02/00__", "29/02/2000", ""},
        {"no century makes a 31st of April", 2, "31/04/82__", "__/__/____", "Jahr bitte vierstellig eingeben"},
        {"three digits are only half a year", 2, "01/09/198_", "__/__/____", ""},
    };
    for (const Row& r : rows) {
        Clerk c{r.field != 0};
        c.d.type(c.jda.Datum(r.field), r.typed);
        c.d.key(c.jda.Datum(r.field), Key::Enter);
        EXPECT_EQ(c.jda.Datum(r.field).text, r.shown) << r.name;
        EXPECT_EQ(c.reasons, r.reason.empty() ? std::vector<std::string>{} : std::vector<std::string>{r.reason})
            << r.name;
    }
}

TEST(TwoDigitYears, CompletedOnlyWhereOneCenturyFits)
{
    const DateRange inputRange = controlTable[static_cast<std::size_t>(controlSlot("Datum", 0))].range;
    struct Row {
        const char* name;
        std::string text;
        DateRange range;
        std::string completed;
    };
    const Row rows[] = {
        {"1982, as 2082 lies outside", "01/09/82__", inputRange, "01/09/1982"},
        {"2029, as 1929 lies outside", "31/12/29__", inputRange, "31/12/2029"},
        {"1930 and 2030 both fit", "01/01/30__", inputRange, ""},
        {"2040 and 1940 both fit", "31/12/40__", inputRange, ""},
        {"2041 is outside, 1941 fits", "01/01/41__", inputRange, "01/01/1941"},
        {"a complete date is no short one", "01/09/1982", inputRange, ""},
        {"letters are no digits", "01/09/8x__", inputRange, ""},
        {"1900 has no 29 February, 2000 has", "29/02/00__", {{1900, 1, 1}, {2099, 12, 31}}, "29/02/2000"},
        {"the first of March in both", "01/03/00__", {{1900, 1, 1}, {2099, 12, 31}}, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(completedShortYear(r.text, r.range), r.completed) << r.name;
}

} // namespace
} // namespace tarvolin
