#include "stafflist/command/selection_output.h"

#include "stafflist/command/calendar_file.h"
#include "stafflist/command/list_output.h"
#include "stafflist/command/xlsx_writer.h"

namespace tarvolin {

namespace {

void feed(const ComputedList& list, const ListSelection& selection, ListOutput& output, std::string& csv)
{
    const TakesPart takesPart{selection};
    ResultLine line;
    for (std::size_t row = 0; row < list.size(); ++row)
        if (takesPart(list, row)) {
            list.line(row, line);
            output.add(line, list.computed(row), csv, list.fileLine(row));
        }
}

ListOutput outputFor(const ComputedList& list, const ListSelection& selection, ListOutput::Format format)
{
    return ListOutput{format, reportOf(selection.filter), selection.year, list.layout,
                      reportExtras(list.layout, selection.with)};
}

} // namespace

std::string selectionCsv(const ComputedList& list, const ListSelection& selection)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Csv);
    std::string csv;
    output.begin(csv);
    feed(list, selection, output, csv);
    output.end(csv);
    return csv;
}

PrintableTable selectionTable(const ComputedList& list, const ListSelection& selection)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Pdf);
    std::string unused;
    feed(list, selection, output, unused);
    output.end(unused);
    PrintableTable table = std::move(output.table());
    table.subtitles = listSubtitles(list.referenceDate, list.today, list.fileName, list.size());
    if (const std::string s = selectionSubtitle(selection); !s.empty())
        table.subtitles.push_back(s);
    return table;
}

ReportDocument selectionReport(const ComputedList& list, const ListSelection& selection)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Pdf);
    std::string unused;
    feed(list, selection, output, unused);
    output.end(unused);
    std::vector<std::string> header{reportSource(list.fileName, list.today)};
    if (const std::string s = selectionSubtitle(selection); !s.empty())
        header.push_back(s);
    return output.reportDocument(std::move(header));
}

std::string selectionCalendar(const ComputedList& list, const ListSelection& selection, std::time_t stamp)
{
    ListOutput output = outputFor(list, selection, ListOutput::Format::Calendar);
    std::string unused;
    feed(list, selection, output, unused);
    output.end(unused);
    return calendarFile(*output.report(), stamp);
}

std::string writeSelectionXlsx(const ComputedList& list, const ListSelection& selection, const std::string& path,
                               std::vector<std::string>* notes)
{
    SafeWorkbook workbook{path, reportOf(selection.filter) ? "Bericht" : "Personalliste"};
    if (std::string e = workbook.problem(); !e.empty())
        return e;
    ListOutput output = outputFor(list, selection, ListOutput::Format::Xlsx);
    output.writeInto(workbook.writer());
    std::string unused;
    output.begin(unused);
    feed(list, selection, output, unused);
    output.end(unused);
    std::string failure = workbook.commit();
    if (notes != nullptr && failure.empty())
        *notes = workbook.notes();
    return failure;
}

} // namespace tarvolin
