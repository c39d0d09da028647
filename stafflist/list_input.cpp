#include "stafflist/list_input.h"

#include "calc/german_quotes.h"
#include "output/system_reason.h"
#include "stafflist/visible_text.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <system_error>

namespace tarvolin {

ListInput::Identity ListInput::identityOf(const std::string& path)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino),
            static_cast<std::uintmax_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

std::string ListInput::changedWhileRead() const
{
    if (path_.empty())
        return {};
    const Identity now = identityOf(path_);
    const bool regular = std::filesystem::is_regular_file(path_);
    if (now == opened_ && (!regular || reader_->bytesRead() == opened_.size))
        return {};
    return "Datei " + inQuotes(fileName_) + " hat sich während des Lesens geändert (Größe, Änderungszeit oder die "
           "Datei selbst); die Liste wurde deshalb nicht geschrieben. Bitte erneut starten, wenn die Datei fertig "
           "gespeichert ist.";
}

std::string ListInput::open(const std::string& input, std::istream& standardInput)
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
        file_.open(input, std::ios::binary);
        if (!file_)
            return file + " kann nicht gelesen werden.";
        path_ = input;
        opened_ = identityOf(input);
        if (std::filesystem::is_regular_file(input, ec))
            totalBytes_ = std::filesystem::file_size(input, ec);
    }
    reader_.emplace(fromStandardInput ? standardInput : static_cast<std::istream&>(file_));

    CsvRecord record;
    switch (reader_->readHeader(record)) {
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
    std::string problem;
    columns_ = findColumns(record.fields, problem);
    if (!problem.empty())
        return file + ", Zeile " + std::to_string(record.line) + ": " + problem + ".";
    headerLine_ = record.line;
    return {};
}

} // namespace tarvolin
