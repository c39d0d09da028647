#pragma once
// What the window shows of a computed staff list: all rows, the rows with
// notes, or one of the year reports for a year, narrowed by a search for
// name or personnel number; its lines in the list's own order or sorted by
// a column. What it saves and prints of them: command/selection_output.h.

#include "stafflist/computation/computed_list.h"
#include "stafflist/computation/year_reports.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

enum class ListFilter { All, WithNotes, Anniversaries, Retirements };

struct ListSelection {
    ListFilter filter = ListFilter::All;
    int year = 0;       // of the reports
    std::string search; // part of a name, "Name, Vorname", "Vorname Name" or a personnel number; "" for all
    // Carried columns a report shows after the names (indexes into the
    // list's ResultLayout::carriedHeaders).
    std::vector<std::size_t> with;
};

// The carried columns of `with` as a report takes them.
std::vector<YearReport::Extra> reportExtras(const ResultLayout& layout, const std::vector<std::size_t>& with);

// The report a filter stands for, if any.
std::optional<ReportKind> reportOf(ListFilter filter);

// Whether a row of the list takes part in a selection: it matches the
// search, and for the notes filter it has notes. (A report then takes what
// it takes of the computed rows.)
class TakesPart {
public:
    explicit TakesPart(const ListSelection& selection);
    bool operator()(const ComputedList& list, std::size_t row) const;

private:
    bool withNotes_;
    std::string search_;
};

// "Auswahl: nur Zeilen mit Hinweisen, Suche „Meier“", as a printed
// selection is named under its title; empty for a selection of all rows.
std::string selectionSubtitle(const ListSelection& selection);

class ShownList {
public:
    ShownList(const ComputedList& list, const ListSelection& selection);

    const std::vector<std::string>& header() const { return header_; }
    bool isReport() const { return report_; }
    std::size_t size() const { return order_.size(); }
    ResultCell field(std::size_t line, std::size_t column) const;
    // The row of the list a shown line comes from.
    std::size_t source(std::size_t line) const { return sources_[order_[line]]; }
    // What stays with a line whatever the order: its place in the list's own
    // order.
    std::size_t identity(std::size_t line) const { return order_[line]; }

    // Orders the lines by a column: dates as dates, numbers and ages (66/2)
    // as numbers, the notice tiers by their length, texts as nameKey folds
    // them; empty cells last. Lines alike
    // in the column keep their order. A column of -1 gives the list's own
    // order back (the table's, or the report's).
    void sortBy(int column, bool descending);

private:
    ResultCell cell(std::size_t row, std::size_t position) const;

    const ComputedList& list_;
    bool report_ = false;
    std::vector<std::string> header_;
    std::vector<std::size_t> sources_;
    std::vector<std::vector<ResultCell>> reportLines_;
    std::vector<std::size_t> order_;
};

} // namespace tarvolin
