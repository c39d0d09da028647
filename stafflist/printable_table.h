#pragma once
// A table as it goes onto paper: a title, lines under it, the column heads
// and the rows, each row optionally followed by a note across the whole
// width. The staff list fills it; a toolkit lays it out on pages.

#include <functional>
#include <string>
#include <vector>

namespace tarvolin {

struct PrintableTable {
    std::string title;
    std::vector<std::string> subtitles;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> rowNotes; // empty, or one per row ("" for none)
};

// Writes the table as a PDF file; returns an empty text, or what failed, in German.
using PdfWriter = std::function<std::string(const PrintableTable& table, const std::string& path)>;

} // namespace tarvolin
