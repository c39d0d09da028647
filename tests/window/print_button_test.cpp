// The button Drucken: it prints the letter of what the window shows, leaves
// the shared counters as the letter's row loop always has, refuses without
// the birthday or the pay start before it asks anything, reports a printer's
// failure, and leaves everything as it was when the user cancels.

#include "calc/date_text.h"
#include "tests/support/fakes.h"
#include "tests/support/typical_letter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

// Puts a letter's values into the fields, panels and labels the letter is made of.
void show(testing::TestWindow& t, const LetterInput& l)
{
    JDA& w = t.jda;
    t.clock.day = l.today;
    w.Opt(0).value = l.jdaLetter;
    w.Opt(1).value = !l.jdaLetter;
    w.Datum(0).text = l.birthday;
    w.Datum(1).text = l.payStart;
    w.Datum(31).text = l.referenceDate;
    w.Datum(32).text = l.jdaBegin;
    w.Datum(38).text = l.retirementDate;
    w.Text(13).text = l.retirementCaption;
    w.retireAgeYears = static_cast<std::int16_t>(l.retireAgeYears);
    w.retireAgeMonths = static_cast<std::int16_t>(l.retireAgeMonths);
    const auto showPeriod = [&](int row, const LetterPeriod& p) {
        w.Tage(row).text = p.days;
        w.Monat(row).text = p.months;
        w.Jahr(row).text = p.years;
    };
    for (int k = 1; k <= 14; ++k) {
        const LetterRow& row = l.rows[static_cast<std::size_t>(k - 1)];
        w.Datum(2 * k).text = row.fromDate;
        w.Datum(2 * k + 1).text = row.toDate;
        w.Eingabe(k).text = row.description;
        w.box(k).value = row.ticked;
        showPeriod(k, row.period);
    }
    showPeriod(15, l.employment);
    showPeriod(16, l.priorPeriods);
    showPeriod(17, l.total);
    for (int i = 0; i < 3; ++i) {
        w.Datum(33 + i).text = l.anniversaries[static_cast<std::size_t>(i)].date;
        w.Text(5 + i).visible = l.anniversaries[static_cast<std::size_t>(i)].notReached;
    }
}

class PrintButton : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;

    void SetUp() override { show(window, testing::typicalLetter()); }
    const std::vector<std::string>& print()
    {
        jda.Drucken_Click();
        return window.printer.operations;
    }
};

TEST_F(PrintButton, PrintsTheLetterOfWhatTheWindowShows)
{
    for (const bool jdaLetter : {true, false}) {
        SCOPED_TRACE(jdaLetter ? "JDA letter" : "employment-period letter");
        LetterInput letter = testing::typicalLetter();
        letter.jdaLetter = jdaLetter;
        show(window, letter);
        window.printer.operations.clear();
        testing::RecordingPrinter direct;
        printLetter(letter, direct);
        EXPECT_EQ(print(), direct.operations);
        EXPECT_TRUE(window.messages.shown.empty());
        EXPECT_EQ(jda.workIndex, 15);
        EXPECT_EQ(jda.periodRow, 1);
    }
    // Without a printed row periodRow stays 0.
    for (int k = 1; k <= 14; ++k)
        jda.box(k).value = false;
    print();
    EXPECT_EQ(jda.workIndex, 15);
    EXPECT_EQ(jda.periodRow, 0);
}

TEST_F(PrintButton, RefusesWithoutBirthdayOrPayStart)
{
    struct Case {
        const char* name;
        int emptied;
    };
    for (const Case c : {Case{"no birthday", 0}, Case{"no pay start", 1}}) {
        testing::TestWindow fresh;
        SCOPED_TRACE(c.name);
        JDA& w = fresh.jda;
        w.Datum(0).text = "10/03/1955";
        w.Datum(1).text = "01/04/1990";
        w.Datum(c.emptied).text = std::string{emptyMask};
        w.Datum(29).text = "31/12/1989"; // a filled last row does not help
        w.setFocus(w.Datum(7));
        w.Drucken_Click();
        EXPECT_TRUE(fresh.printer.operations.empty());
        EXPECT_EQ(fresh.letter.addresseesAsked, 0);
        ASSERT_EQ(fresh.messages.shown.size(), 1u);
        EXPECT_EQ(fresh.messages.shown[0].text, "Bitte vorher Daten eingeben");
        EXPECT_EQ(fresh.messages.shown[0].title, "Dateneingabe fehlt");
        EXPECT_EQ(fresh.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(w.focused(), &w.Datum(0));
    }
}

TEST_F(PrintButton, PrintsWhenOnlyTheLastRowIsEmpty)
{
    // An empty to-date of row 14 is the usual case and no reason to refuse.
    ASSERT_TRUE(jda.Datum(29).isEmptyDate());
    print();
    EXPECT_TRUE(window.messages.shown.empty());
    EXPECT_EQ(window.printer.operations.back(), "enddoc");
}

TEST_F(PrintButton, PrinterFailureIsShownAndChangesNothing)
{
    window.printer.failure = "Der Brief konnte nicht gedruckt werden, weil der Drucker „Büro“ einen Fehler gemeldet hat.";
    jda.setFocus(jda.Datum(5));
    std::vector<Control> before = jda.controls();
    const std::string caption = jda.formCaption;
    print();
    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(window.messages.shown[0].text, window.printer.failure);
    EXPECT_EQ(window.messages.shown[0].title, "Tarvolin");
    EXPECT_EQ(window.messages.shown[0].buttons, MessageButtons::Ok);
    const auto& after = jda.controls();
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(controlName(*before[i].design));
        EXPECT_EQ(after[i].text, before[i].text);
        EXPECT_EQ(after[i].visible, before[i].visible);
        EXPECT_EQ(after[i].backColor, before[i].backColor);
        EXPECT_EQ(after[i].fontBold, before[i].fontBold);
        EXPECT_EQ(after[i].value, before[i].value);
    }
    EXPECT_EQ(jda.focused(), &jda.Datum(5));
    EXPECT_EQ(jda.formCaption, caption);
}

TEST_F(PrintButton, CancellingPrintsNothingAndChangesNothing)
{
    struct Case {
        const char* name;
        bool addresseeCancelled;
        bool previewWithdrawn;
    };
    for (const Case c : {Case{"addressee dialog cancelled", true, false}, Case{"preview closed", false, true}}) {
        SCOPED_TRACE(c.name);
        testing::TestWindow fresh;
        show(fresh, testing::typicalLetter());
        JDA& w = fresh.jda;
        if (c.addresseeCancelled)
            fresh.letter.addressee.reset();
        if (c.previewWithdrawn)
            fresh.printer.fates.push_back(DocumentFate::Withdrawn);
        fresh.printer.failure = "nicht gezeigt";
        w.workIndex = 3;
        w.periodRow = 0;
        w.Drucken_Click();
        EXPECT_EQ(fresh.printer.operations.empty(), c.addresseeCancelled);
        EXPECT_TRUE(fresh.messages.shown.empty());
        EXPECT_EQ(w.workIndex, 3);
        EXPECT_EQ(w.periodRow, 0);
    }
}

TEST_F(PrintButton, LetterheadChangedInThePreviewLaysTheLetterOutAgain)
{
    window.letter.addressee = Addressee{"Frau", "Anna Beispiel", "", ""};
    window.printer.fates = {DocumentFate::LayOutAgain, DocumentFate::Delivered};
    const auto& operations = print();
    EXPECT_EQ(window.letter.addresseesAsked, 1);
    EXPECT_EQ(window.letter.letterheadsRead, 2);
    EXPECT_EQ(std::count(operations.begin(), operations.end(), "enddoc"), 2);
    EXPECT_EQ(std::count(operations.begin(), operations.end(), "text\t" + std::string(12, ' ') + "Anna Beispiel"), 2);
    EXPECT_EQ(jda.workIndex, 15);
}

} // namespace
} // namespace tarvolin
