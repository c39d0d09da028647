#pragma once
// A table as it goes onto paper: a title, lines under it, the column heads
// and the rows, each row optionally followed by a note across the whole
// width. The staff list fills it; a toolkit lays it out on pages.

#include "stafflist/command/row_spool.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarvolin {

struct PrintableTable {
    std::string title;
    std::vector<std::string> subtitles;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> rowNotes; // empty, or one per row ("" for none)
    // The rows of a long list, kept on disk instead of in `rows` (which is
    // then empty): shared by the copies of the table.
    std::shared_ptr<RowSpool> spooled;

    std::size_t rowCount() const { return spooled ? spooled->size() : rows.size(); }
    // Each row in order with its note; false when spooled rows could not be
    // read back (spooled->error() says why).
    bool forEachRow(const RowSpool::Visit& visit) const
    {
        if (spooled)
            return spooled->forEach(visit);
        static const std::string none;
        for (std::size_t r = 0; r < rows.size(); ++r)
            visit(r, rows[r], r < rowNotes.size() ? rowNotes[r] : none);
        return true;
    }
};

// Writes the table as a PDF file; returns an empty text, or what failed, in German.
using PdfWriter = std::function<std::string(const PrintableTable& table, const std::string& path)>;

} // namespace tarvolin
