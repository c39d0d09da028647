#pragma once
// The help buttons' web addresses. A request is a three-digit link code and a
// page: the 2nd and 3rd digits choose the base path (host and folder), the 1st
// digit the address pattern (with or without "www.", which ending). JDA's
// insinternet builds the address with helpAddress and hands it to the shell.

#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::string_view helpSiteHost = "tarvolin.de";
inline constexpr std::string_view lawSiteHost = "gesetze-im-internet.de";

// The base path of a link code, from its 2nd and 3rd digits read as a number:
// "111" -> "tarvolin.de/manual/"; empty for 0 and every number without a path.
std::string helpBasePath(std::string_view linkCode);

// The full address: "111" and "20" -> "http://www.tarvolin.de/manual/20.htm".
// A first character that is no digit is taken like 5 (no "www.", no ending).
std::string helpAddress(std::string_view linkCode, std::string_view linkPage);

// The German sentence shown when no browser could be started for an address.
std::string browserFailureText(std::string_view address);

// The help site's pages come with the program; its host is only a name the
// addresses carry. For an address of the help site (http or https, with or
// without "www.") this is the page's path inside the program's copy of the
// site: "http://www.tarvolin.de/manual/20.htm" -> "manual/20.htm", the start
// page "index.htm" for the bare host. Empty for every other address (the
// law-text site stays on the web) and for a path that would climb out of the
// site ("..").
std::string helpSitePage(std::string_view address);

} // namespace tarvolin
