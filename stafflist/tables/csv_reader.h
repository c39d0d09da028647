#pragma once
// Reads a table as spreadsheets and HR systems export it, one record at a
// time, so that a table of any length needs no more memory than its longest
// record. The first line is the header; the separator (";", "," or TAB) is the
// one that occurs most often in it outside quotes. Fields may be quoted with
// '"' (a '"' inside doubled, line breaks inside allowed). Lines end with LF,
// CR LF or a lone CR. A UTF-8 byte-order mark is skipped. Texts come out as
// UTF-8: a line that is valid UTF-8 is read as such, any other as
// Windows-1252. A table saved as Windows-1252 is so read as a whole (a line
// of it that holds any letter beyond ASCII is never valid UTF-8: "M\xFCller"),
// and a table whose header was written as UTF-8 and whose rows were added as
// Windows-1252 still has its header and its rows right.
//
// A line longer than 1 MiB is cut there, and its record carries a problem
// that says so; a quoted field may run over lines for at most 1 MiB. So the
// memory a record needs stays bounded whatever the file holds.
//
// This knows nothing of the staff table's columns.

#include "stafflist/tables/table_reader.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvolin {

bool isValidUtf8(std::string_view bytes);

class CsvReader final : public TableReader {
public:
    enum class Header {
        Read,
        Empty,
        NoSeparator,
        Utf16,              // with or without its byte-order mark
        Utf32,
        DoubleByteOrderMark, // a second UTF-8 mark would hide the first column's name
        UnclosedQuote,       // a quote in the header that is never closed
    };

    explicit CsvReader(std::istream& in);

    // Reads the header record. Only then the separator is known.
    Header readHeader(TableRecord& header);
    // The next record; false at the end of the input. Blank lines are skipped.
    // A record's problem is what is wrong with its quotes, or that a line of
    // it was cut.
    bool next(TableRecord& record) override;

    char separator() const { return separator_; }
    bool readWindows1252() const override { return windows1252_; }
    // Bytes read so far, for a progress display.
    std::size_t bytesRead() const override { return bytesRead_; }

private:
    bool rawLine(std::string& line);
    bool nextLine(std::string& text, std::int64_t& number);
    void parseRecord(std::string first, std::int64_t number, TableRecord& record);
    Header encodingOfStart() const;
    std::size_t parseField(const std::string& text, std::size_t at, std::string& field, bool& open, std::string& problem);

    std::istream& in_;
    bool windows1252_ = false;
    char separator_ = ';';
    std::int64_t lineNumber_ = 0;
    std::size_t bytesRead_ = 0;
    std::vector<char> buffer_;
    std::size_t bufferAt_ = 0;
    std::size_t bufferEnd_ = 0;
    bool pendingCr_ = false;
    bool lineCut_ = false; // a line of the record being read was too long
    bool atEnd_ = false;
    // Lines read ahead while a quote stayed open to the end of the input; they
    // are read again as records of their own.
    std::deque<std::pair<std::int64_t, std::string>> readAgain_;
};

} // namespace tarvolin
