#pragma once
// What the staff list needs of a toolkit to put its results on paper: the
// list as a table, a year report grouped by month, the letters of a
// selection. Each writes a PDF file
// and returns an empty text, or what failed, in German; an empty function
// means the program was built without its window toolkit.

#include "stafflist/command/printable_table.h"
#include "stafflist/command/report_document.h"
#include "output/letter_run.h"

#include <functional>
#include <string>

namespace tarvolin {

using ReportPdfWriter = std::function<std::string(const ReportDocument& report, const std::string& path)>;

// The letters of a run, one page each, and a last page with the rows left
// out, as one PDF file. A run without a letter writes no file and says so.
using LettersPdfWriter = std::function<std::string(LetterRun& run, const std::string& path)>;

struct ListWriters {
    PdfWriter table;
    ReportPdfWriter report;
    LettersPdfWriter letters;
};

} // namespace tarvolin
