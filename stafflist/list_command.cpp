#include "stafflist/list_command.h"

#include "calc/clock.h"
#include "calc/german_quotes.h"
#include "output/safe_file.h"
#include "stafflist/csv_sink.h"
#include "stafflist/list_input.h"
#include "stafflist/list_options.h"
#include "stafflist/list_output.h"
#include "stafflist/staff_list.h"
#include "stafflist/table_text.h"
#include "stafflist/visible_text.h"
#include "stafflist/xlsx_writer.h"

#include <algorithm>
#include <cstdint>
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

// The notes of one row without their "Zeile N: " prefixes.
std::string withoutLinePrefix(std::string notes, std::int64_t line)
{
    const std::string prefix = "Zeile " + std::to_string(line) + ": ";
    for (std::size_t at; (at = notes.find(prefix)) != std::string::npos;)
        notes.erase(at, prefix.size());
    return notes;
}

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
std::string uncomputedLine(const ComputedRow& r)
{
    return visibleText(withoutLinePrefix(r.line[colNotes], r.row.line) + " (Zeile " + std::to_string(r.row.line)
                       + ": " + r.row.personnelNumber + " " + r.row.name + ", " + r.row.firstName + ")");
}

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
            found += (found.empty() ? "" : ", ") + inQuotes(h);
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
                names += (names.empty() ? "" : ", ") + inQuotes(h);
            return "--with " + inQuotes(name) + ": die Tabelle hat keine solche Spalte"
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
            output.add(r.line, r.computed, csv.text());
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

// The PDF or the workbook written, or the rest of the CSV put in place.
// Empty text, or what failed.
std::string finishOutput(const ListOptions& o, ListOutput& output, CsvSink& csv, SafeWorkbook* workbook,
                         const PdfWriter& writePdf, Date today, const std::string& fileName, std::size_t rows)
{
    output.end(csv.text());
    if (workbook != nullptr)
        return workbook->commit();
    if (!o.pdf)
        return csv.finish();
    output.table().subtitles = listSubtitles(o.referenceDate, today, fileName, rows);
    return writePdf(output.table(), o.output);
}

int exitStatus(std::ostream& err, const std::vector<std::string>& uncomputed, bool report)
{
    if (uncomputed.empty())
        return listComplete;
    err << "tarvolin --list: " << uncomputed.size() << (uncomputed.size() == 1 ? " Zeile konnte" : " Zeilen konnten")
        << " nicht berechnet werden" << (report ? " und fehlen im Bericht" : " (Grund in der Spalte Hinweise)")
        << ":\n";
    for (const std::string& u : uncomputed)
        err << "  " << u << "\n";
    return listWithUncomputedRows;
}

} // namespace

int runStaffListCommand(const std::vector<std::string>& args, ListStreams streams, const PdfWriter& writePdf)
{
    std::ostream& err = streams.err;
    std::string error;
    const ListOptions o = parseListOptions(args, error);
    if (!error.empty()) {
        err << "tarvolin --list: " << error << "\n" << listUsage;
        return listFailed;
    }
    if (o.pdf && !writePdf)
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
    const auto format = o.pdf ? ListOutput::Format::Pdf : o.xlsx ? ListOutput::Format::Xlsx : ListOutput::Format::Csv;
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
    if (const std::string e = finishOutput(o, output, csv, workbook.get(), writePdf, today, input.fileName(), rows);
        !e.empty())
        return fail(err, e);
    return exitStatus(err, uncomputed, o.report.has_value());
}

} // namespace tarvolin
