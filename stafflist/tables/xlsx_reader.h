#pragma once
// An Excel workbook (.xlsx, Office Open XML) read as a staff table: the first
// sheet, or the one named; its rows streamed from the sheet's XML. Cells as
// the spreadsheet shows them: shared and inline strings as text (leading
// zeros kept), numbers as numbers (a format of zeros such as "00000" keeps
// its width), cells with a date format as TT.MM.JJJJ (serial numbers of the
// 1900 system with Excel's 29 February 1900, or of the 1904 system), the
// cached value of a formula, TRUE and FALSE as "ja" and "nein", and an
// error value (#NV, #WERT!) as an empty cell with a note.

#include "stafflist/tables/sheet_rows.h"

#include <memory>
#include <string>

namespace tarvolin {

class ZipArchive;

// Opens the sheet (`sheet` empty: the first one). Nothing, with `problem`
// in German, when the workbook cannot be read.
// `checkFirst`: the sheet is read once to its end first (readsToItsEnd).
std::unique_ptr<StreamedSheet> openXlsxSheet(const ZipArchive& archive, const std::string& sheet, bool checkFirst,
                                            std::string& problem);

} // namespace tarvolin
