#include "stafflist/list_selection.h"

#include "calc/german_quotes.h"
#include "stafflist/calendar_file.h"
#include "stafflist/list_output.h"
#include "stafflist/search_key.h"
#include "stafflist/staff_table.h"
#include "stafflist/xlsx_writer.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace tarvolin {

namespace {

std::string trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string{s.substr(first, s.find_last_not_of(" \t") - first + 1)};
}

bool allDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// How a cell sorts. Dates (TT.MM.JJJJ) by their day, digits by their value,
// an age 66/2 as 66 * 12 + 2 months; anything else as text. Within a column
// the cells are of one kind, but for a personnel number that is sometimes
// digits and sometimes not: numbers first, then texts, empty cells last.
struct SortKey {
    int kind = 2; // 0 number, 1 text, 2 empty
    std::int64_t number = 0;
    std::string text;
};

SortKey sortKey(std::string_view cell)
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

std::string selectionSubtitle(const ListSelection& s)
{
    std::vector<std::string> parts;
    if (s.filter == ListFilter::WithNotes)
        parts.emplace_back("nur Zeilen mit Hinweisen");
    if (const std::string search = trimmed(s.search); !search.empty())
        parts.push_back("Suche " + inQuotes(search));
    if (parts.empty())
        return {};
    std::string text = "Auswahl: " + parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i)
        text += ", " + parts[i];
    return text;
}

// Whether a row of the list takes part in a selection: it matches the
// search, and for the notes filter it has notes. (A report then takes what
// it takes of the computed rows.)
class TakesPart {
public:
    explicit TakesPart(const ListSelection& s) : withNotes_{s.filter == ListFilter::WithNotes}, search_{searchKey(trimmed(s.search))} {}
    bool operator()(const ComputedList& list, std::size_t row) const
    {
        return (!withNotes_ || list.hasNotes(row))
               && (search_.empty() || list.searchKey(row).find(search_) != std::string_view::npos);
    }

private:
    bool withNotes_;
    std::string search_;
};

void feed(const ComputedList& list, const ListSelection& selection, ListOutput& output, std::string& csv)
{
    const TakesPart takesPart{selection};
    ResultLine line;
    for (std::size_t row = 0; row < list.size(); ++row)
        if (takesPart(list, row)) {
            list.line(row, line);
            output.add(line, list.computed(row), csv, list.fileLine(row));
        }
}

} // namespace

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

std::string_view ShownList::field(std::size_t line, std::size_t column) const
{
    const std::size_t at = order_[line];
    if (report_)
        return reportLines_[at][column];
    return cell(sources_[at], column);
}

std::string_view ShownList::cell(std::size_t row, std::size_t position) const
{
    const auto column = list_.layout.columnAt(position);
    return column ? list_.field(row, *column) : list_.carried(row, list_.layout.carriedAt(position));
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
        keys.push_back(sortKey(report_ ? std::string_view{reportLines_[at][c]} : cell(sources_[at], c)));
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

namespace {

ListOutput outputFor(const ComputedList& list, const ListSelection& selection, ListOutput::Format format)
{
    return ListOutput{format, reportOf(selection.filter), selection.year, list.layout,
                      reportExtras(list.layout, selection.with)};
}

} // namespace

std::string selectionCsv(const ComputedList& list, const ListSelection& selection)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Csv);
    std::string csv;
    output.begin(csv);
    feed(list, selection, output, csv);
    output.end(csv);
    return csv;
}

PrintableTable selectionTable(const ComputedList& list, const ListSelection& selection)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Pdf);
    std::string unused;
    feed(list, selection, output, unused);
    output.end(unused);
    PrintableTable table = std::move(output.table());
    table.subtitles = listSubtitles(list.referenceDate, list.today, list.fileName, list.size());
    if (const std::string s = selectionSubtitle(selection); !s.empty())
        table.subtitles.push_back(s);
    return table;
}

ReportDocument selectionReport(const ComputedList& list, const ListSelection& selection)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Pdf);
    std::string unused;
    feed(list, selection, output, unused);
    output.end(unused);
    std::vector<std::string> header{reportSource(list.fileName, list.today)};
    if (const std::string s = selectionSubtitle(selection); !s.empty())
        header.push_back(s);
    return output.reportDocument(std::move(header));
}

std::string selectionCalendar(const ComputedList& list, const ListSelection& selection, std::time_t stamp)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Calendar);
    std::string unused;
    feed(list, selection, output, unused);
    output.end(unused);
    return calendarFile(*output.report(), stamp);
}

std::string writeSelectionXlsx(const ComputedList& list, const ListSelection& selection, const std::string& path,
                               std::vector<std::string>* notes)
{
    SafeWorkbook workbook{path, reportOf(selection.filter) ? "Bericht" : "Personalliste"};
    if (std::string e = workbook.problem(); !e.empty())
        return e;
    ListOutput output = outputFor(list, selection, ListOutput::Format::Xlsx);
    output.writeInto(workbook.writer());
    std::string unused;
    output.begin(unused);
    feed(list, selection, output, unused);
    output.end(unused);
    std::string failure = workbook.commit();
    if (notes != nullptr && failure.empty())
        *notes = workbook.notes();
    return failure;
}

} // namespace tarvolin
