#pragma once
// The statutory retirement age (Regelaltersgrenze) by birth year, rising from
// 65 years to 67: one month a year for those born 1947 to 1958, two months a
// year for 1959 to 1964. Born 1955: 65 years 9 months.

#include <cstdint>

namespace tarvolin {

struct RetirementAge {
    std::int16_t years = 0;
    std::int16_t months = 0;
};

// Born before 1947 (or no birth year, 0): 65 years; from 1964 on: 67 years.
RetirementAge statutoryRetirementAge(int birthYear);

} // namespace tarvolin
