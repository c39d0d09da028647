#include "stafflist/computation/staff_result.h"

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

std::optional<ResultColumn> ResultLayout::columnAt(std::size_t position) const
{
    if (position < carriedFrom)
        return static_cast<ResultColumn>(position);
    if (position < carriedFrom + carried_.size())
        return std::nullopt;
    return static_cast<ResultColumn>(position - carried_.size());
}

std::string_view ResultLayout::header(std::size_t position) const
{
    const auto column = columnAt(position);
    return column ? resultHeader[*column] : std::string_view{carried_[carriedAt(position)]};
}

const std::string& ResultLayout::cell(const ResultLine& line, std::size_t position) const
{
    static const std::string none;
    const auto column = columnAt(position);
    if (column)
        return line[*column];
    const std::size_t c = carriedAt(position);
    return c < line.carried.size() ? line.carried[c] : none;
}

std::vector<std::string_view> ResultLayout::headers() const
{
    std::vector<std::string_view> heads;
    for (std::size_t p = 0; p < size(); ++p)
        heads.push_back(header(p));
    return heads;
}

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
