#include "stafflist/list_output.h"

#include "calc/date_text.h"
#include "calc/german_quotes.h"
#include "stafflist/csv_writer.h"

namespace tarvolin {

namespace {

// On paper the periods take one column each (years/months/days) and the
// long heads may break where the soft hyphens stand, so that the table fits
// an A4 page across in a readable size.
constexpr std::string_view softHyphen = "\xC2\xAD";

std::vector<std::string> printedHeader()
{
    const std::string h{softHyphen};
    return {"Personal" + h + "nummer", "Name", "Vorname", "Geburtstag", "Dienst" + h + "bezüge ab", "Stichtag",
            "Vorzeiten J/M/T", "Beschäf" + h + "tigungs" + h + "zeit J/M/T", "JDA-Beginn", "25 Jahre", "erreicht",
            "40 Jahre", "erreicht", "50 Jahre", "erreicht", "Ruhe" + h + "stands" + h + "alter",
            "Alters" + h + "grenze am", "Kündigungs" + h + "frist", "spätestens kündigen am", "Kündigung zum"};
}

std::vector<std::string> printedRow(const ResultLine& l)
{
    auto period = [&](std::size_t years) {
        return l[years].empty() ? std::string{} : l[years] + "/" + l[years + 1] + "/" + l[years + 2];
    };
    return {l[colPersonnelNumber], l[colName], l[colFirstName], l[colBirthday], l[colPayStart], l[colReferenceDate],
            period(colPriorYears), period(colServiceYears), l[colJdaBegin], l[col25], l[col25Reached], l[col40],
            l[col40Reached], l[col50], l[col50Reached], l[colRetirementAge], l[colRetirementDate],
            l[colNoticePeriod], l[colLastNoticeDay], l[colNoticeEnd]};
}

} // namespace

ListOutput::ListOutput(Format format, std::optional<ReportKind> report, int year) : format_{format}
{
    if (report)
        report_.emplace(*report, year);
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

void ListOutput::add(const ResultLine& line, bool computed, std::string& csv)
{
    if (report_) {
        if (computed)
            report_->add(line);
    } else if (format_ == Format::Pdf) {
        table_.rows.push_back(printedRow(line));
        table_.rowNotes.push_back(line[colNotes]);
    } else {
        appendCsvLine(csv, line);
    }
}

void ListOutput::end(std::string& csv)
{
    if (report_) {
        auto lines = report_->sortedLines();
        if (format_ == Format::Pdf) {
            table_.title = report_->title();
            for (std::string_view h : report_->header())
                table_.columns.emplace_back(h);
            table_.rows = std::move(lines);
        } else {
            for (const auto& l : lines)
                appendCsvLine(csv, l);
        }
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

} // namespace tarvolin
