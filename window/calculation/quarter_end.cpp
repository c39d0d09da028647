// quartal: for the reference date Datum(31), the end of its calendar quarter
// (Datum(37)) and the last day on which notice of noticeMonths (3 to 6) months
// still reaches that quarter end (Datum(36)), from the table of notice_rules.h.
// 15/05/2008 with 3 months: 30/06/2008 and 31/03/2008.

#include "calc/date_text.h"
#include "calc/notice_rules.h"
#include "window/jda.h"

namespace tarvolin {

void JDA::quartal()
{
    const std::string& reference = Datum(31).text;
    const int m = textMonth(reference);
    const int y = textYear(reference);
    if (m < 1 || m > 12)
        return;
    Datum(37).text = quarterEndText(m, y);
    if (noticeMonths >= 3 && noticeMonths <= 6)
        Datum(36).text = lastNoticeDayText(m, y, noticeMonths);
}

} // namespace tarvolin
