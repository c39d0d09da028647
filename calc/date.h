#pragma once
// A calendar day as a serial number: day 0 is 30 December 1899, day 1 is
// 31 December 1899, 1 January 1900 is day 2. The arithmetic is std::chrono's;
// this type only fixes the epoch and the month-end fall-back the program uses.

#include <chrono>
#include <cstdint>
#include <optional>

namespace tarvolin {

class Date {
public:
    constexpr Date() = default;

    static constexpr Date fromSerial(std::int32_t serial) { return Date{serial}; }
    // The day y-m-d, or nothing when it is no real calendar day (31/02, month 13, day 0).
    static std::optional<Date> fromYmd(int year, unsigned month, unsigned day);
    static Date fromSysDays(std::chrono::sys_days days);

    constexpr std::int32_t serial() const { return serial_; }
    std::chrono::sys_days sysDays() const;
    std::chrono::year_month_day ymd() const;
    int year() const;
    unsigned month() const;
    unsigned day() const;

    Date addDays(std::int32_t days) const { return Date{serial_ + days}; }
    // Keeps the day of the month; where the target month is shorter the
    // result is its last day: 31/03/2007 minus one month is 28/02/2007.
    Date addMonths(std::int32_t months) const;
    // 29/02/2008 plus one year is 28/02/2009.
    Date addYears(std::int32_t years) const;

    friend constexpr auto operator<=>(Date, Date) = default;

private:
    constexpr explicit Date(std::int32_t serial) : serial_{serial} {}
    std::int32_t serial_ = 0;
};

// Value of b minus value of a, in days.
inline std::int32_t daysBetween(Date a, Date b) { return b.serial() - a.serial(); }
// Whole calendar months from a to b, the days of both ignored:
// 31/01/2008 to 01/02/2008 is one month.
std::int32_t monthsBetween(Date a, Date b);

} // namespace tarvolin
