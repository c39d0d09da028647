#pragma once
// The result table as an Excel workbook, written with libxlsxwriter (Debian's
// libxlsxwriter: a toolkit-free C library that writes rows as they come, in
// its constant-memory mode, so that a list of any length needs no more
// memory than one row). One sheet: a bold header row that stays in view,
// an autofilter over the table, days as date cells shown TT.MM.JJJJ,
// counts as numbers, everything else as text (never a formula), each column
// as wide as its longest cell (up to 60 characters). Every text is one the
// file can hold (xlsx_cell_text.h): a character XML forbids becomes "�", a
// text longer than a cell holds is cut, and a note names the cell; the
// workbook is written all the same.

#include "output/safe_file.h"
#include "stafflist/computation/staff_result.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace tarvolin {

// The most rows one sheet holds, the header row included.
inline constexpr std::uint32_t sheetRows = 1'048'576;

class XlsxTableWriter {
public:
    // Starts the workbook at `path`, a new file that the caller puts in place.
    // `streamed`: rows go out as they come, texts inline; else the workbook
    // is held in memory and texts are shared, as Excel writes them.
    XlsxTableWriter(const std::string& path, const std::string& sheetName, bool streamed = true);
    ~XlsxTableWriter();
    XlsxTableWriter(const XlsxTableWriter&) = delete;
    XlsxTableWriter& operator=(const XlsxTableWriter&) = delete;

    void header(const std::vector<std::string_view>& heads);
    // One row; its cells in the order of the header.
    void row(const std::vector<ResultCell>& cells)
    {
        std::uint16_t column = 0;
        for (const ResultCell& c : cells)
            cell(column++, c);
        ++row_;
    }
    // Closes the workbook. Empty text, or what failed, in German.
    std::string finish();
    // What was changed so that a text fits into the file, one sentence per
    // cell: "Zelle C5 (Zeile 5, Spalte C): ...". At most a hundred, then
    // how many more.
    std::vector<std::string> notes() const;

private:
    void cell(std::uint16_t column, const ResultCell& cell);
    void widen(std::uint16_t column, std::size_t characters);
    // The text as the file can hold it; a note when it had to change.
    std::string writable(std::uint16_t column, std::string_view text);

    std::string path_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* date_ = nullptr;
    std::vector<std::size_t> widths_;
    std::uint32_t row_ = 0;
    bool tooManyRows_ = false;
    int error_ = 0;
    std::vector<std::string> notes_;
    std::size_t notesLeftOut_ = 0;
};

// A workbook that appears under its name only when it is complete: written
// by the XlsxTableWriter into a SafeFile's temporary file and put in place
// by commit(); given up on, nothing of it stays. A target its owner may not
// write (made read-only on purpose) is not replaced.
class SafeWorkbook {
public:
    SafeWorkbook(const std::string& target, const std::string& sheetName);
    // Why the file cannot be written; empty when it can.
    std::string problem() const;
    // Only when there is no problem.
    XlsxTableWriter& writer() { return *writer_; }
    // Closes the workbook and puts it in place. Empty text, or what failed.
    std::string commit();
    // What the writer changed in texts to write them (XlsxTableWriter::notes).
    std::vector<std::string> notes() const { return writer_ ? writer_->notes() : std::vector<std::string>{}; }

private:
    std::string target_;
    SafeFile file_;
    std::unique_ptr<XlsxTableWriter> writer_;
};

} // namespace tarvolin
