#pragma once
// A file name or a typed text inside a German message stands in German
// quotation marks: inQuotes("liste.csv") is „liste.csv“.

#include <string>
#include <string_view>

namespace tarvolin {

inline std::string inQuotes(std::string_view text) { return "„" + std::string{text} + "“"; }

} // namespace tarvolin
