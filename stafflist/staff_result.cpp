#include "stafflist/staff_result.h"

#include "calc/date_text.h"

namespace tarvolin {

namespace {

constexpr std::array<std::string_view, 7> noticeTiers{
    "1 Monat zum Monatsschluss",    "6 Wochen zum Quartalsschluss", "3 Monate zum Quartalsschluss",
    "4 Monate zum Quartalsschluss", "5 Monate zum Quartalsschluss", "6 Monate zum Quartalsschluss",
    "nur aus wichtigem Grund kündbar"};

void putDate(std::string& out, const Control& field)
{
    if (field.dateValue())
        out = dayMonthYearForm(field.text);
    else
        out.clear();
}

} // namespace

void clearWindowResults(ResultLine& line)
{
    for (std::size_t c = colBirthday; c < colNotes; ++c)
        line[c].clear();
}

void readWindowResults(JDA& w, ResultLine& line)
{
    putDate(line[colBirthday], w.Datum(0));
    putDate(line[colPayStart], w.Datum(1));
    putDate(line[colReferenceDate], w.Datum(31));
    line[colPriorYears] = w.Jahr(16).text;
    line[colPriorMonths] = w.Monat(16).text;
    line[colPriorDays] = w.Tage(16).text;
    line[colServiceYears] = w.Jahr(17).text;
    line[colServiceMonths] = w.Monat(17).text;
    line[colServiceDays] = w.Tage(17).text;
    putDate(line[colJdaBegin], w.Datum(32));
    // Each anniversary with its "(wird nicht erreicht)" label, Text(5) to Text(7).
    for (int a = 0; a < 3; ++a) {
        const auto at = static_cast<std::size_t>(col25 + 2 * a);
        putDate(line[at], w.Datum(33 + a));
        line[at + 1] = line[at].empty() ? "" : w.Text(5 + a).visible ? "nein" : "ja";
    }
    line[colRetirementAge] = w.Alter().text + "/" + w.month().text;
    putDate(line[colRetirementDate], w.Datum(38));

    // Without a reference date the window shows no notice dates (Termin and
    // Ziel are empty) and marks no tier.
    line[colNoticePeriod].clear();
    line[colLastNoticeDay].clear();
    line[colNoticeEnd].clear();
    if (!w.Datum(31).dateValue())
        return;
    for (int k = 0; k <= 6; ++k)
        if (w.Kündigung(k).backColor == tierMarked)
            line[colNoticePeriod] = noticeTiers[static_cast<std::size_t>(k)];
    putDate(line[colLastNoticeDay], w.Datum(36));
    putDate(line[colNoticeEnd], w.Datum(37));
}

} // namespace tarvolin
