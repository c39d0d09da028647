#include "stafflist/computation/staff_result.h"

#include "calc/date_text.h"
#include "calc/notice_rules.h"

#include <string_view>

namespace tarvolin {

namespace result_cells {

namespace {

// The number a text shows, when it is exactly the plain decimal the window
// writes (-1, 0, 18).
std::optional<int> plainNumber(const std::string& text)
{
    const bool negative = text.starts_with('-');
    const std::string_view digits = std::string_view{text}.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    int n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (negative && n == 0)
        return std::nullopt;
    return negative ? -n : n;
}

} // namespace

void date(const Control& field, ResultCell& cell)
{
    if (const auto day = field.dateValue())
        cell = *day;
    else
        cell = {};
}

// A panel shows what the window wrote into it; anything but a plain number
// (never so far) stays the text it is.
void count(const Control& panel, ResultCell& cell)
{
    if (const auto n = plainNumber(panel.text))
        cell = Count{*n};
    else if (panel.text.empty())
        cell = {};
    else
        cell = panel.text;
}

// Each anniversary Datum(33) to Datum(35) with its label "(wird nicht
// erreicht)", Text(5) to Text(7).
void reached(JDA& w, int anniversary, ResultCell& cell)
{
    if (!w.Datum(33 + anniversary).dateValue())
        cell = {};
    else
        cell = w.Text(5 + anniversary).visible ? Reached::No : Reached::Yes;
}

void retirementAge(JDA& w, ResultCell& cell)
{
    const auto years = plainNumber(w.Alter().text);
    const auto months = plainNumber(w.month().text);
    if (years && months)
        cell = AgeInUse{*years, *months};
    else
        cell = w.Alter().text + "/" + w.month().text;
}

// Without a reference date the window shows no notice dates (Termin and Ziel
// are empty) and marks no tier.
void noticeTier(JDA& w, ResultCell& cell)
{
    cell = {};
    if (!w.Datum(31).dateValue())
        return;
    for (int k = 0; k <= 6; ++k)
        if (w.Kündigung(k).backColor == tierMarked)
            cell = static_cast<NoticeTierMark>(k);
}

void noticeDate(JDA& w, int index, ResultCell& cell)
{
    if (w.Datum(31).dateValue())
        date(w.Datum(index), cell);
    else
        cell = {};
}

} // namespace result_cells

const std::string& ResultLine::text(ResultColumn column) const
{
    static const std::string none;
    const auto* t = std::get_if<std::string>(&cells[column]);
    return t != nullptr ? *t : none;
}

std::optional<Date> ResultLine::date(ResultColumn column) const
{
    const auto* d = std::get_if<Date>(&cells[column]);
    return d != nullptr ? std::optional{*d} : std::nullopt;
}

RowNotes& ResultLine::notes()
{
    if (!std::holds_alternative<RowNotes>(cells[colNotes]))
        cells[colNotes] = RowNotes{};
    return std::get<RowNotes>(cells[colNotes]);
}

const RowNotes& ResultLine::notes() const
{
    static const RowNotes none;
    const auto* n = std::get_if<RowNotes>(&cells[colNotes]);
    return n != nullptr ? *n : none;
}

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

ResultCell ResultLayout::cell(const ResultLine& line, std::size_t position) const
{
    const auto column = columnAt(position);
    if (column)
        return line[*column];
    const std::size_t c = carriedAt(position);
    return c < line.carried.size() ? ResultCell{line.carried[c]} : ResultCell{};
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
            line[c.id] = {};
}

void readWindowResults(JDA& w, ResultLine& line)
{
    for (const ResultColumnSpec& c : resultColumns)
        if (c.read)
            c.read(w, line[c.id]);
}

} // namespace tarvolin
