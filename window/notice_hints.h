#pragma once
// What the notice dates and the age limit mean for the day the case is
// worked on. The reference date ("benötigt bis") is the day the employment
// period is needed until; the notice dates say to which month or quarter end
// containing it notice can be given and by when it must be received for
// that. Two things the window's values do not say by themselves:
//
// - the last day for the notice lies before today: that end can no longer be
//   reached ("Kündigungstermin verstrichen (spätestens am 30.11.2026)");
// - the age limit lies on or before the reference date: the employment ends
//   by age, and the notice tiers no longer matter ("Altersgrenze bereits
//   erreicht am 10.12.2020").
//
// The values stay as they are; these are notes beside them: the staff list's
// Hinweise and the tool tip on the calculator's last notice day.

#include "calc/date.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvolin {

class JDA;

struct NoticeDates {
    std::optional<Date> referenceDate; // Datum(31)
    std::optional<Date> lastNoticeDay; // Datum(36), shown only with a reference date
    std::optional<Date> ageLimit;      // Datum(38)
};

// The dates as the window shows them now.
NoticeDates noticeDatesOf(JDA& window);

// The notes, in this order: the passed last notice day, then the age limit
// already reached. `today` is the date the calculation runs on.
std::vector<std::string> noticeDateHints(const NoticeDates& dates, Date today);

} // namespace tarvolin
