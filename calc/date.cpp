#include "calc/date.h"

namespace tarvolin {

namespace {
using namespace std::chrono;

constexpr sys_days epoch = sys_days{year{1899} / December / 30};

year_month_day clampToMonthEnd(year_month_day d)
{
    if (!d.ok())
        d = year_month_day{year_month_day_last{d.year(), month_day_last{d.month()}}};
    return d;
}
} // namespace

std::optional<Date> Date::fromYmd(int y, unsigned m, unsigned d)
{
    // Inside Date, year, month and day name the member functions.
    const year_month_day date{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
    if (!date.ok())
        return std::nullopt;
    return fromSysDays(sys_days{date});
}

Date Date::fromSysDays(sys_days days)
{
    return Date{static_cast<std::int32_t>((days - epoch).count())};
}

sys_days Date::sysDays() const { return epoch + std::chrono::days{serial_}; }
year_month_day Date::ymd() const { return year_month_day{sysDays()}; }
int Date::year() const { return static_cast<int>(ymd().year()); }
unsigned Date::month() const { return static_cast<unsigned>(ymd().month()); }
unsigned Date::day() const { return static_cast<unsigned>(ymd().day()); }

Date Date::addMonths(std::int32_t n) const
{
    return fromSysDays(sys_days{clampToMonthEnd(ymd() + std::chrono::months{n})});
}

Date Date::addYears(std::int32_t n) const
{
    return fromSysDays(sys_days{clampToMonthEnd(ymd() + std::chrono::years{n})});
}

std::int32_t monthsBetween(Date a, Date b)
{
    const auto from = a.ymd();
    const auto to = b.ymd();
    return (static_cast<int>(to.year()) - static_cast<int>(from.year())) * 12
           + (static_cast<int>(static_cast<unsigned>(to.month())) - static_cast<int>(static_cast<unsigned>(from.month())));
}

} // namespace tarvolin
