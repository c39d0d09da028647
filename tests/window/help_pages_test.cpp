// Every address a help button can open, in either view, is a page of the
// program's own help site in site/.

#include "help/links.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tarvolin {
namespace {

const std::filesystem::path siteFolder = std::filesystem::path{TARVOLIN_TEST_DATA} / ".." / ".." / "site";

TEST(HelpPages, EveryButtonOpensAPageOfTheSite)
{
    const std::string prefix = "http://www." + std::string{helpSiteHost} + "/";
    struct Button {
        const char* name;
        void (*click)(JDA&);
    };
    const Button buttons[] = {
        {"Hilfe", [](JDA& w) { w.Hilfe_Click(); }},
        {"Hilfetexte", [](JDA& w) { w.Hilfetexte_Click(); }},
        {"SSCommand1", [](JDA& w) { w.SSCommand1_Click(); }},
        {"SSCommand2", [](JDA& w) { w.SSCommand2_Click(); }},
    };
    for (int view = 0; view <= 1; ++view) {
        for (const Button& b : buttons) {
            testing::TestWindow window;
            window.jda.Opt(0).value = view == 0;
            window.jda.Opt(1).value = view == 1;
            b.click(window.jda);
            ASSERT_EQ(window.shell.opened.size(), 1u) << b.name;
            const std::string& address = window.shell.opened.front();
            ASSERT_EQ(address.rfind(prefix, 0), 0u) << address;
            const auto page = siteFolder / address.substr(prefix.size());
            EXPECT_TRUE(std::filesystem::is_regular_file(page)) << b.name << " view " << view << ": " << page;
        }
    }
}

} // namespace
} // namespace tarvolin
