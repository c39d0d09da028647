#pragma once
// A staff table's file opened for reading: the file (or standard input) as
// CSV, .xlsx or .ods, whichever its first bytes show, with its header record
// read, ready for the records to be read one at a time; and, once they are,
// whether they were read whole. What the header's columns mean is the
// computation's business (computation/list_input.h).

#include "stafflist/tables/table_reader.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace tarvolin {

class ZipArchive;

struct TableFileOptions {
    std::string sheet; // of a workbook; empty: the first
    // A workbook's sheet is read once to its end before its rows are handed
    // on, so that a broken or bomb-like archive, or a sheet that fails on a
    // later row, is refused before a single row is handed on: for output
    // that cannot be taken back (standard output). A file written through a
    // SafeFile is simply not put in place.
    bool checkArchiveFirst = true;
};

class TableFile {
public:
    TableFile();
    ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    // Opens `input` ("-" reads `standardInput`) and reads its header record.
    // Empty text, or what is wrong, in German, naming the file and the line:
    // "Datei „x.csv“, Zeile 1: die Datei ist leer, es fehlt die Kopfzeile."
    std::string open(const std::string& input, std::istream& standardInput, const TableFileOptions& options = {});

    // The file as messages name it: its path as given, or "Standardeingabe".
    const std::string& fileName() const { return fileName_; }
    // "Datei „x.csv“", as messages begin.
    std::string fileInMessages() const;
    // The size of what the reader reads, for its bytesRead(); 0 when unknown.
    std::uintmax_t totalBytes() const { return totalBytes_; }
    std::int64_t headerLine() const { return headerLine_; }
    const std::vector<std::string>& header() const { return header_; }
    TableReader& reader() { return *reader_; }
    // Once the rows are read: why they are no complete list, as a German
    // sentence naming the file, else "". The file changed while it was read
    // (it was written to, truncated or replaced: its size, time or identity
    // are not what they were when it was opened, or fewer bytes of a CSV
    // were read than it had), or the reader failed (a broken archive, a
    // bound passed). Standard input is taken as it comes.
    std::string readingFailure() const;

private:
    std::string openCsv(std::istream& in, const std::string& file);
    std::string openSheet(const std::string& file, const TableFileOptions& options);

    std::string fileName_;
    std::unique_ptr<std::istream> file_;
    std::unique_ptr<std::streambuf> prefixed_;
    std::unique_ptr<std::istream> prefixedStream_;
    std::unique_ptr<ZipArchive> archive_;
    std::uintmax_t totalBytes_ = 0;
    std::string path_; // empty for standard input
    struct Identity {
        std::uintmax_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        friend bool operator==(const Identity&, const Identity&) = default;
    };
    Identity opened_;
    static Identity identityOf(const std::string& path);
    std::string changedWhileRead() const;
    bool csv_ = false; // read as text, byte by byte to its end
    std::int64_t headerLine_ = 0;
    std::vector<std::string> header_;
    std::unique_ptr<TableReader> reader_;
};

} // namespace tarvolin
