#pragma once
// The days of a month by its number, the one month length the calculation
// knows: 31 for January, March, May, July, August, October and December, 30
// for April, June, September and November, 28 for February in every year
// (where a leap year matters, the caller looks at the year itself); 0 for a
// number that names no month.

namespace tarvolin {

constexpr int commonMonthLength(int month)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return 28;
    default: return 0;
    }
}

} // namespace tarvolin
