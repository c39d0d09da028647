#include "stafflist/command/list_output.h"

#include "calc/date_text.h"
#include "calc/german_quotes.h"
#include "stafflist/command/csv_writer.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/command/xlsx_writer.h"

namespace tarvolin {

ListOutput::ListOutput(Format format, std::optional<ReportKind> report, int year, ResultLayout layout,
                       std::vector<YearReport::Extra> with)
    : format_{format}, layout_{std::move(layout)}
{
    if (report)
        report_.emplace(*report, year, std::move(with));
    else if (format == Format::Pdf)
        table_.spooled = std::make_shared<RowSpool>(); // any number of rows in constant memory
}

void ListOutput::begin(std::string& csv)
{
    const std::vector<std::string_view> heads = report_ ? report_->header() : layout_.headers();
    if (format_ == Format::Xlsx && xlsx_ != nullptr)
        xlsx_->header(heads);
    if (format_ != Format::Csv)
        return;
    csv.append(utf8ByteOrderMark);
    appendCsvLine(csv, heads);
}

// On paper the carried columns stand after the names, as in the table.
std::vector<std::string> ListOutput::printedHeader() const
{
    std::vector<std::string> heads;
    for (const ResultColumnSpec& c : resultColumns) {
        if (c.onPaper == OnPaper::Column)
            heads.emplace_back(c.printed);
        if (c.id == colFirstName)
            heads.insert(heads.end(), layout_.carriedHeaders().begin(), layout_.carriedHeaders().end());
    }
    return heads;
}

// Years, months and days share a column on paper ("3/2/15"), empty when the
// years are.
std::vector<std::string> ListOutput::printedRow(const ResultLine& l) const
{
    std::vector<std::string> cells;
    for (const ResultColumnSpec& c : resultColumns) {
        if (c.onPaper == OnPaper::Column)
            cells.push_back(cellText(l[c.id]));
        else if (c.onPaper == OnPaper::Joined && !cells.back().empty())
            cells.back() += "/" + cellText(l[c.id]);
        if (c.id == colFirstName)
            for (std::size_t i = 0; i < layout_.carriedHeaders().size(); ++i)
                cells.push_back(i < l.carried.size() ? l.carried[i] : std::string{});
    }
    return cells;
}

void ListOutput::add(const ResultLine& line, bool computed, std::string& csv, std::int64_t fileLine)
{
    if (report_) {
        if (computed)
            report_->add(line);
        else if (format_ == Format::Pdf)
            uncomputed_.add(line, fileLine);
        return;
    }
    if (format_ == Format::Pdf) {
        table_.spooled->append(printedRow(line), cellText(line[colNotes]));
        return;
    }
    cells_.resize(layout_.size());
    for (std::size_t p = 0; p < layout_.size(); ++p)
        cells_[p] = layout_.cell(line, p);
    if (format_ == Format::Xlsx) {
        if (xlsx_ != nullptr)
            xlsx_->row(cells_);
    } else {
        appendCsv(csv, cells_);
    }
}

void ListOutput::end(std::string& csv)
{
    if (report_) {
        // On paper and in a calendar the report is taken as a whole
        // (reportDocument, report()).
        if (format_ == Format::Pdf || format_ == Format::Calendar)
            return;
        const auto lines = report_->sortedLines();
        if (format_ == Format::Xlsx) {
            if (xlsx_ != nullptr)
                for (const auto& l : lines)
                    xlsx_->row(l);
        } else {
            for (const auto& l : lines)
                appendCsv(csv, l);
        }
    } else if (format_ == Format::Pdf) {
        table_.title = "Personalliste";
        table_.columns = printedHeader();
    }
}

// A line of cells as CSV, each as its text.
void ListOutput::appendCsv(std::string& csv, const std::vector<ResultCell>& cells)
{
    texts_.resize(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        texts_[i].clear();
        appendCellText(texts_[i], cells[i]);
    }
    appendCsvLine(csv, texts_);
}

std::vector<std::string> listSubtitles(std::optional<Date> referenceDate, Date today, std::string_view fileName,
                                       std::size_t rows)
{
    const std::string reference = referenceDate
                                      ? "Stichtag: " + germanDateText(*referenceDate)
                                      : "Stichtag: wie in der Tabelle angegeben, sonst " + germanDateText(today);
    return {reference, "Erstellt am " + germanDateText(today) + " aus " + inQuotes(fileName) + " ("
                           + std::to_string(rows) + " Zeilen)"};
}

ReportDocument ListOutput::reportDocument(std::vector<std::string> header) const
{
    return tarvolin::reportDocument(*report_, std::move(header), uncomputed_);
}

} // namespace tarvolin
