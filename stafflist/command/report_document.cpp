#include "stafflist/command/report_document.h"

#include "calc/date_text.h"
#include "stafflist/tables/short_text.h"
#include "stafflist/tables/visible_text.h"

#include <array>

namespace tarvolin {

namespace {

std::string inQuotes(std::string_view text) { return "„" + std::string{text} + "“"; }

std::string counted(std::size_t n, ReportKind kind)
{
    if (kind == ReportKind::Anniversaries)
        return std::to_string(n) + (n == 1 ? " Dienstjubiläum" : " Dienstjubiläen");
    return std::to_string(n) + (n == 1 ? " Person" : " Personen");
}

} // namespace

std::string_view germanMonthName(unsigned month)
{
    static constexpr std::array<std::string_view, 12> names{"Januar", "Februar", "März",      "April",
                                                            "Mai",    "Juni",    "Juli",      "August",
                                                            "September", "Oktober", "November", "Dezember"};
    return month >= 1 && month <= 12 ? names[month - 1] : std::string_view{};
}

std::string uncomputedText(const ResultLine& line, std::int64_t fileLine)
{
    std::string text;
    for (const RowNote& n : line.notes())
        text += (text.empty() ? "" : " | ") + n.text;
    // A name of a megabyte would bury the list of rows (shortText).
    return text + " (Zeile " + std::to_string(fileLine) + ": " + shortText(line.text(colPersonnelNumber)) + " "
           + shortText(line.text(colName)) + ", " + shortText(line.text(colFirstName)) + ")";
}

void UncomputedRows::add(const ResultLine& line, std::int64_t fileLine)
{
    // Control characters and bidi overrides from the table are shown, not obeyed.
    spool_->append({visibleText(uncomputedText(line, fileLine))}, {});
}

std::string reportSource(std::string_view fileName, Date created)
{
    return "aus " + inQuotes(fileName) + ", erstellt am " + germanDateText(created);
}

ReportDocument reportDocument(const YearReport& report, std::vector<std::string> header,
                              const UncomputedRows& uncomputed)
{
    ReportDocument d;
    d.title = report.title();
    d.header = std::move(header);
    for (std::string_view h : report.header())
        d.columns.emplace_back(h);
    const std::vector<Occasion> occasions = report.sortedOccasions();
    std::vector<std::vector<std::string>> lines;
    for (const std::vector<ResultCell>& cells : report.sortedLines()) {
        std::vector<std::string>& texts = lines.emplace_back();
        for (const ResultCell& c : cells)
            texts.push_back(cellText(c));
    }
    const std::string year = std::to_string(report.year());
    for (std::size_t i = 0; i < lines.size();) {
        const unsigned month = occasions[i].day.month();
        ReportMonth m;
        for (; i < lines.size() && occasions[i].day.month() == month; ++i)
            m.lines.push_back(std::move(lines[i]));
        m.heading = std::string{germanMonthName(month)} + " " + year + ": " + counted(m.lines.size(), report.kind());
        d.months.push_back(std::move(m));
    }
    d.total = "Insgesamt " + year + ": " + counted(lines.size(), report.kind());
    if (const std::size_t n = uncomputed.size(); n > 0)
        d.uncomputedHeading = std::to_string(n) + (n == 1 ? " Zeile" : " Zeilen") + " nicht berechnet:";
    d.uncomputed = uncomputed.spool();
    return d;
}

} // namespace tarvolin
