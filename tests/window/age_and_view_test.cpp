// Stepping the retirement age, and the two views of the window.

#include "tests/support/typed_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using Handler = void (JDA::*)();

TEST(AgeButtons, StepAndWrap)
{
    struct Row {
        const char* name;
        Handler press;
        int years, months;
        const char* shownYears;
        const char* shownMonths;
    };
    const Row rows[] = {
        {"Altern 66", &JDA::Altern_Click, 65, 3, "66", ""},   {"Altern at 70", &JDA::Altern_Click, 70, 0, "55", ""},
        {"jünger 64", &JDA::jünger_Click, 65, 3, "64", ""},   {"jünger at 55", &JDA::jünger_Click, 55, 0, "70", ""},
        {"mehr 4", &JDA::mehr_Click, 65, 3, "", "4"},         {"mehr at 11", &JDA::mehr_Click, 65, 11, "", "0"},
        {"weniger 2", &JDA::weniger_Click, 65, 3, "", "2"},   {"weniger at 0", &JDA::weniger_Click, 65, 0, "", "11"},
    };
    for (const Row& r : rows) {
        testing::TestWindow w;
        w.jda.retireAgeYears = static_cast<std::int16_t>(r.years);
        w.jda.retireAgeMonths = static_cast<std::int16_t>(r.months);
        (w.jda.*r.press)();
        // Each button shows only the value it stepped.
        EXPECT_EQ(w.jda.Alter().text, r.shownYears) << r.name;
        EXPECT_EQ(w.jda.month().text, r.shownMonths) << r.name;
    }
}

TEST(AgeButtons, AFullCircleComesBack)
{
    struct Row {
        Handler press;
        int presses;
    };
    for (const Row& r : {Row{&JDA::Altern_Click, 16}, Row{&JDA::jünger_Click, 16}, Row{&JDA::mehr_Click, 12},
                         Row{&JDA::weniger_Click, 12}}) {
        testing::TestWindow w;
        w.jda.retireAgeYears = 63;
        w.jda.retireAgeMonths = 7;
        for (int i = 0; i < r.presses; ++i)
            (w.jda.*r.press)();
        EXPECT_EQ(w.jda.retireAgeYears, 63);
        EXPECT_EQ(w.jda.retireAgeMonths, 7);
    }
}

TEST(AgeButtons, TheRetirementDateFollowsTheAge)
{
    testing::TestWindow w;
    testing::startCase(w.jda);
    testing::typeRow(w.jda, 1, "01/09/1980", "31/08/1983");
    ASSERT_EQ(w.jda.Datum(38).text, "10/12/2020");
    const std::string sumRow = testing::rowShown(w.jda, 17);
    const std::string noticeDate = w.jda.Datum(36).text;

    w.jda.Altern_Click();
    EXPECT_EQ(w.jda.Alter().text, "66");
    EXPECT_EQ(w.jda.Text(13).text, "Eintritt in des Ruhestand");
    EXPECT_EQ(w.jda.Datum(38).text, "10/12/2021");
    EXPECT_EQ(testing::rowShown(w.jda, 17), sumRow);
    EXPECT_EQ(w.jda.Datum(36).text, noticeDate);

    w.jda.jünger_Click();
    EXPECT_EQ(w.jda.Alter().text, "65");
    EXPECT_EQ(w.jda.Text(13).text, "Erreichen der Regelaltersgrenze");
    EXPECT_EQ(w.jda.Datum(38).text, "10/12/2020");
}

struct ViewShown {
    bool panels; // Aufkleber, Label10, Label11, Label12, Termin, Ziel
    std::string caption;
};

ViewShown shown(JDA& jda)
{
    bool all = true, none = true;
    for (Control* c : {&jda.Aufkleber(), &jda.Label10(), &jda.Label11(), &jda.Label12(), &jda.Termin(), &jda.Ziel()}) {
        all = all && c->visible;
        none = none && !c->visible;
    }
    EXPECT_TRUE(all || none) << "the six controls switch together";
    return {all, jda.formCaption};
}

TEST(ViewModes, OptionsAndLabelsSwitchTheView)
{
    const std::string anniversaries = "Wann erhalte ich eine Jubiläumszuwendung?";
    const std::string employment = "Meine Beschäftigungszeit nach § 34 TVöD/TV-L";
    struct Row {
        const char* name;
        void (*act)(JDA&);
        int viewMode;
        bool panels;
        const std::string& caption;
        bool opt0;
    };
    const Row rows[] = {
        {"Opt(1)", [](JDA& j) { j.selectOpt(1); }, 1, true, employment, false},
        {"Opt(0)", [](JDA& j) { j.selectOpt(0); }, 0, false, anniversaries, true},
        {"Label7", [](JDA& j) { j.Label7_Click(); }, 1, true, employment, false},
        {"Label7 again", [](JDA& j) { j.Label7_Click(); }, 1, true, employment, false},
        {"Label4", [](JDA& j) { j.Label4_Click(); }, 0, false, anniversaries, true},
    };
    testing::TestWindow w;
    for (const Row& r : rows) {
        r.act(w.jda);
        const ViewShown v = shown(w.jda);
        EXPECT_EQ(w.jda.viewMode, r.viewMode) << r.name;
        EXPECT_EQ(v.panels, r.panels) << r.name;
        EXPECT_EQ(v.caption, r.caption) << r.name;
        EXPECT_EQ(w.jda.Opt(0).value, r.opt0) << r.name;
        EXPECT_EQ(w.jda.Opt(1).value, !r.opt0) << r.name;
    }
}

TEST(ViewModes, AnyOtherModeChangesNothing)
{
    testing::TestWindow w;
    w.jda.selectOpt(1);
    w.jda.viewMode = 2;
    w.jda.umschalter();
    const ViewShown v = shown(w.jda);
    EXPECT_TRUE(v.panels);
    EXPECT_EQ(v.caption, "Meine Beschäftigungszeit nach § 34 TVöD/TV-L");
}

} // namespace
} // namespace tarvolin
