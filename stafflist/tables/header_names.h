#pragma once
// How the names in a table's header are compared: lower case, without
// blanks, ".", "-" and "_", with ä, ö, ü, ß written ae, oe, ue, ss, so that
// "Pers.-Nr.", "PERS_NR" and "persnr" are one name.

#include <string>
#include <string_view>

namespace tarvolin {

std::string normalizedHeader(std::string_view header);

} // namespace tarvolin
