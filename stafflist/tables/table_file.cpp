#include "stafflist/tables/table_file.h"

#include "calc/german_quotes.h"
#include "output/system_reason.h"
#include "stafflist/tables/csv_reader.h"
#include "stafflist/tables/file_kind.h"
#include "stafflist/tables/ods_reader.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/tables/visible_text.h"
#include "stafflist/tables/xlsx_reader.h"
#include "stafflist/tables/zip_archive.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <system_error>

namespace tarvolin {

namespace {

// A workbook on standard input is read whole first (a ZIP archive is read
// from its end); at most this much.
constexpr std::size_t largestWorkbookOnInput = std::size_t{1} << 30;
// Enough of a compound file to find the names of its streams.
constexpr std::size_t compoundBytesLooked = std::size_t{64} << 20;

// The bytes already read to tell the file's kind, then the rest of the stream.
class PrefixedBuffer final : public std::streambuf {
public:
    PrefixedBuffer(std::string prefix, std::streambuf* rest) : prefix_{std::move(prefix)}, rest_{rest}
    {
        setg(prefix_.data(), prefix_.data(), prefix_.data() + prefix_.size());
    }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        const std::streamsize n = rest_ == nullptr ? 0 : rest_->sgetn(buffer_, sizeof buffer_);
        if (n <= 0)
            return traits_type::eof();
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string prefix_;
    std::streambuf* rest_;
    char buffer_[1 << 16];
};

std::string readUpTo(std::istream& in, std::string bytes, std::size_t limit, bool& whole)
{
    char buffer[1 << 16];
    while (bytes.size() <= limit) {
        in.read(buffer, sizeof buffer);
        if (in.gcount() <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    whole = bytes.size() <= limit;
    return bytes;
}

} // namespace

TableFile::TableFile() = default;
TableFile::~TableFile() = default;

TableFile::Identity TableFile::identityOf(const std::string& path)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino),
            static_cast<std::uintmax_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

// A workbook is read by its archive's directory, not byte by byte to its
// end: for it the file's identity, size and time tell a change.
std::string TableFile::changedWhileRead() const
{
    if (path_.empty())
        return {};
    const Identity now = identityOf(path_);
    const bool regular = std::filesystem::is_regular_file(path_);
    if (now == opened_ && (!csv_ || !regular || reader_->bytesRead() == opened_.size))
        return {};
    return "Datei " + inQuotes(fileName_) + " hat sich während des Lesens geändert (Größe, Änderungszeit oder die "
           "Datei selbst); die Liste wurde deshalb nicht geschrieben. Bitte erneut starten, wenn die Datei fertig "
           "gespeichert ist.";
}

// A change explains a failure it caused (a workbook cut short), so it is
// named first.
std::string TableFile::readingFailure() const
{
    if (std::string changed = changedWhileRead(); !changed.empty())
        return changed;
    if (const std::string e = reader_ ? reader_->failure() : std::string{}; !e.empty())
        return "Datei " + inQuotes(fileName_) + ": " + e + "; die Liste wurde deshalb nicht geschrieben.";
    return {};
}

std::string TableFile::open(const std::string& input, std::istream& standardInput, const TableFileOptions& options)
{
    const bool fromStandardInput = input == "-";
    fileName_ = fromStandardInput ? std::string{"Standardeingabe"} : visibleText(input);
    const std::string file = "Datei " + inQuotes(fileName_);
    if (!fromStandardInput) {
        std::error_code ec;
        if (std::filesystem::is_directory(input, ec))
            return file + " kann nicht gelesen werden: das ist ein Ordner.";
        // Opened once more to learn why the stream could not be: the German
        // reason, never the C library's English.
        const int fd = ::open(input.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        const int error = fd < 0 ? errno : 0;
        if (fd >= 0)
            ::close(fd);
        if (error != 0)
            return file + " kann nicht gelesen werden (" + systemReason(error) + ").";
        file_ = std::make_unique<std::ifstream>(input, std::ios::binary);
        if (!*file_)
            return file + " kann nicht gelesen werden.";
        path_ = input;
        opened_ = identityOf(input);
        if (std::filesystem::is_regular_file(input, ec))
            totalBytes_ = std::filesystem::file_size(input, ec);
    }
    std::istream& in = fromStandardInput ? standardInput : *file_;
    std::string first(8, '\0');
    in.read(first.data(), static_cast<std::streamsize>(first.size()));
    first.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));

    switch (fileKindOf(first)) {
    case FileKind::Text: {
        csv_ = true;
        prefixed_ = std::make_unique<PrefixedBuffer>(std::move(first), in.rdbuf());
        prefixedStream_ = std::make_unique<std::istream>(prefixed_.get());
        if (std::string e = openCsv(*prefixedStream_, file); !e.empty())
            return e;
        break;
    }
    case FileKind::Compound: {
        bool whole = false;
        return file + ": " + std::string{compoundFileProblem(readUpTo(in, first, compoundBytesLooked, whole))} + ".";
    }
    case FileKind::Zip: {
        archive_ = std::make_unique<ZipArchive>();
        std::string e;
        if (fromStandardInput) {
            bool whole = false;
            std::string bytes = readUpTo(in, first, largestWorkbookOnInput, whole);
            if (!whole)
                return file + ": eine Arbeitsmappe auf der Standardeingabe darf höchstens 1 GiB groß sein.";
            e = archive_->openBytes(std::move(bytes));
        } else {
            file_.reset();
            e = archive_->open(input);
        }
        if (!e.empty())
            return file + " " + e + ".";
        if (e = openSheet(file, options); !e.empty())
            return e;
        break;
    }
    }
    return {};
}

std::string TableFile::fileInMessages() const { return "Datei " + inQuotes(fileName_); }

std::string TableFile::openCsv(std::istream& in, const std::string& file)
{
    auto csv = std::make_unique<CsvReader>(in);
    TableRecord record;
    switch (csv->readHeader(record)) {
    case CsvReader::Header::Empty: return file + ", Zeile 1: die Datei ist leer, es fehlt die Kopfzeile.";
    case CsvReader::Header::Utf16:
        return file + ", Zeile 1: die Datei ist in UTF-16 gespeichert; bitte als CSV (UTF-8 oder Windows-1252) speichern.";
    case CsvReader::Header::Utf32:
        return file + ", Zeile 1: die Datei ist in UTF-32 gespeichert; bitte als CSV (UTF-8 oder Windows-1252) speichern.";
    case CsvReader::Header::DoubleByteOrderMark:
        return file + ", Zeile 1: die Datei beginnt mit zwei UTF-8-Kennungen (Byte-Order-Mark); die zweite verdeckt "
                      "den Namen der ersten Spalte. Bitte die Datei neu als CSV (UTF-8) speichern.";
    case CsvReader::Header::UnclosedQuote:
        return file + ", Zeile " + std::to_string(record.line > 0 ? record.line : 1)
               + ": in der Kopfzeile steht ein Anführungszeichen ohne schließendes Gegenstück.";
    case CsvReader::Header::NoSeparator:
        return file + ", Zeile " + std::to_string(record.line > 0 ? record.line : 1)
               + ": in der Kopfzeile steht kein Trennzeichen (Semikolon, Komma oder Tabulator).";
    case CsvReader::Header::Read: break;
    }
    if (!record.problem.empty())
        return file + ", Zeile " + std::to_string(record.line) + ": Kopfzeile: " + record.problem + ".";
    header_ = std::move(record.fields);
    headerLine_ = record.line;
    reader_ = std::move(csv);
    return {};
}

std::string TableFile::openSheet(const std::string& file, const TableFileOptions& options)
{
    std::string problem;
    std::unique_ptr<StreamedSheet> sheet;
    if (archive_->has("content.xml") || archive_->has("mimetype"))
        sheet = openOdsSheet(*archive_, options.sheet, options.checkArchiveFirst, problem);
    else if (archive_->has("[Content_Types].xml") || archive_->has("xl/workbook.xml"))
        sheet = openXlsxSheet(*archive_, options.sheet, options.checkArchiveFirst, problem);
    else
        problem = "ist ein ZIP-Archiv, aber weder eine Excel-Arbeitsmappe (.xlsx) noch eine OpenDocument-Tabelle (.ods)";
    if (!sheet)
        return file + (problem.starts_with("ist ") ? " " : ": ") + problem + ".";
    totalBytes_ = sheet->size();
    TableRecord record;
    if (!sheet->next(record)) {
        if (const std::string e = sheet->failure(); !e.empty())
            return file + ": " + e + ".";
        return file + ": das Tabellenblatt ist leer, es fehlt die Kopfzeile.";
    }
    header_ = std::move(record.fields);
    headerLine_ = record.line;
    reader_ = std::move(sheet);
    return {};
}

} // namespace tarvolin
