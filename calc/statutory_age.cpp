#include "calc/statutory_age.h"

#include <array>

namespace tarvolin {

namespace {
struct StatutoryAge {
    int birthYear;
    RetirementAge age;
};

constexpr std::array<StatutoryAge, 17> statutoryAges{{
    {1947, {65, 1}}, {1948, {65, 2}}, {1949, {65, 3}}, {1950, {65, 4}}, {1951, {65, 5}}, {1952, {65, 6}},
    {1953, {65, 7}}, {1954, {65, 8}}, {1955, {65, 9}}, {1956, {65, 10}}, {1957, {65, 11}}, {1958, {66, 0}},
    {1959, {66, 2}}, {1960, {66, 4}}, {1961, {66, 6}}, {1962, {66, 8}}, {1963, {66, 10}},
}};
} // namespace

RetirementAge statutoryRetirementAge(int birthYear)
{
    if (birthYear < statutoryAges.front().birthYear)
        return {65, 0};
    if (birthYear > statutoryAges.back().birthYear)
        return {67, 0};
    return statutoryAges[static_cast<std::size_t>(birthYear - statutoryAges.front().birthYear)].age;
}

} // namespace tarvolin
