#pragma once
// A staff table opened for the list: the file (or standard input) open, its
// header read and its columns found, ready for the rows to be read one at a
// time. The command and the window open tables this one way, so that both
// refuse the same files with the same words.

#include "stafflist/csv_reader.h"
#include "stafflist/staff_table.h"

#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <string>

namespace tarvolin {

class ListInput {
public:
    ListInput() = default;
    ListInput(const ListInput&) = delete;
    ListInput& operator=(const ListInput&) = delete;

    // Opens `input` ("-" reads `standardInput`) and reads its header. Empty
    // text, or what is wrong, in German, naming the file and the line:
    // "Datei „x.csv“, Zeile 1: die Datei ist leer, es fehlt die Kopfzeile."
    std::string open(const std::string& input, std::istream& standardInput);

    // The file as messages name it: its path as given, or "Standardeingabe".
    const std::string& fileName() const { return fileName_; }
    // The file's size in bytes; 0 for standard input or what is no plain file.
    std::uintmax_t totalBytes() const { return totalBytes_; }
    std::int64_t headerLine() const { return headerLine_; }
    const ColumnMap& columns() const { return columns_; }
    CsvReader& reader() { return *reader_; }
    // Whether the file changed while it was read (it was written to,
    // truncated, or replaced: its size, time or identity are not what they
    // were when it was opened, or fewer bytes were read than it had): the
    // German sentence then, else "". Standard input is taken as it comes.
    std::string changedWhileRead() const;

private:
    std::string fileName_;
    std::ifstream file_;
    std::uintmax_t totalBytes_ = 0;
    std::string path_; // empty for standard input
    struct Identity {
        std::uintmax_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        friend bool operator==(const Identity&, const Identity&) = default;
    };
    Identity opened_;
    static Identity identityOf(const std::string& path);
    std::int64_t headerLine_ = 0;
    ColumnMap columns_;
    std::optional<CsvReader> reader_;
};

} // namespace tarvolin
