// Checks the help site that the window's help buttons open (http://www.tarvolin.de/<path>).
//
// Every address a button can build must exist as a file under the site folder, and every page must hold
// together on its own: each relative href/src names a file inside the site (and, where it carries a
// #fragment, an id in that file), each page declares UTF-8 and German, links back to the start page and
// uses the one stylesheet. Links to http:, https: and mailto: leave the site and are not followed.
//
// The site folder comes from the compile definition TARVOLIN_SITE_DIR. Standard library only.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifndef TARVOLIN_SITE_DIR
#error "TARVOLIN_SITE_DIR must name the site folder"
#endif

namespace tarvolin {
namespace {

namespace fs = std::filesystem;

const fs::path siteRoot{TARVOLIN_SITE_DIR};

// ---------------------------------------------------------------------------------------------------------
// A small HTML attribute reader: enough for hand-written static pages, not a full parser.

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

struct Attribute {
    std::string tag;   // lower-case element name, e.g. "a"
    std::string name;  // lower-case attribute name, e.g. "href"
    std::string value; // as written, entities not decoded
};

// All attributes of all start tags, in document order. Comments are skipped, so a link that was
// commented out does not count; text outside tags never counts ("href=" in a sentence is no link).
std::vector<Attribute> attributesOf(std::string_view html)
{
    std::vector<Attribute> out;
    std::size_t i = 0;
    const std::size_t n = html.size();
    while (i < n) {
        const std::size_t lt = html.find('<', i);
        if (lt == std::string_view::npos)
            break;
        if (html.substr(lt, 4) == "<!--") {
            const std::size_t end = html.find("-->", lt + 4);
            i = end == std::string_view::npos ? n : end + 3;
            continue;
        }
        i = lt + 1;
        if (i >= n || !std::isalpha(static_cast<unsigned char>(html[i])))
            continue; // end tag, doctype, stray '<'
        std::size_t nameEnd = i;
        while (nameEnd < n && !isSpace(html[nameEnd]) && html[nameEnd] != '>' && html[nameEnd] != '/')
            ++nameEnd;
        const std::string tag = lowerAscii(html.substr(i, nameEnd - i));
        i = nameEnd;
        while (i < n && html[i] != '>') {
            if (isSpace(html[i]) || html[i] == '/') {
                ++i;
                continue;
            }
            std::size_t attrEnd = i;
            while (attrEnd < n && !isSpace(html[attrEnd]) && html[attrEnd] != '=' && html[attrEnd] != '>'
                   && html[attrEnd] != '/')
                ++attrEnd;
            Attribute attribute{tag, lowerAscii(html.substr(i, attrEnd - i)), {}};
            i = attrEnd;
            while (i < n && isSpace(html[i]))
                ++i;
            if (i < n && html[i] == '=') {
                ++i;
                while (i < n && isSpace(html[i]))
                    ++i;
                if (i < n && (html[i] == '"' || html[i] == '\'')) {
                    const char quote = html[i];
                    const std::size_t close = html.find(quote, i + 1);
                    const std::size_t end = close == std::string_view::npos ? n : close;
                    attribute.value = std::string(html.substr(i + 1, end - i - 1));
                    i = end == n ? n : end + 1;
                } else {
                    std::size_t end = i;
                    while (end < n && !isSpace(html[end]) && html[end] != '>')
                        ++end;
                    attribute.value = std::string(html.substr(i, end - i));
                    i = end;
                }
            }
            if (!attribute.name.empty())
                out.push_back(std::move(attribute));
        }
    }
    return out;
}

// The values of every href and src, in document order.
std::vector<std::string> linksOf(std::string_view html)
{
    std::vector<std::string> out;
    for (const Attribute& a : attributesOf(html))
        if (a.name == "href" || a.name == "src")
            out.push_back(a.value);
    return out;
}

// Every id (and the old-style <a name>) a fragment may point at.
std::set<std::string> anchorsOf(std::string_view html)
{
    std::set<std::string> out;
    for (const Attribute& a : attributesOf(html))
        if (a.name == "id" || (a.name == "name" && a.tag == "a"))
            out.insert(a.value);
    return out;
}

// &amp; in an attribute stands for "&"; the pages use no other entity inside links.
std::string decodeEntities(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 5) == "&amp;") {
            out += '&';
            i += 4;
        } else {
            out += text[i];
        }
    }
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "a%20b.htm" names the file "a b.htm"; a broken escape stays as written.
std::string percentDecode(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// A link inside the site: the file part (empty for "#x", the same page) and the fragment.
struct LocalLink {
    std::string path;
    std::string fragment;
};

// nullopt for a link that leaves the site (http:, https:, mailto:), in any letter case.
std::optional<LocalLink> localLink(std::string_view raw)
{
    const std::string link = decodeEntities(raw);
    const std::string lower = lowerAscii(link);
    for (std::string_view scheme : {"http:", "https:", "mailto:"})
        if (lower.rfind(scheme, 0) == 0)
            return std::nullopt;
    LocalLink out;
    std::string rest = link;
    if (const std::size_t hash = rest.find('#'); hash != std::string::npos) {
        out.fragment = rest.substr(hash + 1);
        rest.erase(hash);
    }
    if (const std::size_t query = rest.find('?'); query != std::string::npos)
        rest.erase(query);
    out.path = percentDecode(rest);
    return out;
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// True when `inner` (normalised) lies inside `root` (normalised).
bool isInside(const fs::path& inner, const fs::path& root)
{
    const fs::path rel = inner.lexically_relative(root);
    return !rel.empty() && *rel.begin() != "..";
}

// Where a local link of `page` leads: a site-absolute "/x" starts at the site root, anything else at
// the page's folder. Empty path: the page itself.
fs::path resolve(const fs::path& root, const fs::path& page, const LocalLink& link)
{
    if (link.path.empty())
        return page.lexically_normal();
    if (link.path.front() == '/')
        return (root / link.path.substr(1)).lexically_normal();
    return (page.parent_path() / link.path).lexically_normal();
}

// The problems of one page's links, one line each; empty when every local link resolves.
std::vector<std::string> brokenLinks(const fs::path& root, const fs::path& page)
{
    const fs::path normalRoot = root.lexically_normal();
    const std::string html = readFile(page);
    std::vector<std::string> problems;
    for (const std::string& raw : linksOf(html)) {
        const std::optional<LocalLink> link = localLink(raw);
        if (!link)
            continue;
        if (raw.empty()) {
            problems.push_back("empty link");
            continue;
        }
        const fs::path target = resolve(normalRoot, page, *link);
        if (!isInside(target, normalRoot)) {
            problems.push_back(raw + ": leads out of the site");
            continue;
        }
        std::error_code error;
        if (!fs::is_regular_file(target, error)) {
            problems.push_back(raw + ": no such file " + target.string());
            continue;
        }
        if (!link->fragment.empty()) {
            const std::string targetHtml = target == page.lexically_normal() ? html : readFile(target);
            if (!anchorsOf(targetHtml).contains(link->fragment))
                problems.push_back(raw + ": no id \"" + link->fragment + "\" in " + target.string());
        }
    }
    return problems;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += "\n  " + line;
    return out;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        const unsigned int smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// All pages of the site, sorted, as paths relative to the site root ("manual/20.htm").
std::vector<std::string> sitePages()
{
    std::vector<std::string> out;
    std::error_code error;
    for (fs::recursive_directory_iterator it(siteRoot, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file())
            continue;
        const std::string extension = lowerAscii(it->path().extension().string());
        if (extension == ".htm" || extension == ".html")
            out.push_back(it->path().lexically_relative(siteRoot).generic_string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string testNameOf(std::string_view path)
{
    std::string out;
    for (char c : path)
        out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

// ---------------------------------------------------------------------------------------------------------
// The addresses the help buttons and the staff list's F1 build, relative to the host.

struct RequiredPage {
    const char* name;
    const char* path;
};

const RequiredPage requiredPages[] = {
    {"HilfeJda", "manual/20.htm"},
    {"HilfeBeschaeftigungszeit", "manual/20279.htm"},
    {"Bgb622", "manual/20278.htm"},
    {"TexteParagraph23", "Tarifvertrag/TVoeD/TVoeD-Text/23-Besondere-Zahlungen.htm"},
    {"TexteParagraph34", "Tarifvertrag/TVoeD/TVoeD-Text/34-Kuendigung.htm"},
    {"Info", "Tarvolin/Index.htm"},
    {"StartPage", "index.htm"},
    {"Personalliste", "manual/personalliste.htm"},
};

class RequiredPageTest : public ::testing::TestWithParam<RequiredPage> {};

TEST_P(RequiredPageTest, ExistsUnderTheSiteFolder)
{
    const fs::path file = siteRoot / GetParam().path;
    EXPECT_TRUE(fs::is_regular_file(file)) << file;
    EXPECT_GT(fs::exists(file) ? fs::file_size(file) : 0u, 0u) << file;
}

INSTANTIATE_TEST_SUITE_P(Site, RequiredPageTest, ::testing::ValuesIn(requiredPages),
                         [](const ::testing::TestParamInfo<RequiredPage>& row) { return row.param.name; });

// ---------------------------------------------------------------------------------------------------------
// Every page of the site, one row per file.

class SitePageTest : public ::testing::TestWithParam<std::string> {
protected:
    fs::path file() const { return siteRoot / GetParam(); }
    std::string html() const { return readFile(file()); }
};

TEST_P(SitePageTest, EveryLocalLinkResolves)
{
    const std::vector<std::string> problems = brokenLinks(siteRoot, file());
    EXPECT_TRUE(problems.empty()) << GetParam() << ":" << joined(problems);
}

TEST_P(SitePageTest, IsGermanUtf8)
{
    const std::string text = html();
    EXPECT_TRUE(isValidUtf8(text)) << GetParam();
    bool charset = false;
    bool german = false;
    for (const Attribute& a : attributesOf(text)) {
        charset = charset || (a.tag == "meta" && a.name == "charset" && lowerAscii(a.value) == "utf-8");
        german = german || (a.tag == "html" && a.name == "lang" && a.value == "de");
    }
    EXPECT_TRUE(charset) << GetParam() << ": no <meta charset=\"utf-8\">";
    EXPECT_TRUE(german) << GetParam() << ": no <html lang=\"de\">";
}

TEST_P(SitePageTest, LinksBackToTheStartPageAndUsesTheStylesheet)
{
    const fs::path root = siteRoot.lexically_normal();
    const fs::path page = file();
    bool start = false;
    bool style = false;
    for (const Attribute& a : attributesOf(html())) {
        if (a.name != "href")
            continue;
        const std::optional<LocalLink> link = localLink(a.value);
        if (!link || link->path.empty())
            continue;
        const fs::path target = resolve(root, page, *link);
        start = start || (a.tag == "a" && target == root / "index.htm");
        style = style || (a.tag == "link" && target == root / "style.css");
    }
    EXPECT_TRUE(start) << GetParam() << ": no link to index.htm";
    EXPECT_TRUE(style) << GetParam() << ": does not use style.css";
}

TEST_P(SitePageTest, HasNoScript)
{
    for (const Attribute& a : attributesOf(html())) {
        EXPECT_NE(a.tag, "script") << GetParam();
        EXPECT_FALSE(a.name.rfind("on", 0) == 0 && a.name.size() > 2) << GetParam() << ": handler " << a.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Site, SitePageTest, ::testing::ValuesIn(sitePages()),
                         [](const ::testing::TestParamInfo<std::string>& row) { return testNameOf(row.param); });

TEST(Site, HasItsPagesAndOneStylesheet)
{
    // Guards the per-page rows above: an empty or misplaced site folder would leave them with no rows.
    EXPECT_GE(sitePages().size(), std::size(requiredPages)) << siteRoot;
    std::size_t stylesheets = 0;
    std::error_code error;
    for (fs::recursive_directory_iterator it(siteRoot, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file() && lowerAscii(it->path().extension().string()) == ".css")
            ++stylesheets;
    EXPECT_EQ(stylesheets, 1u);
    EXPECT_TRUE(fs::is_regular_file(siteRoot / "style.css"));
}

// ---------------------------------------------------------------------------------------------------------
// The checker itself: a reader that missed links would let broken ones through.

TEST(LinkReader, FindsHrefAndSrcInsideTagsOnly)
{
    struct Row {
        const char* name;
        const char* html;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"double quotes", R"(<a href="a.htm">a</a>)", {"a.htm"}},
        {"single quotes", "<img src='bild.png' alt=''>", {"bild.png"}},
        {"unquoted", "<a href=plain.htm>x</a>", {"plain.htm"}},
        {"upper case", R"(<A HREF="B.htm">B</A>)", {"B.htm"}},
        {"blanks around =", R"(<a href = "c.htm">c</a>)", {"c.htm"}},
        {"several in order", R"(<link rel="stylesheet" href="s.css"><p><img src="i.png"></p>)", {"s.css", "i.png"}},
        {"line break inside the tag", "<a\n  class=\"x\"\n  href=\"d.htm\">d</a>", {"d.htm"}},
        {"other attribute ending in href", R"(<div data-href="no.htm">x</div>)", {}},
        {"text that looks like a link", R"(<p>schreiben Sie href="no.htm"</p>)", {}},
        {"commented out", R"(<!-- <a href="old.htm">alt</a> --><a href="new.htm">neu</a>)", {"new.htm"}},
        {"quote of the other kind inside", R"(<a title="it's" href="e.htm">e</a>)", {"e.htm"}},
        {"self-closing tag", R"(<img src="f.png"/>)", {"f.png"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(linksOf(r.html), r.expected) << r.name;
}

TEST(LinkReader, SortsLinksIntoExternalAndLocal)
{
    struct Row {
        const char* name;
        const char* link;
        bool local;
        const char* path;
        const char* fragment;
    };
    const Row rows[] = {
        {"http", "http://www.tarvolin.de/manual/20.htm", false, "", ""},
        {"https in capitals", "HTTPS://example.org/", false, "", ""},
        {"mailto", "mailto:personal@example.org", false, "", ""},
        {"fragment only", "#grenzen", true, "", "grenzen"},
        {"relative file", "../style.css", true, "../style.css", ""},
        {"file and fragment", "20279.htm#grenzen", true, "20279.htm", "grenzen"},
        {"query dropped", "20.htm?v=2#jda", true, "20.htm", "jda"},
        {"percent escape", "a%20b.htm", true, "a b.htm", ""},
        {"entity", "x.htm?a=1&amp;b=2", true, "x.htm", ""},
        {"other scheme is no way out", "ftp://example.org/x", true, "ftp://example.org/x", ""},
    };
    for (const Row& r : rows) {
        const std::optional<LocalLink> link = localLink(r.link);
        ASSERT_EQ(link.has_value(), r.local) << r.name;
        if (!link)
            continue;
        EXPECT_EQ(link->path, r.path) << r.name;
        EXPECT_EQ(link->fragment, r.fragment) << r.name;
    }
}

// A throw-away site with one sound and several faulty links: exactly the faulty ones are reported.
TEST(LinkChecker, ReportsExactlyTheBrokenLinks)
{
    const fs::path root = fs::path(::testing::TempDir()) / ("tarvolin-site-test-" + std::to_string(std::random_device{}()));
    fs::remove_all(root);
    fs::create_directories(root / "manual");
    std::ofstream(root / "index.htm") << R"(<html lang="de"><body id="oben"></body></html>)";
    std::ofstream(root / "style.css") << "body{}";
    std::ofstream(root / "manual" / "20.htm") << R"(<html><body>
<a href="../index.htm">gut</a>
<a href="../index.htm#oben">gut mit Anker</a>
<a href="/style.css">gut vom Wurzelordner</a>
<a href="#hier">gut auf derselben Seite</a><h2 id="hier">x</h2>
<a href="http://www.tarvolin.de/fehlt.htm">draußen, nicht geprüft</a>
<a href="fehlt.htm">kaputt: Datei fehlt</a>
<a href="../index.htm#unten">kaputt: Anker fehlt</a>
<a href="#nirgends">kaputt: Anker auf derselben Seite fehlt</a>
<a href="../../geheim.htm">kaputt: außerhalb</a>
<a href="../manual">kaputt: Ordner</a>
<img src="bild.png">
</body></html>)";

    const std::vector<std::string> problems = brokenLinks(root, root / "manual" / "20.htm");
    fs::remove_all(root);

    const std::vector<std::string> expectedStarts = {
        "fehlt.htm:", "../index.htm#unten:", "#nirgends:", "../../geheim.htm:", "../manual:", "bild.png:",
    };
    ASSERT_EQ(problems.size(), expectedStarts.size()) << joined(problems);
    for (std::size_t i = 0; i < problems.size(); ++i)
        EXPECT_EQ(problems[i].rfind(expectedStarts[i], 0), 0u) << problems[i];
}

TEST(Utf8Check, AcceptsGermanTextAndRejectsBrokenBytes)
{
    struct Row {
        const char* name;
        std::string text;
        bool valid;
    };
    const Row rows[] = {
        {"ascii", "Kuendigung", true},
        {"umlauts and sharp s", "K\xC3\xBCndigung, Jubil\xC3\xA4um, Schlie\xC3\x9F" "en", true},
        {"section sign", "\xC2\xA7 34", true},
        {"Latin-1 umlaut", "K\xFCndigung", false},
        {"cut off sequence", "Jubil\xC3", false},
        {"overlong slash", "\xC0\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(isValidUtf8(r.text), r.valid) << r.name;
}

} // namespace
} // namespace tarvolin
