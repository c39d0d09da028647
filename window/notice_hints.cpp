#include "window/notice_hints.h"

#include "calc/date_text.h"
#include "window/jda.h"

namespace tarvolin {

NoticeDates noticeDatesOf(JDA& w)
{
    NoticeDates d;
    d.referenceDate = w.Datum(31).dateValue();
    if (d.referenceDate)
        d.lastNoticeDay = w.Datum(36).dateValue();
    d.ageLimit = w.Datum(38).dateValue();
    return d;
}

std::vector<std::string> noticeDateHints(const NoticeDates& d, Date today)
{
    std::vector<std::string> hints;
    if (d.lastNoticeDay && *d.lastNoticeDay < today)
        hints.push_back("Kündigungstermin verstrichen (spätestens am " + germanDateText(*d.lastNoticeDay) + ")");
    if (d.ageLimit && d.referenceDate && *d.ageLimit <= *d.referenceDate)
        hints.push_back("Altersgrenze bereits erreicht am " + germanDateText(*d.ageLimit));
    return hints;
}

} // namespace tarvolin
