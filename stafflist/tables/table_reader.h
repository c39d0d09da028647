#pragma once
// What reads a staff table record by record, whatever the file kind (CSV,
// .xlsx, .ods): the first record it gives is the header.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvolin {

struct TableRecord {
    std::int64_t line = 0;           // the record's first line (CSV) or row (spreadsheet), counting from 1
    std::vector<std::string> fields; // UTF-8
    std::string problem;             // what makes the record unusable, in German; empty when nothing
    std::vector<std::string> notes;  // what the row's notes should say about single cells (error values)
};

class TableReader {
public:
    virtual ~TableReader() = default;
    // The next record; false at the end of the table. Empty records are skipped.
    virtual bool next(TableRecord& record) = 0;
    // How much of the table has been read, in the unit of ListInput::totalBytes().
    virtual std::size_t bytesRead() const = 0;
    // Whether any text was read as Windows-1252.
    virtual bool readWindows1252() const { return false; }
    // What went wrong with the file after the header (a broken archive, a
    // bound passed), in German; empty when nothing. The rows read up to
    // then are no complete list.
    virtual std::string failure() const { return {}; }
};

} // namespace tarvolin
