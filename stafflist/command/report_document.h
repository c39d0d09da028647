#pragma once
// A year report as it goes onto paper: on every page the report's title with
// its year, the file it comes from and the day it was made; its lines grouped
// by month, each month with its count, then the total; and at the end the
// rows of the list that could not be computed, each with its reason ("3
// Zeilen nicht berechnet: …"). The staff list fills it, for the command and
// for the window alike; a toolkit lays it out on pages.

#include "stafflist/command/row_spool.h"
#include "stafflist/computation/year_reports.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

struct ReportMonth {
    std::string heading; // "April 2027: 3 Dienstjubiläen"
    std::vector<std::vector<std::string>> lines;
};

struct ReportDocument {
    std::string title;               // "Dienstjubiläen 2027"
    std::vector<std::string> header; // under the title on every page
    std::vector<std::string> columns;
    std::vector<ReportMonth> months; // only months with lines, in order
    std::string total;               // "Insgesamt 2027: 12 Dienstjubiläen"
    std::string uncomputedHeading;   // "3 Zeilen nicht berechnet:"; empty when every row was computed
    // One cell a row: where it stands in the file and why it was not computed.
    std::shared_ptr<RowSpool> uncomputed = std::make_shared<RowSpool>();
};

// The rows that could not be computed, as they come; kept on disk, so that a
// table of a million broken lines needs no memory for them.
class UncomputedRows {
public:
    void add(const ResultLine& line, std::int64_t fileLine);
    std::size_t size() const { return spool_->size(); }
    const std::shared_ptr<RowSpool>& spool() const { return spool_; }

private:
    std::shared_ptr<RowSpool> spool_ = std::make_shared<RowSpool>();
};

// `header`: the lines under the title (source file, day of creation, a
// selection).
ReportDocument reportDocument(const YearReport& report, std::vector<std::string> header,
                              const UncomputedRows& uncomputed);

// The lines under a report's title: "aus „personal.csv“, erstellt am
// 07.12.2026".
std::string reportSource(std::string_view fileName, Date created);

// "Geburtstag fehlt; die Zeile wird nicht berechnet (Zeile 7: 7 Ohne, Datum)":
// a row that could not be computed, its notes without their line, which
// stands once at the end.
std::string uncomputedText(const ResultLine& line, std::int64_t fileLine);

// "Januar" to "Dezember".
std::string_view germanMonthName(unsigned month);

} // namespace tarvolin
