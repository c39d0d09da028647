// The statutory retirement age (Regelaltersgrenze) by birth year, rising from
// 65 years to 67: one month a year for those born 1947 to 1958, two months a
// year for 1959 to 1964. inrente makes it the age in use; inrentei names the
// retirement line by whether the age in use is still the statutory one.

#include "calc/panel_values.h"
#include "window/jda.h"

#include <array>

namespace tarvolin {

namespace {
struct RetirementAge {
    int birthYear;
    std::int16_t years;
    std::int16_t months;
};

// Born before the first year: 65 years; after the last: 67 years.
constexpr std::array<RetirementAge, 17> statutoryAges{{
    {1947, 65, 1}, {1948, 65, 2}, {1949, 65, 3}, {1950, 65, 4}, {1951, 65, 5}, {1952, 65, 6},
    {1953, 65, 7}, {1954, 65, 8}, {1955, 65, 9}, {1956, 65, 10}, {1957, 65, 11}, {1958, 66, 0},
    {1959, 66, 2}, {1960, 66, 4}, {1961, 66, 6}, {1962, 66, 8}, {1963, 66, 10},
}};

RetirementAge statutoryAgeFor(int birthYear)
{
    if (birthYear < statutoryAges.front().birthYear)
        return {birthYear, 65, 0};
    if (birthYear > statutoryAges.back().birthYear)
        return {birthYear, 67, 0};
    return statutoryAges[static_cast<std::size_t>(birthYear - statutoryAges.front().birthYear)];
}

// The birth year of the birthday field; 0 (before 1947) when it holds no date.
int birthYear(JDA& window)
{
    const auto birthday = window.Datum(0).dateValue();
    return birthday ? birthday->year() : 0;
}
} // namespace

void JDA::inrente()
{
    const RetirementAge age = statutoryAgeFor(birthYear(*this));
    retireAgeYears = age.years;
    retireAgeMonths = age.months;
    showNumber(Alter(), retireAgeYears);
    showNumber(month(), retireAgeMonths);
}

void JDA::inrentei()
{
    const RetirementAge age = statutoryAgeFor(birthYear(*this));
    statutoryAgeYears = age.years;
    statutoryAgeMonths = age.months;
    if (retireAgeYears == statutoryAgeYears && retireAgeMonths == statutoryAgeMonths)
        Text(13).text = "Erreichen der Regelaltersgrenze";
    else
        Text(13).text = "Eintritt in des Ruhestand";
}

} // namespace tarvolin
