#include "stafflist/list_command.h"

#include "calc/clock.h"
#include "calc/date_text.h"
#include "stafflist/csv_reader.h"
#include "stafflist/csv_writer.h"
#include "stafflist/staff_list.h"
#include "stafflist/year_reports.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace tarvolin {

namespace {

constexpr std::string_view usage =
    "Aufruf: tarvolin --list DATEI [--reference-date TT.MM.JJJJ] [--today TT.MM.JJJJ]\n"
    "                       [--anniversaries JJJJ | --retirements JJJJ] [--output NAME.csv|NAME.pdf]\n"
    "        (DATEI \"-\" liest die Standardeingabe; tarvolin --help erklärt alles)\n";

constexpr std::size_t progressFrom = 1000;
constexpr std::size_t flushAt = 1 << 16;

struct Options {
    std::string input;
    std::optional<Date> referenceDate;
    std::optional<Date> today;
    std::optional<ReportKind> report;
    int year = 0;
    std::string output;
    bool pdf = false;
};

std::string inQuotes(std::string_view text) { return "„" + std::string{text} + "“"; }

std::optional<int> yearOf(std::string_view text)
{
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoi(std::string{text});
}

bool endsWithCaseless(std::string_view text, std::string_view end)
{
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    return true;
}

// The options; an empty `error` when they are understood.
Options parseOptions(const std::vector<std::string>& args, std::string& error)
{
    Options o;
    bool haveInput = false;
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const bool takesValue = name == "--reference-date" || name == "--today" || name == "--anniversaries"
                                || name == "--retirements" || name == "--output";
        if (!takesValue) {
            if (name.starts_with("--") || haveInput) {
                error = haveInput && !name.starts_with("--") ? "mehr als eine Eingabedatei: " + inQuotes(name)
                                                              : "unbekannte Option " + inQuotes(name);
                break;
            }
            o.input = name;
            haveInput = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = "bei " + name + " fehlt der Wert";
                break;
            }
            value = args[++i];
        }
        if (name == "--reference-date" || name == "--today") {
            const auto day = parseTableDate(*value);
            if (!day)
                error = name + " " + inQuotes(*value) + " ist kein Datum (TT.MM.JJJJ)";
            (name == "--today" ? o.today : o.referenceDate) = day;
        } else if (name == "--anniversaries" || name == "--retirements") {
            const auto year = yearOf(*value);
            if (o.report)
                error = "--anniversaries und --retirements schließen einander aus; nur ein Bericht je Aufruf";
            else if (!year)
                error = name + " " + inQuotes(*value) + " ist keine Jahreszahl (JJJJ)";
            o.report = name == "--anniversaries" ? ReportKind::Anniversaries : ReportKind::Retirements;
            o.year = year.value_or(0);
        } else {
            o.output = *value;
            o.pdf = endsWithCaseless(o.output, ".pdf");
            if (!o.pdf && !endsWithCaseless(o.output, ".csv"))
                error = "--output " + inQuotes(o.output) + ": der Name muss auf .csv oder .pdf enden";
        }
    }
    if (error.empty() && !haveInput)
        error = "die Eingabedatei fehlt";
    return o;
}

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

std::string referenceDateLine(const Options& o, Date today)
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
    const Options o = parseOptions(args, error);
    if (!error.empty()) {
        err << "tarvolin --list: " << error << "\n" << usage;
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

std::string programHelp()
{
    return "Tarvolin: Jubiläumsdienstalter, Beschäftigungszeit und Kündigungsfristen\n"
           "\n"
           "  tarvolin\n"
           "      öffnet das Fenster. Der Fall wird beim Schließen in jda.txt im Arbeitsordner gespeichert\n"
           "      und beim nächsten Start wiederhergestellt.\n"
           "\n"
           "  tarvolin --script DATEI\n"
           "      führt das Fenster ohne Bildschirm nach einem Skript aus (DATEI \"-\": Standardeingabe)\n"
           "      und schreibt, was das Fenster zeigt, auf die Standardausgabe. Exit-Status 0, oder 2 bei\n"
           "      einer unverständlichen Zeile.\n"
           "\n"
           "  tarvolin --list DATEI [Optionen]\n"
           "      berechnet jede Zeile einer Personaltabelle (CSV mit Kopfzeile; Trennzeichen ; , oder\n"
           "      Tabulator; UTF-8 oder Windows-1252) genau so, wie das Fenster sie berechnet, wenn man den\n"
           "      Fall dort eintippt. jda.txt wird weder gelesen noch geschrieben. DATEI \"-\": Standardeingabe.\n"
           "      Spalten (Reihenfolge beliebig, Groß-/Kleinschreibung egal): Personalnummer, Name, Vorname,\n"
           "      Geburtstag und Dienstbezüge ab (Pflicht), Stichtag, Ruhestandsalter (66/2 oder 66),\n"
           "      Vorzeit k von, Vorzeit k bis, Vorzeit k öD, Vorzeit k Bezeichnung (k = 1 bis 14).\n"
           "      Datumsangaben als TT.MM.JJJJ, T.M.JJJJ, TT/MM/JJJJ oder JJJJ-MM-TT.\n"
           "\n"
           "      --reference-date TT.MM.JJJJ   Stichtag für Zeilen ohne eigenen (sonst: heute)\n"
           "      --today TT.MM.JJJJ            das Tagesdatum, mit dem gerechnet wird (sonst das echte)\n"
           "      --anniversaries JJJJ          statt der Liste: die im Jahr erreichten 25-, 40- und\n"
           "                                    50-jährigen Dienstjubiläen, nach Datum\n"
           "      --retirements JJJJ            statt der Liste: wer im Jahr die Altersgrenze erreicht\n"
           "      --output NAME.csv|NAME.pdf    in eine Datei (PDF: A4 quer, druckfertig); sonst CSV\n"
           "                                    auf die Standardausgabe\n"
           "\n"
           "      Exit-Status: 0 alle Zeilen berechnet; 1 einige Zeilen nicht berechenbar (sie stehen mit\n"
           "      dem Grund in der Spalte Hinweise, bei Berichten auf der Standardfehlerausgabe); 2 Aufruf\n"
           "      falsch, Datei nicht lesbar oder ohne brauchbare Kopfzeile (nichts wird geschrieben).\n"
           "\n"
           "  tarvolin --help\n"
           "      zeigt diese Hilfe.\n";
}

} // namespace tarvolin
