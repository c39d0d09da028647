// The address builder behind the help buttons.

#include "help/links.h"

#include "calc/date_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tarvolin {

namespace {

struct BasePath {
    int code;
    std::string_view host;
    std::string_view path;
};

// Codes missing here (and 0) have an empty base path.
constexpr std::array<BasePath, 10> basePaths{{
    {10, helpSiteHost, "/"},
    {11, helpSiteHost, "/manual/"},
    {30, helpSiteHost, "/Tarifvertrag/"},
    {31, helpSiteHost, "/Tarifvertrag/TVoeD/"},
    {32, helpSiteHost, "/Tarifvertrag/TVoeD/TVoeD-Text/"},
    {33, helpSiteHost, "/Tarifvertrag/TVoeD/Bundes-Angestelltentarifvertrag/"},
    {34, helpSiteHost, "/Tarifvertrag/TVoeD/Bundes-Angestelltentarifvertrag/bat2/"},
    {35, helpSiteHost, "/Tarifvertrag/TV-Laender/"},
    {57, helpSiteHost, "/Tarifvertrag/"},
    {80, lawSiteHost, "/"},
}};

// What the 1st digit of a link code puts around base and page.
struct Pattern {
    bool www;
    std::string_view ending;
};

constexpr std::array<Pattern, 10> patterns{{
    {true, ""},
    {true, ".htm"},
    {true, ".html"},
    {true, "/Index.htm"},
    {true, "/Index.html"},
    {false, ""},
    {false, ".htm"},
    {false, ".html"},
    {false, "/Index.htm"},
    {false, "/Index.html"},
}};

Pattern patternOf(std::string_view linkCode)
{
    if (linkCode.empty() || linkCode[0] < '0' || linkCode[0] > '9')
        return patterns[5];
    return patterns[static_cast<std::size_t>(linkCode[0] - '0')];
}

} // namespace

std::string helpBasePath(std::string_view linkCode)
{
    const int code = linkCode.size() > 1 ? numericValue(linkCode.substr(1, 2)) : 0;
    for (const BasePath& b : basePaths)
        if (b.code == code)
            return std::string{b.host}.append(b.path);
    return {};
}

std::string helpAddress(std::string_view linkCode, std::string_view linkPage)
{
    const Pattern pattern = patternOf(linkCode);
    std::string address = "http://";
    if (pattern.www)
        address += "www.";
    return address.append(helpBasePath(linkCode)).append(linkPage).append(pattern.ending);
}

std::string browserFailureText(std::string_view address)
{
    return "Der Browser konnte nicht gestartet werden, um die Seite " + std::string{address} + " zu öffnen.";
}

namespace {

bool startsWithNoCase(std::string_view text, std::string_view start)
{
    return text.size() >= start.size()
           && std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
                  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
              });
}

bool equalsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && startsWithNoCase(a, b); }

// "manual/20.htm" stays inside the site; "manual/../../etc/passwd" and "./x" do not pass.
bool staysInside(std::string_view path)
{
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view segment = path.substr(0, slash);
        if (segment == "." || segment == "..")
            return false;
        path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
    }
    return true;
}

} // namespace

std::string helpSitePage(std::string_view address)
{
    for (const std::string_view scheme : {std::string_view{"http://"}, std::string_view{"https://"}}) {
        if (!startsWithNoCase(address, scheme))
            continue;
        std::string_view rest = address.substr(scheme.size());
        rest = rest.substr(0, rest.find_first_of("?#"));
        const std::size_t slash = rest.find('/');
        std::string_view host = rest.substr(0, slash);
        if (startsWithNoCase(host, "www."))
            host.remove_prefix(4);
        if (!equalsNoCase(host, helpSiteHost))
            return {};
        std::string page{slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1)};
        if (page.empty() || page.back() == '/')
            page += "index.htm";
        return staysInside(page) ? page : std::string{};
    }
    return {};
}

} // namespace tarvolin
