#pragma once
// What the window saves and prints of a selection of a computed staff list
// (computation/list_selection.h): the command's CSV, workbook, calendar
// file and printable table for the same rows, so that the window and
// `tarvolin --list` write the same bytes for the same file and options.

#include "stafflist/command/printable_table.h"
#include "stafflist/command/report_document.h"
#include "stafflist/computation/computed_list.h"
#include "stafflist/computation/list_selection.h"

#include <ctime>
#include <string>
#include <vector>

namespace tarvolin {

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
