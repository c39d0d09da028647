#include "stafflist/command/list_command.h"

#include "calc/clock.h"
#include "calc/german_quotes.h"
#include "output/safe_file.h"
#include "stafflist/command/calendar_file.h"
#include "stafflist/command/csv_sink.h"
#include "stafflist/command/list_options.h"
#include "stafflist/command/list_output.h"
#include "stafflist/command/row_letters.h"
#include "stafflist/command/xlsx_writer.h"
#include "stafflist/computation/list_input.h"
#include "stafflist/computation/staff_list.h"
#include "stafflist/computation/year_reports.h"
#include "stafflist/tables/short_text.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/tables/visible_text.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <memory>

namespace tarvolin {

namespace {

constexpr std::size_t progressFrom = 1000;

class Progress {
public:
    Progress(std::ostream& err, bool shown, std::uintmax_t totalBytes)
        : err_{err}, shown_{shown}, total_{totalBytes}
    {
    }
    void row(std::size_t rows, std::size_t bytesRead)
    {
        if (!shown_ || rows <= progressFrom || rows % progressFrom != 0)
            return;
        err_ << "\rPersonalliste: " << rows << " Zeilen berechnet";
        if (total_ > 0)
            err_ << " (" << std::min<std::uintmax_t>(100, bytesRead * 100 / total_) << " %)";
        err_.flush();
        printed_ = true;
    }
    void done(std::size_t rows)
    {
        if (printed_)
            err_ << "\rPersonalliste: " << rows << " Zeilen berechnet.          \n";
    }

private:
    std::ostream& err_;
    bool shown_;
    std::uintmax_t total_;
    bool printed_ = false;
};

// Texts from the table (file, sheet and column names) may stand in a
// message: each line is shown with its control characters made visible.
int fail(std::ostream& err, const std::string& text)
{
    err << "tarvolin --list: ";
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        err << visibleText(std::string_view{text}.substr(at, end - at)) << (end < text.size() ? "\n" : "");
        at = end + 1;
    }
    err << "\n";
    return listFailed;
}

// "Zeile 7: ... (Zeile 7: 1001 Meier, Anna)", as the end of the run lists a
// row that could not be computed.
// Control characters and bidi overrides from the table are shown, never sent
// to the terminal.
std::string uncomputedLine(const ComputedRow& r) { return visibleText(uncomputedText(r.line, r.row.line)); }

// Steps of runStaffListCommand.

// The mapping of --columns FILE; empty text, or what is wrong with it.
std::string readMapping(const std::string& path, InputOptions& options)
{
    if (path.empty())
        return {};
    const std::string file = "--columns " + inQuotes(path);
    std::ifstream in{path, std::ios::binary};
    std::string text;
    char buffer[4096];
    while (in && text.size() <= 1 << 20) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (!in.eof())
        return file + ": die Datei kann nicht gelesen werden (fehlt sie, fehlt das Leserecht, oder ist sie größer als 1 MB?)";
    std::string problem;
    options.mapping = parseColumnMapping(text, problem);
    return problem.empty() ? std::string{} : file + ", " + problem;
}

// What the message on a header without its required columns adds for the
// command: the headers there are, and the way to map them.
std::string mappingHint(const ListInput& input)
{
    std::string found;
    for (const std::string& h : input.header())
        if (!trimmedField(h).empty())
            found += (found.empty() ? "" : ", ") + inQuotes(shortText(h));
    return "\n  Spalten der Tabelle: " + (found.empty() ? std::string{"keine"} : found)
           + "\n  Eine Datei mit Zeilen wie „Geburtstag = Geb.-Datum“ ordnet sie zu: --columns DATEI";
}

// The carried columns named by --with; empty text, or the one that is not there.
std::string findExtras(const ListOptions& o, const ListInput& input, std::vector<YearReport::Extra>& extras)
{
    const std::vector<std::string>& carried = input.columns().carriedHeaders;
    for (const std::string& name : o.with) {
        const auto at = std::find_if(carried.begin(), carried.end(), [&](const std::string& h) {
            return normalizedHeader(h) == normalizedHeader(name);
        });
        if (at == carried.end()) {
            std::string names;
            for (const std::string& h : carried)
                names += (names.empty() ? "" : ", ") + inQuotes(shortText(h));
            return "--with " + inQuotes(shortText(name)) + ": die Tabelle hat keine solche Spalte"
                   + (names.empty() ? std::string{" (sie hat keine Spalten außer denen, die Tarvolin liest)"}
                                    : "; mitführen lassen sich " + names);
        }
        extras.push_back({static_cast<std::size_t>(at - carried.begin()), *at});
    }
    return {};
}

// Every row computed and handed to the output; the rows not computed named.
std::size_t computeAll(ListInput& input, const ListOptions& o, Date today, ListOutput& output, CsvSink& csv,
                       ListStreams streams, std::vector<std::string>& uncomputed)
{
    Progress progress{streams.err, streams.errIsTerminal, input.totalBytes()};
    const std::size_t rows = computeStaffRows(
        input, today, o.referenceDate,
        [&](const ComputedRow& r) {
            if (!r.computed)
                uncomputed.push_back(uncomputedLine(r));
            output.add(r.line, r.computed, csv.text(), r.row.line);
            csv.flushIfFull();
        },
        [&](std::size_t rowsSoFar, std::size_t bytesRead) {
            progress.row(rowsSoFar, bytesRead);
            return true;
        });
    progress.done(rows);
    return rows;
}

// What the reader noticed about the file as a whole.
void tellAboutInput(std::ostream& err, ListInput& input, std::size_t rows)
{
    const std::string& fileName = input.fileName();
    if (input.reader().readWindows1252())
        err << "tarvolin --list: Hinweis: " << inQuotes(fileName)
            << " ist nicht durchweg gültiges UTF-8; die Zeilen, die es nicht sind, wurden als Windows-1252 gelesen.\n";
    if (rows == 0)
        err << "tarvolin --list: Hinweis: " << inQuotes(fileName) << " enthält nach der Kopfzeile (Zeile "
            << input.headerLine() << ") keine Zeilen.\n";
}

// The PDF, the workbook or the calendar written, or the rest of the CSV put
// in place. Empty text, or what failed.
std::string finishOutput(const ListOptions& o, ListOutput& output, CsvSink& csv, SafeWorkbook* workbook,
                         const ListWriters& writers, Date today, const std::string& fileName, std::size_t rows)
{
    output.end(csv.text());
    if (workbook != nullptr)
        return workbook->commit();
    if (o.ics)
        return writeTextFile(o.output, calendarFile(*output.report(), std::time(nullptr)));
    if (!o.pdf)
        return csv.finish();
    if (o.report)
        return writers.report(output.reportDocument({reportSource(fileName, today)}), o.output);
    output.table().subtitles = listSubtitles(o.referenceDate, today, fileName, rows);
    return writers.table(output.table(), o.output);
}

ListOutput::Format formatOf(const ListOptions& o)
{
    if (o.ics)
        return ListOutput::Format::Calendar;
    if (o.xlsx)
        return ListOutput::Format::Xlsx;
    return o.pdf ? ListOutput::Format::Pdf : ListOutput::Format::Csv;
}

// `missing` says what the rows not computed lack.
int exitStatus(std::ostream& err, const std::vector<std::string>& uncomputed, std::string_view missing)
{
    if (uncomputed.empty())
        return listComplete;
    err << "tarvolin --list: " << uncomputed.size() << (uncomputed.size() == 1 ? " Zeile konnte" : " Zeilen konnten")
        << " nicht berechnet werden" << missing
        << ":\n";
    for (const std::string& u : uncomputed)
        err << "  " << u << "\n";
    return listWithUncomputedRows;
}

// The letters of the rows of a table, in its order: all rows, or those in
// the year report asked for. Rows are computed and printed one at a time.
class TableLetterRun final : public RowLetterRun {
public:
    TableLetterRun(ListInput& input, const ListOptions& o, Date today, ListStreams streams)
        : input_{input}, o_{o}, today_{today}, streams_{streams}
    {
    }
    std::size_t rows = 0;

    bool printAll(Printer& printer) override
    {
        RowLetterPrinter letters{today_, o_.jdaLetters, letterhead};
        Progress progress{streams_.err, streams_.errIsTerminal, input_.totalBytes()};
        bool goOn = true;
        rows = computeStaffRows(
            input_, today_, o_.referenceDate,
            [&](const ComputedRow& r) {
                if (!r.computed)
                    leftOut_.push_back(uncomputedLine(r));
                else if (selected(r.line))
                    goOn = printRow(letters, *r.row.typedCase,
                                    addresseeOf(r.row.firstName, r.row.name, r.row.address), printer,
                                    uncomputedLine(r), r.row.line);
            },
            [&](std::size_t rowsSoFar, std::size_t bytesRead) {
                progress.row(rowsSoFar, bytesRead);
                return goOn;
            });
        progress.done(rows);
        return goOn;
    }

private:
    bool selected(const ResultLine& line) const
    {
        if (!o_.report)
            return true;
        YearReport report{*o_.report, o_.year};
        report.add(line);
        return report.size() > 0;
    }

    ListInput& input_;
    const ListOptions& o_;
    Date today_;
    ListStreams streams_;
};

int runLetters(ListInput& input, const ListOptions& o, Date today, ListStreams streams, const ListWriters& writers)
{
    TableLetterRun run{input, o, today, streams};
    const std::string failure = writers.letters(run, o.output);
    if (const std::string e = input.readingFailure(); !e.empty())
        return fail(streams.err, e);
    tellAboutInput(streams.err, input, run.rows);
    for (const std::string& fitted : run.fittedAddresses())
        streams.err << "tarvolin --list: Hinweis: " << fitted << ".\n";
    const int status = exitStatus(streams.err, run.leftOut(), " (ohne Brief)");
    if (!failure.empty())
        return fail(streams.err, failure);
    return status;
}

} // namespace

int runStaffListCommand(const std::vector<std::string>& args, ListStreams streams, const ListWriters& writers)
{
    std::ostream& err = streams.err;
    std::string error;
    const ListOptions o = parseListOptions(args, error);
    if (!error.empty()) {
        err << "tarvolin --list: " << error << "\n" << listUsage;
        return listFailed;
    }
    if (o.pdf && !(o.letters ? bool{writers.letters} : o.report ? bool{writers.report} : bool{writers.table}))
        return fail(err, "PDF braucht das Fenster-Toolkit; dieses Tarvolin wurde ohne gebaut. Bitte .csv verwenden.");

    InputOptions inputOptions{o.sheet, {}, o.output.empty()};
    if (const std::string e = readMapping(o.columns, inputOptions); !e.empty())
        return fail(err, e);
    ListInput input;
    if (const std::string e = input.open(o.input, streams.in, inputOptions); !e.empty())
        return fail(err, input.columns().missing.empty() ? e : e + mappingHint(input));
    std::vector<YearReport::Extra> extras;
    if (const std::string e = findExtras(o, input, extras); !e.empty())
        return fail(err, e);

    if (!o.output.empty() && o.input != "-" && isSameFile(o.input, o.output))
        return fail(err, "Die Ausgabe " + inQuotes(o.output) + " ist die Personaltabelle selbst und wird nicht "
                         "überschrieben. Bitte für --output einen anderen Namen angeben.");

    const Date today = o.today ? *o.today : SystemClock{}.today();
    if (o.letters)
        return runLetters(input, o, today, streams, writers);
    const ListOutput::Format format = formatOf(o);
    ListOutput output{format, o.report, o.year, ResultLayout{input.columns().carriedHeaders}, std::move(extras)};
    CsvSink csv{streams.out, format == ListOutput::Format::Csv ? o.output : std::string{}};
    std::unique_ptr<SafeWorkbook> workbook;
    if (format == ListOutput::Format::Xlsx) {
        workbook = std::make_unique<SafeWorkbook>(o.output, o.report ? "Bericht" : "Personalliste");
        if (const std::string e = workbook->problem(); !e.empty())
            return fail(err, e);
        output.writeInto(workbook->writer());
    } else if (format == ListOutput::Format::Csv) {
        if (const std::string e = csv.open(); !e.empty())
            return fail(err, e);
    }
    output.begin(csv.text());

    std::vector<std::string> uncomputed;
    const std::size_t rows = computeAll(input, o, today, output, csv, streams, uncomputed);
    if (const std::string e = input.readingFailure(); !e.empty())
        return fail(err, e);
    tellAboutInput(err, input, rows);
    if (const std::string e = finishOutput(o, output, csv, workbook.get(), writers, today, input.fileName(), rows);
        !e.empty())
        return fail(err, e);
    if (workbook)
        for (const std::string& note : workbook->notes())
            err << "tarvolin --list: Hinweis: " << note << "\n";
    return exitStatus(err, uncomputed, o.report ? " und fehlen im Bericht" : " (Grund in der Spalte Hinweise)");
}

} // namespace tarvolin
