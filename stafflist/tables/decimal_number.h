#pragma once
// A number written in a spreadsheet's XML (a row number, a text's number, a
// repeat count), read without atoi: only decimal digits count, and a value
// past `largest` is no number at all rather than one that wrapped around.
// "12" is 12; "", "-5", "+8", " 7", "12abc" and "1e3" are none.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvolin {

inline std::optional<std::uint64_t> decimalNumber(std::string_view text, std::uint64_t largest = UINT64_MAX)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (n > (largest - digit) / 10)
            return std::nullopt;
        n = n * 10 + digit;
    }
    return n;
}

inline std::optional<std::uint64_t> decimalNumber(const char* text, std::uint64_t largest = UINT64_MAX)
{
    return text == nullptr ? std::nullopt : decimalNumber(std::string_view{text}, largest);
}

} // namespace tarvolin
