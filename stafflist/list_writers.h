#pragma once
// What the staff list needs of a toolkit to put its results on paper: the
// list as a table, a year report grouped by month. Each writes a PDF file
// and returns an empty text, or what failed, in German; an empty function
// means the program was built without its window toolkit.

#include "stafflist/printable_table.h"
#include "stafflist/report_document.h"

#include <functional>
#include <string>

namespace tarvolin {

using ReportPdfWriter = std::function<std::string(const ReportDocument& report, const std::string& path)>;

struct ListWriters {
    PdfWriter table;
    ReportPdfWriter report;
};

} // namespace tarvolin
