#include "stafflist/staff_result.h"

#include "calc/date_text.h"
#include "calc/notice_rules.h"

namespace tarvolin {

namespace result_cells {

void date(const Control& field, std::string& cell)
{
    if (field.dateValue())
        cell = dayMonthYearForm(field.text);
    else
        cell.clear();
}

// Each anniversary Datum(33) to Datum(35) with its label "(wird nicht
// erreicht)", Text(5) to Text(7).
void reached(JDA& w, int anniversary, std::string& cell)
{
    if (!w.Datum(33 + anniversary).dateValue())
        cell.clear();
    else
        cell = w.Text(5 + anniversary).visible ? "nein" : "ja";
}

void retirementAge(JDA& w, std::string& cell) { cell = w.Alter().text + "/" + w.month().text; }

// Without a reference date the window shows no notice dates (Termin and Ziel
// are empty) and marks no tier.
void noticeTier(JDA& w, std::string& cell)
{
    cell.clear();
    if (!w.Datum(31).dateValue())
        return;
    for (int k = 0; k <= 6; ++k)
        if (w.Kündigung(k).backColor == tierMarked)
            cell = noticeTierWords(k);
}

void noticeDate(JDA& w, int index, std::string& cell)
{
    if (w.Datum(31).dateValue())
        date(w.Datum(index), cell);
    else
        cell.clear();
}

} // namespace result_cells

void clearWindowResults(ResultLine& line)
{
    for (const ResultColumnSpec& c : resultColumns)
        if (c.read)
            line[c.id].clear();
}

void readWindowResults(JDA& w, ResultLine& line)
{
    for (const ResultColumnSpec& c : resultColumns)
        if (c.read)
            c.read(w, line[c.id]);
}

} // namespace tarvolin
