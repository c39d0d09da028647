#include "stafflist/list_command.h"

#include "calc/clock.h"
#include "calc/date_text.h"
#include "stafflist/csv_reader.h"
#include "stafflist/csv_writer.h"
#include "stafflist/list_options.h"
#include "stafflist/staff_list.h"
#include "stafflist/year_reports.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace tarvolin {

namespace {

constexpr std::size_t progressFrom = 1000;
constexpr std::size_t flushAt = 1 << 16;

std::string inQuotes(std::string_view text) { return "„" + std::string{text} + "“"; }

// Where the CSV text goes: standard output, or a file that appears under its
// name only when it is complete.
class CsvSink {
public:
    CsvSink(std::ostream& out, std::string path) : out_{&out}, path_{std::move(path)} {}
    ~CsvSink()
    {
        if (file_.is_open()) {
            file_.close();
            std::error_code ignored;
            std::filesystem::remove(partPath(), ignored);
        }
    }
    CsvSink(const CsvSink&) = delete;
    CsvSink& operator=(const CsvSink&) = delete;

    // Empty text, or why the file cannot be written.
    std::string open()
    {
        if (path_.empty())
            return {};
        file_.open(partPath(), std::ios::binary | std::ios::trunc);
        if (!file_)
            return "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden.";
        out_ = &file_;
        return {};
    }
    std::string& text() { return text_; }
    void flushIfFull()
    {
        if (text_.size() >= flushAt)
            flush();
    }
    // Empty text, or what failed.
    std::string finish()
    {
        flush();
        out_->flush();
        if (!*out_)
            return path_.empty() ? "Die Standardausgabe kann nicht geschrieben werden."
                                 : "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden.";
        if (path_.empty())
            return {};
        file_.close();
        std::error_code error;
        std::filesystem::rename(partPath(), path_, error);
        if (error)
            return "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden: " + error.message();
        return {};
    }

private:
    std::string partPath() const { return path_ + ".teil"; }
    void flush()
    {
        out_->write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }

    std::ostream* out_;
    std::string path_;
    std::ofstream file_;
    std::string text_;
};

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

std::string referenceDateLine(const ListOptions& o, Date today)
{
    if (o.referenceDate)
        return "Stichtag: " + germanDateText(*o.referenceDate);
    return "Stichtag: wie in der Tabelle angegeben, sonst " + germanDateText(today);
}

// The notes of one row without their "Zeile N: " prefixes.
std::string withoutLinePrefix(std::string notes, int line)
{
    const std::string prefix = "Zeile " + std::to_string(line) + ": ";
    for (std::size_t at; (at = notes.find(prefix)) != std::string::npos;)
        notes.erase(at, prefix.size());
    return notes;
}

int fail(std::ostream& err, const std::string& text)
{
    err << "tarvolin --list: " << text << "\n";
    return listFailed;
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

    // The input.
    const bool fromStandardInput = o.input == "-";
    const std::string fileName = fromStandardInput ? std::string{"Standardeingabe"} : o.input;
    std::ifstream file;
    std::uintmax_t totalBytes = 0;
    if (!fromStandardInput) {
        std::error_code ec;
        if (std::filesystem::is_directory(o.input, ec))
            return fail(err, "Datei " + inQuotes(fileName) + " kann nicht gelesen werden: das ist ein Ordner.");
        file.open(o.input, std::ios::binary);
        if (!file)
            return fail(err, "Datei " + inQuotes(fileName) + " kann nicht gelesen werden (fehlt sie, oder fehlt das Leserecht?).");
        if (std::filesystem::is_regular_file(o.input, ec))
            totalBytes = std::filesystem::file_size(o.input, ec);
    }
    std::istream& in = fromStandardInput ? streams.in : static_cast<std::istream&>(file);
    CsvReader reader{in};

    CsvRecord record;
    switch (reader.readHeader(record)) {
    case CsvReader::Header::Empty: return fail(err, "Datei " + inQuotes(fileName) + ", Zeile 1: die Datei ist leer, es fehlt die Kopfzeile.");
    case CsvReader::Header::Utf16:
        return fail(err, "Datei " + inQuotes(fileName)
                             + ", Zeile 1: die Datei ist in UTF-16 gespeichert; bitte als CSV (UTF-8 oder Windows-1252) speichern.");
    case CsvReader::Header::NoSeparator:
        return fail(err, "Datei " + inQuotes(fileName) + ", Zeile " + std::to_string(record.line > 0 ? record.line : 1)
                             + ": in der Kopfzeile steht kein Trennzeichen (Semikolon, Komma oder Tabulator).");
    case CsvReader::Header::Read: break;
    }
    if (!record.problem.empty())
        return fail(err, "Datei " + inQuotes(fileName) + ", Zeile " + std::to_string(record.line) + ": Kopfzeile: "
                             + record.problem + ".");
    std::string missing;
    const StaffColumns columns = findColumns(record.fields, missing);
    if (!missing.empty())
        return fail(err, "Datei " + inQuotes(fileName) + ", Zeile " + std::to_string(record.line) + ": die Spalte "
                             + inQuotes(missing) + " fehlt in der Kopfzeile.");
    const int headerLine = record.line;

    const Date today = o.today ? *o.today : SystemClock{}.today();
    StaffListComputer computer{today};
    std::optional<YearReport> report;
    if (o.report)
        report.emplace(*o.report, o.year);
    PrintableTable table;
    CsvSink csv{streams.out, o.pdf ? std::string{} : o.output};
    if (!o.pdf) {
        if (const std::string e = csv.open(); !e.empty())
            return fail(err, e);
        csv.text().append(utf8ByteOrderMark);
        if (report)
            appendCsvLine(csv.text(), report->header());
        else
            appendCsvLine(csv.text(), resultHeader);
    }

    StaffRow row;
    ResultLine line;
    std::size_t rows = 0;
    std::vector<std::string> uncomputed;
    Progress progress{err, streams.errIsTerminal, totalBytes};
    while (reader.next(record)) {
        readStaffRow(columns, record.fields, record.line, record.problem, o.referenceDate, row);
        const bool computed = computer.compute(row, line);
        ++rows;
        if (!computed)
            uncomputed.push_back(withoutLinePrefix(line[colNotes], row.line) + " (Zeile " + std::to_string(row.line)
                                 + ": " + row.personnelNumber + " " + row.name + ", " + row.firstName + ")");
        if (report) {
            if (computed)
                report->add(line);
        } else if (o.pdf) {
            table.rows.push_back(printedRow(line));
            table.rowNotes.push_back(line[colNotes]);
        } else {
            appendCsvLine(csv.text(), line);
            csv.flushIfFull();
        }
        progress.row(rows, reader.bytesRead());
    }
    progress.done(rows);

    if (reader.readWindows1252())
        err << "tarvolin --list: Hinweis: " << inQuotes(fileName)
            << " ist nicht durchweg gültiges UTF-8; die Zeilen, die es nicht sind, wurden als Windows-1252 gelesen.\n";
    if (rows == 0)
        err << "tarvolin --list: Hinweis: " << inQuotes(fileName) << " enthält nach der Kopfzeile (Zeile " << headerLine
            << ") keine Zeilen.\n";

    if (report) {
        const auto lines = report->sortedLines();
        if (o.pdf) {
            table.title = report->title();
            for (std::string_view h : report->header())
                table.columns.emplace_back(h);
            table.rows = lines;
        } else {
            for (const auto& l : lines)
                appendCsvLine(csv.text(), l);
        }
    } else if (o.pdf) {
        table.title = "Personalliste";
        table.columns = printedHeader();
    }
    if (o.pdf) {
        table.subtitles = {referenceDateLine(o, today), "Erstellt am " + germanDateText(today) + " aus "
                                                             + inQuotes(fileName) + " (" + std::to_string(rows)
                                                             + " Zeilen)"};
        if (const std::string e = writePdf(table, o.output); !e.empty())
            return fail(err, e);
    } else if (const std::string e = csv.finish(); !e.empty()) {
        return fail(err, e);
    }

    if (!uncomputed.empty()) {
        err << "tarvolin --list: " << uncomputed.size() << (uncomputed.size() == 1 ? " Zeile konnte" : " Zeilen konnten")
            << " nicht berechnet werden" << (report ? " und fehlen im Bericht" : " (Grund in der Spalte Hinweise)")
            << ":\n";
        for (const std::string& u : uncomputed)
            err << "  " << u << "\n";
        return listWithUncomputedRows;
    }
    return listComplete;
}


} // namespace tarvolin
