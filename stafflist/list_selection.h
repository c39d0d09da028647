#pragma once
// What the window shows of a computed staff list: all rows, the rows with
// notes, or one of the year reports for a year, narrowed by a search for
// name or personnel number; its lines in the list's own order or sorted by
// a column. And what the window saves and prints of it: the command's CSV
// and printable table for the same rows.

#include "stafflist/computed_list.h"
#include "stafflist/printable_table.h"
#include "stafflist/report_document.h"
#include "stafflist/year_reports.h"

#include <cstddef>
#include <ctime>
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

class ShownList {
public:
    ShownList(const ComputedList& list, const ListSelection& selection);

    const std::vector<std::string>& header() const { return header_; }
    bool isReport() const { return report_; }
    std::size_t size() const { return order_.size(); }
    std::string_view field(std::size_t line, std::size_t column) const;
    // The row of the list a shown line comes from.
    std::size_t source(std::size_t line) const { return sources_[order_[line]]; }
    // What stays with a line whatever the order: its place in the list's own
    // order.
    std::size_t identity(std::size_t line) const { return order_[line]; }

    // Orders the lines by a column: dates as dates, numbers and ages (66/2)
    // as numbers, texts as nameKey folds them; empty cells last. Lines alike
    // in the column keep their order. A column of -1 gives the list's own
    // order back (the table's, or the report's).
    void sortBy(int column, bool descending);

private:
    std::string_view cell(std::size_t row, std::size_t position) const;

    const ComputedList& list_;
    bool report_ = false;
    std::vector<std::string> header_;
    std::vector<std::size_t> sources_;
    std::vector<std::vector<std::string>> reportLines_;
    std::vector<std::size_t> order_;
};

// The CSV text `tarvolin --list` writes for the list's file and options and
// the selection's report, of the rows that take part: for a selection of all
// rows, or of a report without a search, the very same bytes.
std::string selectionCsv(const ComputedList& list, const ListSelection& selection);

// The same as the printable table of the PDF; a search or the notes filter
// is named in an extra subtitle.
PrintableTable selectionTable(const ComputedList& list, const ListSelection& selection);

// A report selection on paper, as the command prints the report for the
// list's file; a search is named under the title.
ReportDocument selectionReport(const ComputedList& list, const ListSelection& selection);

// A report selection as a calendar file (calendar_file.h), made at `stamp`.
std::string selectionCalendar(const ComputedList& list, const ListSelection& selection, std::time_t stamp);

// The same as an Excel workbook written to `path`. Empty text, or what
// failed, in German; `notes` gets what was changed in texts to write them
// (XlsxTableWriter::notes).
std::string writeSelectionXlsx(const ComputedList& list, const ListSelection& selection, const std::string& path,
                               std::vector<std::string>* notes = nullptr);

} // namespace tarvolin
