#pragma once
// A text from a table cut for a message: a name of a megabyte would fill a
// terminal or a message box and hide what the message says. At most `most`
// characters stay, cut between characters, and "…" says that more was there.
// shortText("Meier", 3) is "Mei…".

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::size_t shortTextLength = 200;

inline std::string shortText(std::string_view utf8, std::size_t most = shortTextLength)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        if ((static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80)
            continue; // inside a character
        if (characters++ == most)
            return std::string{utf8.substr(0, at)} + "…";
    }
    return std::string{utf8};
}

} // namespace tarvolin
