// The four buttons beside the retirement age step it by a year or a month,
// wrapping at the ends (70 years up gives 55, 0 months down gives 11), and
// work out the retirement date and the anniversary marks again. The rows, the
// totals and the notice block keep their values.

#include "window/jda.h"

#include <string>

namespace tarvolin {

namespace {
constexpr std::int16_t youngestAge = 55;
constexpr std::int16_t oldestAge = 70;

// Each step shows its new value in its own panel, then captions the
// retirement line and recomputes the retirement date and the marks.
void showYears(JDA& w)
{
    w.Alter().text = std::to_string(w.retireAgeYears);
    w.inrentei();
    w.jdasubtraktion();
}

void showMonths(JDA& w)
{
    w.month().text = std::to_string(w.retireAgeMonths);
    w.inrentei();
    w.jdasubtraktion();
}
} // namespace

void JDA::Altern_Click()
{
    ++retireAgeYears;
    if (retireAgeYears > oldestAge)
        retireAgeYears = youngestAge;
    showYears(*this);
}

void JDA::jünger_Click()
{
    --retireAgeYears;
    if (retireAgeYears < youngestAge)
        retireAgeYears = oldestAge;
    showYears(*this);
}

void JDA::mehr_Click()
{
    ++retireAgeMonths;
    if (retireAgeMonths > 11)
        retireAgeMonths = 0;
    showMonths(*this);
}

void JDA::weniger_Click()
{
    --retireAgeMonths;
    if (retireAgeMonths < 0)
        retireAgeMonths = 11;
    showMonths(*this);
}

} // namespace tarvolin
