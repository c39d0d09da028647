// What a screen reader is told about a control: the value in the name of a
// result, a date field read as a date, the applicable notice tier marked,
// an anniversary beyond the retirement age said so.

#include "window/spoken_control.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(SpokenDate, ReadsTheFieldAsADate)
{
    struct Row {
        const char* name;
        const char* field;
        const char* spoken;
    };
    const Row rows[] = {
        {"empty mask", "__/__/____", "leer"},
        {"complete date", "10/03/1955", "10.03.1955"},
        {"day and month typed", "12/03/____", "12.03"},
        {"one digit typed", "1_/__/____", "1"},
        {"year half typed", "12/03/19__", "12.03.19"},
        // A gap in front keeps the places of what follows.
        {"day missing", "__/03/1990", "  .03.1990"},
        {"nothing at all", "", "leer"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(spokenDate(r.field), r.spoken) << r.name;
}

TEST(SingleBlanks, TierCaptionsReadWithoutTheirColumnBlanks)
{
    EXPECT_EQ(singleBlanks("von mindestens    5 Jahren      3 Monate"), "von mindestens 5 Jahren 3 Monate");
    EXPECT_EQ(singleBlanks("  vorne und hinten  "), "vorne und hinten");
    EXPECT_EQ(singleBlanks(""), "");
}

struct Case {
    const char* name;
    const char* control;
    int index;
    // What the model holds.
    const char* text;
    std::uint32_t backColor;
    bool value;
    // What is spoken.
    const char* spokenName;
    const char* spokenValue;
    bool marked;
    bool result;
};

TEST(SpokenControl, NamesValuesAndMarks)
{
    const Case cases[] = {
        {"result panel with its number", "Jahr", 1, "3", white, false, "Jahre Zeitraum 1: 3", "", false, true},
        {"empty result panel", "Tage", 16, "", white, false, "Tage Summe der anrechenbaren Vorzeiten: leer", "", false,
         true},
        {"retirement age panel", "Alter", -1, "65", white, false, "Ruhestand nach Jahren: 65", "", false, true},
        {"last notice day", "Termin", -1, "31.12.2007 *)", white, false, "Spätestens zu kündigen am: 31.12.2007 *)", "",
         false, true},
        {"notice effective", "Ziel", -1, "", white, false, "Kündigung zum: leer", "", false, true},
        {"reference date in the field's form", "Label14", -1, "15/05/2008", white, false,
         "Beschäftigungszeit bis: 15.05.2008", "", false, true},
        {"free characters are no result", "Zähler", 2, "60", white, false, "Freie Zeichen Zeitraum 2: 60", "", false,
         false},
        {"empty birthday", "Datum", 0, "__/__/____", white, false, "Geburtstag", "leer", false, false},
        {"typed pay start", "Datum", 1, "01/04/1990", white, false, "Tag, ab dem Dienstbezüge zustehen", "01.04.1990",
         false, false},
        {"JDA begin is a result", "Datum", 32, "01/04/1987", white, false, "Jubiläumsdienstalter Beginn", "01.04.1987",
         false, true},
        {"notice tier that applies", "Kündigung", 2, "von mindestens    5 Jahren      3 Monate", tierMarked, false,
         "Kündigungsfrist Stufe 2 (zutreffend): von mindestens 5 Jahren 3 Monate", "", true, true},
        {"notice tier that does not", "Kündigung", 3, "von mindestens    8 Jahren", white, false,
         "Kündigungsfrist Stufe 3: von mindestens 8 Jahren", "", false, true},
        {"ticked row", "box", 4, "", white, true, "Öffentlicher Dienst Zeitraum 4", "", true, false},
        {"unticked row", "box", 5, "", white, false, "Öffentlicher Dienst Zeitraum 5", "", false, false},
        {"chosen option", "Opt", 1, "", white, true, "Berechnen bis zum Stichtag (benötigt bis)", "", true, false},
        {"button", "Drucken", -1, "       Drucken", white, false, "Drucken", "", false, false},
        {"plain caption says itself", "Label10", -1, "spätestens zu kündigen am", white, false, "", "", false, false},
    };
    for (const Case& c : cases) {
        ControlModel model;
        const int slot = controlSlot(c.control, c.index);
        ASSERT_GE(slot, 0) << c.name;
        Control& control = model.at(slot);
        control.text = c.text;
        control.backColor = c.backColor;
        control.value = c.value;
        const SpokenControl spoken = spokenControl(model, slot);
        EXPECT_EQ(spoken.name, c.spokenName) << c.name;
        EXPECT_EQ(spoken.value, c.spokenValue) << c.name;
        EXPECT_EQ(spoken.marked, c.marked) << c.name;
        EXPECT_EQ(spoken.result, c.result) << c.name;
    }
}

// "(wird nicht erreicht)" belongs to the anniversary beside which it is shown.
TEST(SpokenControl, AnniversaryBeyondRetirementSaysSo)
{
    ControlModel model;
    for (int a = 0; a < 3; ++a) {
        model.Datum(33 + a).text = "01/04/2027";
        model.Text(5 + a).visible = a != 0;
    }
    EXPECT_EQ(spokenControl(model, controlSlot("Datum", 33)).name, "25-jähriges Dienstjubiläum");
    EXPECT_EQ(spokenControl(model, controlSlot("Datum", 34)).name, "40-jähriges Dienstjubiläum (wird nicht erreicht)");
    EXPECT_EQ(spokenControl(model, controlSlot("Datum", 35)).name, "50-jähriges Dienstjubiläum (wird nicht erreicht)");
}

// Every control a user reaches has words: the table's name, or a caption.
TEST(SpokenControl, EveryControlThatTakesTheFocusHasAName)
{
    const ControlModel model;
    for (int slot = 0; slot < static_cast<int>(controlTable.size()); ++slot) {
        const ControlDesign& d = controlTable[static_cast<std::size_t>(slot)];
        const bool takesFocus = d.kind == ControlKind::DateField || d.kind == ControlKind::TextBox
                                || d.kind == ControlKind::Button || d.kind == ControlKind::Check
                                || d.kind == ControlKind::Option;
        if (takesFocus && !d.working) {
            EXPECT_FALSE(spokenControl(model, slot).name.empty()) << controlName(d);
        }
    }
}

} // namespace
} // namespace tarvolin
