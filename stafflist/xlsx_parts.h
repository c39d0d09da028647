#pragma once
// The parts of an .xlsx workbook that say how to read its sheet: where the
// sheets are, which cell formats are dates, the shared strings.

#include "stafflist/zip_archive.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tarvolin {

struct XlsxSheetEntry {
    std::string name;
    std::string part; // "xl/worksheets/sheet1.xml"
};

struct XlsxWorkbook {
    std::vector<XlsxSheetEntry> sheets; // in the workbook's order
    std::string stylesPart, sharedStringsPart;
    bool date1904 = false;
};

// How a cell format shows a number.
struct XlsxFormat {
    bool date = false;
    int zeroWidth = 0; // a format "00000": the number shown with 5 digits
};

// Texts one after the other in one buffer.
class SharedStrings {
public:
    void add(std::string_view text);
    std::size_t size() const { return ends_.size(); }
    std::string_view operator[](std::size_t i) const;

private:
    std::string bytes_;
    std::vector<std::size_t> ends_;
};

// Each returns false with a German `problem` when its part cannot be read.
bool readXlsxWorkbook(const ZipArchive& archive, XlsxWorkbook& workbook, std::string& problem);
bool readXlsxFormats(const ZipArchive& archive, const std::string& part, std::vector<XlsxFormat>& formats,
                     std::string& problem);
bool readSharedStrings(const ZipArchive& archive, const std::string& part, SharedStrings& strings, std::string& problem);

// Whether a number format code shows a date ("TT.MM.JJJJ" is stored as "dd/mm/yyyy").
bool isDateFormat(std::string_view code);

} // namespace tarvolin
