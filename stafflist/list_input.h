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
    int headerLine() const { return headerLine_; }
    const ColumnMap& columns() const { return columns_; }
    CsvReader& reader() { return *reader_; }

private:
    std::string fileName_;
    std::ifstream file_;
    std::uintmax_t totalBytes_ = 0;
    int headerLine_ = 0;
    ColumnMap columns_;
    std::optional<CsvReader> reader_;
};

} // namespace tarvolin
