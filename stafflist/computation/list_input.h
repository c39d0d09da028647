#pragma once
// A staff table opened for the list: its file opened (tables/table_file.h)
// and its header's columns found, ready for the rows to be read one at a
// time. The command and the window open tables this one way, so that both
// refuse the same files with the same words.

#include "stafflist/computation/column_mapping.h"
#include "stafflist/computation/staff_table.h"
#include "stafflist/tables/table_file.h"
#include "stafflist/tables/table_reader.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace tarvolin {

struct InputOptions {
    std::string sheet;     // of a workbook; empty: the first
    ColumnMapping mapping; // the clerk's own, over the columns' names
    // See TableFileOptions.
    bool checkArchiveFirst = true;
};

class ListInput {
public:
    // Opens `input` ("-" reads `standardInput`), reads its header and finds
    // its columns. Empty text, or what is wrong, in German, naming the file
    // and the line: "Datei „x.csv“, Zeile 1: die Datei ist leer, es fehlt
    // die Kopfzeile."
    std::string open(const std::string& input, std::istream& standardInput, const InputOptions& options = {});

    const std::string& fileName() const { return file_.fileName(); }
    std::uintmax_t totalBytes() const { return file_.totalBytes(); }
    std::int64_t headerLine() const { return file_.headerLine(); }
    // The header as read (also when its columns were refused).
    const std::vector<std::string>& header() const { return file_.header(); }
    const ColumnMap& columns() const { return columns_; }
    TableReader& reader() { return file_.reader(); }
    std::string readingFailure() const { return file_.readingFailure(); }

private:
    TableFile file_;
    ColumnMap columns_;
};

} // namespace tarvolin
