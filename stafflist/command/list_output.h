#pragma once
// What the staff list puts out: the result table, or one of the year
// reports, as CSV text, as an Excel workbook, or as a printable table for
// the PDF. It is fed the computed rows in the order of the table; the
// command feeds it every row as it comes, the window the rows it shows.
// Both therefore write the same bytes and print the same pages for the same
// rows.

#include "calc/date.h"
#include "stafflist/command/printable_table.h"
#include "stafflist/command/report_document.h"
#include "stafflist/computation/staff_result.h"
#include "stafflist/computation/year_reports.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class XlsxTableWriter;

class ListOutput {
public:
    // Calendar: a report's dates as an iCalendar file (calendar_file.h).
    enum class Format { Csv, Pdf, Xlsx, Calendar };

    // Without a report: the result table, one line per row, with the
    // layout's carried columns. A report shows the carried columns `with`.
    ListOutput(Format format, std::optional<ReportKind> report, int year, ResultLayout layout = {},
               std::vector<YearReport::Extra> with = {});

    // The workbook an Xlsx output writes into.
    void writeInto(XlsxTableWriter& workbook) { xlsx_ = &workbook; }

    // CSV: the byte-order mark and the head line; Excel: the head row.
    void begin(std::string& csv);
    // One row. The result table takes every row; a report only the computed
    // ones, and puts them out at the end in its own order. A report on paper
    // names the others at its end, by their line in the file.
    void add(const ResultLine& line, bool computed, std::string& csv, std::int64_t fileLine = 0);
    // After the last row: the report's lines (CSV, Excel), or the printable
    // table's title and heads (the list's PDF).
    void end(std::string& csv);

    // PDF: the table, complete after end() but for its subtitles.
    PrintableTable& table() { return table_; }
    // The report, if this is one; complete after end().
    const YearReport* report() const { return report_ ? &*report_ : nullptr; }
    // A report on paper, after end(); `header` as reportDocument takes it.
    ReportDocument reportDocument(std::vector<std::string> header) const;

private:
    std::vector<std::string> printedHeader() const;
    std::vector<std::string> printedRow(const ResultLine& line) const;
    void appendCsv(std::string& csv, const std::vector<ResultCell>& cells);

    Format format_;
    ResultLayout layout_;
    std::optional<YearReport> report_;
    UncomputedRows uncomputed_;
    PrintableTable table_;
    XlsxTableWriter* xlsx_ = nullptr;
    std::vector<ResultCell> cells_; // one line's cells in the layout's order
    std::vector<std::string> texts_; // and their texts
};

// The lines under the printed title: the reference date, and when and from
// which file the list was made, with its number of rows.
std::vector<std::string> listSubtitles(std::optional<Date> referenceDate, Date today, std::string_view fileName,
                                       std::size_t rows);

} // namespace tarvolin
