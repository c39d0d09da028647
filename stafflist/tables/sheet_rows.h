#pragma once
// The rows of a spreadsheet's sheet as they stream out of its XML: a row's
// cells by column, gaps filled with empty fields, rows without any value
// skipped, the finished rows queued for the reader. And the reader that
// pumps a sheet's XML part through an XmlFeed until a row is ready.
//
// Bounds, so that no file takes more memory than the cells it fills: a
// row has at most 16,384 columns and a sheet 1,048,576 rows (the most a
// spreadsheet has); a cell holds at most 1 MB of text and a row 16 MB; a
// table at most 50 million cells with a value and 1 GB of text in them,
// repeated cells and rows counted as often as they stand for; a row repeats
// at most 100,000 times; a million empty cells in a row without any value
// between them end the reading (whole columns or rows formatted down to the
// sheet's end, which only make the reading slow). Repetition is counted,
// never spelled out: a repeated row is held once, with its count, and
// handed on one copy at a time; repeated empty cells cost nothing. The
// reader pauses the XML after each row, so that it never holds more than
// the row it builds and the one it hands on.

#include "stafflist/tables/table_reader.h"
#include "stafflist/tables/xml_feed.h"
#include "stafflist/tables/zip_archive.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr std::size_t sheetColumns = 16384;
inline constexpr std::int64_t sheetRowCount = 1'048'576;
inline constexpr std::size_t longestCell = 1 << 20;
inline constexpr std::size_t longestRow = 16 << 20;
inline constexpr std::uint64_t mostFilledCells = 50'000'000;
inline constexpr std::uint64_t mostTableText = std::uint64_t{1} << 30;
inline constexpr std::uint64_t mostRowRepeats = 100'000;
inline constexpr std::uint64_t emptyCellsInARow = 1'000'000;

class SheetRows {
public:
    void beginRow(std::int64_t number);
    // A cell with a value; `column` from 0.
    void cell(std::size_t column, std::string text);
    void emptyCells(std::uint64_t count);
    void note(std::string text) { row_.notes.push_back(std::move(text)); }
    // Ends the row; `repeated` rows alike (a spreadsheet may store them once).
    void endRow(std::uint64_t repeated = 1);

    // The first thing wrong with the sheet, in German; empty when nothing.
    const std::string& problem() const { return problem_; }
    void fail(std::string problem);

    // Called when a row is ready or the sheet has failed: the reader pauses
    // the parse there.
    std::function<void()> rowDone;
    bool hasReady() const { return !ready_.empty(); }
    // The next row ready, if there is one.
    bool take(TableRecord& record);
    void dropReady() { ready_.clear(); }

private:
    struct Ready {
        TableRecord row;
        std::uint64_t count = 1; // the row and the rows repeating it
    };
    TableRecord row_;
    bool hasValue_ = false;
    std::uint64_t emptyRun_ = 0;
    std::uint64_t rowCells_ = 0, rowText_ = 0;
    std::uint64_t tableCells_ = 0, tableText_ = 0;
    std::deque<Ready> ready_;
    std::string problem_;
};

// "C5" for column 2 (from 0) and row 5.
std::string cellName(std::size_t column, std::int64_t row);
// The column of a cell reference "AB12", from 0; nothing when it has none.
std::optional<std::size_t> columnOf(std::string_view reference);

// Reads a sheet's XML part row by row.
class StreamedSheet : public TableReader {
public:
    bool next(TableRecord& record) override;
    std::size_t bytesRead() const override { return static_cast<std::size_t>(stream_->bytesRead()); }
    std::uint64_t size() const { return stream_->size(); }
    std::string failure() const override { return failure_; }

protected:
    // `part` names the sheet's part in messages.
    StreamedSheet(std::unique_ptr<ZipEntryStream> stream, std::string part);
    // The handler that turns the XML into rows(); set by the subclass.
    void feedTo(XmlHandler& handler) { feed_ = std::make_unique<XmlFeed>(handler); }
    SheetRows& rows() { return rows_; }
    // The handler has all it wants (the end of the sheet).
    void finish() { done_ = true; }

private:
    bool pump();

    std::unique_ptr<ZipEntryStream> stream_;
    std::string part_;
    std::unique_ptr<XmlFeed> feed_;
    SheetRows rows_;
    bool done_ = false;
    bool ended_ = false; // the stream's end was fed
    std::string failure_;
    std::unique_ptr<char[]> block_; // what the feed parses; it stays while the parse pauses
};

// Reads a sheet to its end, handing nothing on: for output that cannot be
// taken back (standard output), so that a sheet that fails on a later row
// (a bound passed, a row number that is none, a broken archive) is refused
// before its first row is written. False with the reader's failure.
bool readsToItsEnd(StreamedSheet& sheet, std::string& problem);

// A spreadsheet's date as the table writes dates: TT.MM.JJJJ.
std::string dottedDate(int year, unsigned month, unsigned day);
// ISO 8601 "1955-03-10" or "1955-03-10T00:00:00" as TT.MM.JJJJ; anything
// else as it stands.
std::string isoDateText(std::string_view text);

} // namespace tarvolin
