#include "calc/clock.h"

#include <ctime>

namespace tarvolin {

Date SystemClock::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return *Date::fromYmd(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                          static_cast<unsigned>(local.tm_mday));
}

} // namespace tarvolin
