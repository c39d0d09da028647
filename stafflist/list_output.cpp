#include "stafflist/list_output.h"

#include "calc/date_text.h"
#include "calc/german_quotes.h"
#include "stafflist/csv_writer.h"

namespace tarvolin {

namespace {

std::vector<std::string> printedHeader()
{
    std::vector<std::string> heads;
    for (const ResultColumnSpec& c : resultColumns)
        if (c.onPaper == OnPaper::Column)
            heads.emplace_back(c.printed);
    return heads;
}

// Years, months and days share a column on paper ("3/2/15"), empty when the
// years are.
std::vector<std::string> printedRow(const ResultLine& l)
{
    std::vector<std::string> cells;
    for (const ResultColumnSpec& c : resultColumns) {
        if (c.onPaper == OnPaper::Column)
            cells.push_back(l[c.id]);
        else if (c.onPaper == OnPaper::Joined && !cells.back().empty())
            cells.back() += "/" + l[c.id];
    }
    return cells;
}

} // namespace

ListOutput::ListOutput(Format format, std::optional<ReportKind> report, int year) : format_{format}
{
    if (report)
        report_.emplace(*report, year);
    else if (format == Format::Pdf)
        table_.spooled = std::make_shared<RowSpool>(); // any number of rows in constant memory
}

void ListOutput::begin(std::string& csv) const
{
    if (format_ != Format::Csv)
        return;
    csv.append(utf8ByteOrderMark);
    if (report_)
        appendCsvLine(csv, report_->header());
    else
        appendCsvLine(csv, resultHeader);
}

void ListOutput::add(const ResultLine& line, bool computed, std::string& csv, std::int64_t fileLine)
{
    if (report_) {
        if (computed)
            report_->add(line);
        else if (format_ == Format::Pdf)
            uncomputed_.add(line, fileLine);
    } else if (format_ == Format::Pdf) {
        table_.spooled->append(printedRow(line), line[colNotes]);
    } else {
        appendCsvLine(csv, line);
    }
}

void ListOutput::end(std::string& csv)
{
    if (report_) {
        if (format_ == Format::Csv)
            for (const auto& l : report_->sortedLines())
                appendCsvLine(csv, l);
    } else if (format_ == Format::Pdf) {
        table_.title = "Personalliste";
        table_.columns = printedHeader();
    }
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
