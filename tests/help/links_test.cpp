// The addresses the help buttons open, from link code and page.

#include "help/links.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin {
namespace {

TEST(HelpAddress, BasePathOfEveryCode)
{
    struct Case {
        const char* code;
        const char* address;
    };
    // Pattern 5 ("http://", base, page) shows the base path alone.
    const Case cases[] = {
        {"500", "http://seite"},
        {"510", "http://tarvolin.de/seite"},
        {"511", "http://tarvolin.de/manual/seite"},
        {"530", "http://tarvolin.de/Tarifvertrag/seite"},
        {"531", "http://tarvolin.de/Tarifvertrag/TVoeD/seite"},
        {"532", "http://tarvolin.de/Tarifvertrag/TVoeD/TVoeD-Text/seite"},
        {"533", "http://tarvolin.de/Tarifvertrag/TVoeD/Bundes-Angestelltentarifvertrag/seite"},
        {"534", "http://tarvolin.de/Tarifvertrag/TVoeD/Bundes-Angestelltentarifvertrag/bat2/seite"},
        {"535", "http://tarvolin.de/Tarifvertrag/TV-Laender/seite"},
        {"557", "http://tarvolin.de/Tarifvertrag/seite"},
        {"580", "http://gesetze-im-internet.de/seite"},
        {"501", "http://seite"},
        {"512", "http://seite"},
        {"536", "http://seite"},
        {"599", "http://seite"},
        {"5", "http://seite"},
        {"5x1", "http://seite"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpAddress(c.code, "seite"), c.address) << c.code;
}

TEST(HelpAddress, PatternOfEveryFirstDigit)
{
    struct Case {
        const char* code;
        const char* address;
    };
    const Case cases[] = {
        {"011", "http://www.tarvolin.de/manual/20"},
        {"111", "http://www.tarvolin.de/manual/20.htm"},
        {"211", "http://www.tarvolin.de/manual/20.html"},
        {"311", "http://www.tarvolin.de/manual/20/Index.htm"},
        {"411", "http://www.tarvolin.de/manual/20/Index.html"},
        {"511", "http://tarvolin.de/manual/20"},
        {"611", "http://tarvolin.de/manual/20.htm"},
        {"711", "http://tarvolin.de/manual/20.html"},
        {"811", "http://tarvolin.de/manual/20/Index.htm"},
        {"911", "http://tarvolin.de/manual/20/Index.html"},
        {"x11", "http://tarvolin.de/manual/20"},  // no digit: like 5
        {"", "http://20"},                        // no code at all: like 5, no base path
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpAddress(c.code, "20"), c.address) << '"' << c.code << '"';
}

// The help site's pages come with the program; which page an address names.
TEST(HelpSitePage, AddressesOfTheHelpSiteNameAPageOfTheCopy)
{
    struct Case {
        const char* name;
        const char* address;
        const char* page;
    };
    const Case cases[] = {
        {"with www", "http://www.tarvolin.de/manual/20.htm", "manual/20.htm"},
        {"without www", "http://tarvolin.de/Tarvolin/Index.htm", "Tarvolin/Index.htm"},
        {"https and capitals", "HTTPS://WWW.Tarvolin.DE/manual/20279.htm", "manual/20279.htm"},
        {"fragment and query left off", "http://www.tarvolin.de/manual/20.htm?x=1#grenzen", "manual/20.htm"},
        {"bare host is the start page", "http://www.tarvolin.de", "index.htm"},
        {"law-text site stays on the web", "http://www.gesetze-im-internet.de/bgb/__622.html", ""},
        {"a host that only ends like it", "http://nottarvolin.de/manual/20.htm", ""},
        {"a host that only begins like it", "http://www.tarvolin.de.example/manual/20.htm", ""},
        {"no web address", "file:///usr/share/tarvolin/site/index.htm", ""},
        {"climbing out of the site", "http://www.tarvolin.de/manual/../../../etc/passwd", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpSitePage(c.address), c.page) << c.name;
}

} // namespace
} // namespace tarvolin
