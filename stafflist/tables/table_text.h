#pragma once
// Small helpers for the texts of the staff table's cells and messages.

#include "calc/german_quotes.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tarvolin {

// Without the blanks and tabs around it.
inline std::string_view trimmedField(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

inline bool allDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a few digits (allDigits).
inline int number(std::string_view digits)
{
    int n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

} // namespace tarvolin
