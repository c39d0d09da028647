// The dump of the window's state: its lines and value forms.

#include "script/dump.h"

#include "calc/state_fields.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace tarvolin {
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in{text};
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class Dump : public ::testing::Test {
protected:
    std::vector<std::string> dumped() { return linesOf(dumpWindow(window.jda)); }
    testing::TestWindow window;
    JDA& jda = window.jda;
};

TEST_F(Dump, FramedByDumpAndEnd)
{
    const std::string text = dumpWindow(jda);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const auto lines = linesOf(text);
    EXPECT_EQ(lines.front(), "dump");
    EXPECT_EQ(lines.back(), "end");
    EXPECT_EQ(lines[lines.size() - 3], "Form.Caption=Berechnung der Jubiläumszuwendung");
    EXPECT_EQ(lines[lines.size() - 2], "Focus=");
    // Every line between is one property: a name, "=", the value.
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        EXPECT_NE(lines[i].find('='), std::string::npos) << lines[i];
}

TEST_F(Dump, ValueForms)
{
    jda.Kündigung(6).backColor = tierMarked;
    jda.Datum(34).backColor = anniversaryNotReached;
    jda.Datum(33).backColor = 0x00FF0A;
    jda.Datum(7).fontBold = true;
    jda.box(3).value = true;
    jda.Opt(1).value = true;
    jda.Text(6).visible = true;
    jda.Eingabe(2).text = "Wehrdienst   ";
    jda.Tage(17).text = "29";
    jda.loadingFlag = True;
    jda.confirmAnswer = answerNo;
    jda.dayCounts[31] = 45000;
    jda.swapFromCount = -40000;
    jda.fromDateText = "01/09";
    jda.linkPage = "20279";
    jda.formCaption = "Meine Beschäftigungszeit nach § 34 TVöD/TV-L";
    const auto lines = dumped();
    for (const char* line : {
             "Kündigung(6).BackColor=FFFFC0",
             "Kündigung(5).BackColor=FFFFFF",
             "Datum(34).BackColor=EAEAEA",
             "Datum(33).BackColor=00FF0A",
             "Datum(7).FontBold=True",
             "Datum(8).FontBold=False",
             "Datum(0).Text=__/__/____",
             "box(3).Value=True",
             "box(4).Value=False",
             "Opt(1).Value=True",
             "Text(6).Visible=True",
             "Text(5).Visible=False",
             "Eingabe(2).Text=Wehrdienst   ",
             "Zähler(14).Caption=60",
             "Tage(17).Caption=29",
             "Text(13).Caption=Erreichen der Regelaltersgrenze",
             "Label12.Visible=True",
             "loadingFlag=True",
             "confirmAnswer=7",
             "dayCounts(31)=45000",
             "swapFromCount=-40000",
             "fromDateText=01/09     ",
             "swapDescription=                                                            ",
             "linkPage=20279",
             "Form.Caption=Meine Beschäftigungszeit nach § 34 TVöD/TV-L",
         })
        EXPECT_TRUE(hasLine(lines, line)) << line;
}

TEST_F(Dump, FocusNamesTheControl)
{
    jda.setFocus(jda.Datum(7));
    EXPECT_EQ(dumped()[dumped().size() - 2], "Focus=Datum(7)");
    jda.setFocus(jda.Eingabe(14));
    EXPECT_EQ(dumped()[dumped().size() - 2], "Focus=Eingabe(14)");
    jda.setFocus(jda.Drucken());
    EXPECT_EQ(dumped()[dumped().size() - 2], "Focus=Drucken");
}

// The lines name every control property and every field of the
// calculation state, each once, in a fixed order.
TEST_F(Dump, EveryPropertyOnce)
{
    const auto lines = dumped();
    std::vector<std::string> names;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        names.push_back(lines[i].substr(0, lines[i].find('=')));
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());

    const auto at = [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    // Controls first, in the order of the format; then the state (from its
    // first field on, below); then the window.
    const char* order[] = {"Datum(0).Text",       "Datum(38).FontBold",     "Eingabe(1).Text",
                           "Eingabe(14).Text",    "Zähler(1).Caption",      "box(14).Value",
                           "Tage(1).Caption",     "Tage(17).Caption",       "Monat(1).Caption",
                           "Jahr(17).Caption",    "Alter.Caption",          "month.Caption",
                           "Label9.Caption",      "Label12.Caption",        "Label14.Caption",
                           "Termin.Caption",      "Ziel.Caption",           "Text(13).Caption",
                           "Text(5).Visible",     "Text(7).Visible",        "Aufkleber.Visible",
                           "Label10.Visible",     "Label11.Visible",        "Label12.Visible",
                           "Termin.Visible",      "Ziel.Visible",           "Kündigung(0).BackColor",
                           "Kündigung(6).BackColor", "Opt(0).Value",        "Opt(1).Value",
                           "currentIndex",        "Form.Caption",           "Focus"};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        ASSERT_LT(at(order[i]), static_cast<long>(names.size())) << order[i];
        if (i > 0) {
            EXPECT_LT(at(order[i - 1]), at(order[i])) << order[i];
        }
    }
    // The state: every field of the one list, in its order, an array one
    // line an element; then the window's two lines.
    std::vector<std::string> stateNames;
    const CalculationState state;
    forEachStateField([&](const auto& field) {
        const auto& value = state.*field.member;
        if constexpr (requires { std::tuple_size<std::remove_cvref_t<decltype(value)>>::value; }) {
            for (std::size_t i = 0; i < value.size(); ++i)
                stateNames.push_back(std::string{field.name} + "(" + std::to_string(i) + ")");
        } else {
            stateNames.emplace_back(field.name);
        }
    });
    const auto first = names.begin() + at("currentIndex");
    ASSERT_LE(at("currentIndex") + static_cast<long>(stateNames.size()) + 2, static_cast<long>(names.size()));
    EXPECT_EQ(std::vector<std::string>(first, first + static_cast<long>(stateNames.size())), stateNames);
    EXPECT_EQ(*(first + static_cast<long>(stateNames.size())), "Form.Caption");
    // 39 dates × 3, 14 × 3 row controls, 51 panels, 8 captions, 9 visible,
    // 7 tiers, 2 options; the state; 2 window lines.
    EXPECT_EQ(names.size(), 117u + 42 + 51 + 8 + 9 + 7 + 2 + stateNames.size() + 2);
}

} // namespace
} // namespace tarvolin
