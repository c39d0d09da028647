// The help buttons: the page of each button in either view, and what
// happens when no browser starts.

#include "help/links.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin {
namespace {

class HelpButtons : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;

    void select(int option)
    {
        jda.Opt(0).value = option == 0;
        jda.Opt(1).value = option == 1;
    }
};

TEST_F(HelpButtons, OpenTheirPagesInBothViews)
{
    struct Case {
        const char* button;
        void (*click)(JDA&);
        int option;
        const char* address;
        const char* code;
    };
    const Case cases[] = {
        {"Hilfe", [](JDA& j) { j.Hilfe_Click(); }, 0, "http://www.tarvolin.de/manual/20.htm", "111"},
        {"Hilfe", [](JDA& j) { j.Hilfe_Click(); }, 1, "http://www.tarvolin.de/manual/20279.htm", "111"},
        {"Hilfetexte", [](JDA& j) { j.Hilfetexte_Click(); }, 0,
         "http://www.tarvolin.de/Tarifvertrag/TVoeD/TVoeD-Text/23-Besondere-Zahlungen.htm", "132"},
        {"Hilfetexte", [](JDA& j) { j.Hilfetexte_Click(); }, 1, "http://www.tarvolin.de/Tarifvertrag/TVoeD/TVoeD-Text/34-Kuendigung.htm",
         "132"},
        {"SSCommand1", [](JDA& j) { j.SSCommand1_Click(); }, 0, "http://www.tarvolin.de/Tarvolin/Index.htm", "310"},
        {"SSCommand1", [](JDA& j) { j.SSCommand1_Click(); }, 1, "http://www.tarvolin.de/Tarvolin/Index.htm", "310"},
        {"SSCommand2", [](JDA& j) { j.SSCommand2_Click(); }, 0, "http://www.tarvolin.de/manual/20278.htm", "111"},
        {"SSCommand2", [](JDA& j) { j.SSCommand2_Click(); }, 1, "http://www.tarvolin.de/manual/20278.htm", "111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string{c.button} + " with Opt(" + std::to_string(c.option) + ")");
        window.shell.opened.clear();
        select(c.option);
        c.click(jda);
        ASSERT_EQ(window.shell.opened.size(), 1u);
        EXPECT_EQ(window.shell.opened[0], c.address);
        EXPECT_EQ(jda.linkCode, c.code);
        EXPECT_EQ(jda.linkPage, "");
        EXPECT_EQ(jda.linkPrefix, "");
        EXPECT_TRUE(window.messages.shown.empty());
    }
}

TEST_F(HelpButtons, NoOptionSelectedTakesTheSecondPage)
{
    select(-1);
    jda.Hilfe_Click();
    jda.Hilfetexte_Click();
    ASSERT_EQ(window.shell.opened.size(), 2u);
    EXPECT_EQ(window.shell.opened[0], "http://www.tarvolin.de/manual/20279.htm");
    EXPECT_EQ(window.shell.opened[1], "http://www.tarvolin.de/Tarifvertrag/TVoeD/TVoeD-Text/34-Kuendigung.htm");
}

TEST_F(HelpButtons, TwoRequestsInARowDoNotMix)
{
    select(0);
    jda.Hilfetexte_Click();
    jda.SSCommand2_Click();
    jda.Hilfetexte_Click();
    ASSERT_EQ(window.shell.opened.size(), 3u);
    EXPECT_EQ(window.shell.opened[1], "http://www.tarvolin.de/manual/20278.htm");
    EXPECT_EQ(window.shell.opened[2], window.shell.opened[0]);
}

TEST_F(HelpButtons, InsinternetBuildsFromTheFieldsAndKeepsTheCode)
{
    jda.linkCode = "780";
    jda.linkPage = "bgb/__622";
    jda.insinternet();
    ASSERT_EQ(window.shell.opened.size(), 1u);
    EXPECT_EQ(window.shell.opened[0], "http://gesetze-im-internet.de/bgb/__622.html");
    EXPECT_EQ(jda.linkCode, "780");
    EXPECT_EQ(jda.linkPage, "");
    EXPECT_EQ(jda.linkPrefix, "");
}

TEST_F(HelpButtons, BrowserFailureIsToldOnceAndNamesTheAddress)
{
    window.shell.succeeds = false;
    select(1);
    jda.SSCommand2_Click();
    ASSERT_EQ(window.messages.shown.size(), 1u);
    const testing::ShownMessage& m = window.messages.shown[0];
    EXPECT_EQ(m.text, "Der Browser konnte nicht gestartet werden, um die Seite "
                      "http://www.tarvolin.de/manual/20278.htm zu öffnen.");
    EXPECT_EQ(m.title, "Tarvolin");
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(jda.linkPage, "");
    EXPECT_EQ(jda.linkPrefix, "");
    // The next request is unaffected once the browser starts again.
    window.shell.succeeds = true;
    jda.Hilfe_Click();
    EXPECT_EQ(window.shell.opened.back(), "http://www.tarvolin.de/manual/20279.htm");
    EXPECT_EQ(window.messages.shown.size(), 1u);
}

} // namespace
} // namespace tarvolin
