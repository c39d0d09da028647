#pragma once
// The parts of an .xlsx workbook that say how to read its sheet: where the
// sheets are, which cell formats are dates, the shared strings.

#include "stafflist/tables/packed_texts.h"
#include "stafflist/tables/shared_strings.h"
#include "stafflist/tables/zip_archive.h"

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

// Each returns false with a German `problem` when its part cannot be read.
bool readXlsxWorkbook(const ZipArchive& archive, XlsxWorkbook& workbook, std::string& problem);
bool readXlsxFormats(const ZipArchive& archive, const std::string& part, std::vector<XlsxFormat>& formats,
                     std::string& problem);
// The texts `strings` keeps (shared_strings.h); it reads no further once it
// keeps no more (SharedStrings::tooMany).
bool readSharedStrings(const ZipArchive& archive, const std::string& part, SharedStrings& strings, std::string& problem);

// Whether a number format code shows a date ("TT.MM.JJJJ" is stored as "dd/mm/yyyy").
bool isDateFormat(std::string_view code);

} // namespace tarvolin
