#include "stafflist/computation/list_selection.h"

#include "calc/german_quotes.h"
#include "stafflist/computation/search_key.h"
#include "stafflist/tables/table_date.h"
#include "stafflist/tables/table_text.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace tarvolin {

namespace {

// How a cell sorts. Days by their day, counts by their value, the age in
// use in months, whether an anniversary is reached yes before no, the notice
// tiers by their length. A text of the table (a carried column) that reads
// as a date (TT.MM.JJJJ), as digits or as an age (66/2) sorts the same way;
// any other text and the notes as nameKey folds them. Within a column the
// cells are of one kind, but a personnel number is sometimes digits and
// sometimes not: numbers first, then texts, empty cells last.
struct SortKey {
    int kind = 2; // 0 number, 1 text, 2 empty
    std::int64_t number = 0;
    std::string text;
};

SortKey textKey(std::string_view cell)
{
    SortKey k;
    if (cell.empty())
        return k;
    k.kind = 0;
    if (cell.size() == 10 && cell[2] == '.' && cell[5] == '.')
        if (const auto day = parseTableDate(cell)) {
            k.number = day->serial();
            return k;
        }
    if (allDigits(cell) && cell.size() <= 18) {
        k.number = std::stoll(std::string{cell});
        return k;
    }
    if (const auto slash = cell.find('/'); slash != std::string_view::npos && slash <= 2
        && allDigits(cell.substr(0, slash)) && allDigits(cell.substr(slash + 1)) && cell.size() - slash <= 3) {
        k.number = std::stoll(std::string{cell.substr(0, slash)}) * 12 + std::stoll(std::string{cell.substr(slash + 1)});
        return k;
    }
    k.kind = 1;
    k.text = nameKey(cell);
    return k;
}

SortKey sortKey(const ResultCell& cell)
{
    struct Key {
        SortKey operator()(std::monostate) const { return {}; }
        SortKey operator()(const std::string& text) const { return textKey(text); }
        SortKey operator()(Date day) const { return {0, day.serial(), {}}; }
        SortKey operator()(Count count) const { return {0, count.value, {}}; }
        SortKey operator()(Reached reached) const { return {0, reached == Reached::Yes ? 0 : 1, {}}; }
        SortKey operator()(NoticeTierMark tier) const { return {0, static_cast<int>(tier), {}}; }
        SortKey operator()(AgeInUse age) const { return {0, age.years * 12 + age.months, {}}; }
        SortKey operator()(const RowNotes& notes) const
        {
            return notes.empty() ? SortKey{} : SortKey{1, 0, nameKey(cellText(notes))};
        }
    };
    return std::visit(Key{}, cell);
}

} // namespace

TakesPart::TakesPart(const ListSelection& s)
    : withNotes_{s.filter == ListFilter::WithNotes}, search_{searchKey(std::string{trimmedField(s.search)})}
{
}

bool TakesPart::operator()(const ComputedList& list, std::size_t row) const
{
    return (!withNotes_ || list.hasNotes(row))
           && (search_.empty() || list.searchKey(row).find(search_) != std::string_view::npos);
}

std::string selectionSubtitle(const ListSelection& s)
{
    std::vector<std::string> parts;
    if (s.filter == ListFilter::WithNotes)
        parts.emplace_back("nur Zeilen mit Hinweisen");
    if (const std::string search = std::string{trimmedField(s.search)}; !search.empty())
        parts.push_back("Suche " + inQuotes(search));
    if (parts.empty())
        return {};
    std::string text = "Auswahl: " + parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i)
        text += ", " + parts[i];
    return text;
}

std::vector<YearReport::Extra> reportExtras(const ResultLayout& layout, const std::vector<std::size_t>& with)
{
    std::vector<YearReport::Extra> extras;
    for (std::size_t c : with)
        if (c < layout.carriedHeaders().size())
            extras.push_back({c, layout.carriedHeaders()[c]});
    return extras;
}

std::optional<ReportKind> reportOf(ListFilter filter)
{
    if (filter == ListFilter::Anniversaries)
        return ReportKind::Anniversaries;
    if (filter == ListFilter::Retirements)
        return ReportKind::Retirements;
    return std::nullopt;
}

ShownList::ShownList(const ComputedList& list, const ListSelection& selection) : list_{list}
{
    const TakesPart takesPart{selection};
    auto matches = [&](std::size_t row) { return takesPart(list, row); };
    if (const auto kind = reportOf(selection.filter)) {
        report_ = true;
        YearReport report{*kind, selection.year, reportExtras(list.layout, selection.with)};
        ResultLine line;
        for (std::size_t row = 0; row < list.size(); ++row)
            if (list.computed(row) && matches(row)) {
                list.line(row, line);
                report.add(line, row);
            }
        for (std::string_view h : report.header())
            header_.emplace_back(h);
        sources_ = report.sortedSources();
        reportLines_ = report.sortedLines();
    } else {
        for (std::string_view h : list.layout.headers())
            header_.emplace_back(h);
        for (std::size_t row = 0; row < list.size(); ++row)
            if (matches(row))
                sources_.push_back(row);
    }
    order_.resize(sources_.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
}

ResultCell ShownList::field(std::size_t line, std::size_t column) const
{
    const std::size_t at = order_[line];
    if (report_)
        return reportLines_[at][column];
    return cell(sources_[at], column);
}

ResultCell ShownList::cell(std::size_t row, std::size_t position) const
{
    const auto column = list_.layout.columnAt(position);
    return column ? list_.cell(row, *column) : ResultCell{std::string{list_.carried(row, list_.layout.carriedAt(position))}};
}

void ShownList::sortBy(int column, bool descending)
{
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    if (column < 0 || static_cast<std::size_t>(column) >= header_.size())
        return;
    const auto c = static_cast<std::size_t>(column);
    std::vector<SortKey> keys;
    keys.reserve(order_.size());
    for (std::size_t at = 0; at < order_.size(); ++at)
        keys.push_back(sortKey(report_ ? reportLines_[at][c] : cell(sources_[at], c)));
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        const SortKey& x = keys[a];
        const SortKey& y = keys[b];
        if (x.kind != y.kind)
            return x.kind < y.kind;
        if (descending)
            return x.kind == 0 ? y.number < x.number : y.text < x.text;
        return x.kind == 0 ? x.number < y.number : x.text < y.text;
    });
}

} // namespace tarvolin
