#pragma once
// A LibreOffice or OpenDocument spreadsheet (.ods) read as a staff table: the
// first table of content.xml, or the one named, streamed row by row. Cells
// as the spreadsheet shows them: text cells as their paragraphs (leading
// zeros kept), numbers as their value (or as shown, when the display is the
// same number with leading zeros), dates (office:date-value) as TT.MM.JJJJ,
// the cached value of a formula, booleans as "ja" and "nein", an error
// result as an empty cell with a note. Repeated rows and cells are
// expanded only where they hold a value.

#include "stafflist/tables/sheet_rows.h"

#include <memory>
#include <string>

namespace tarvolin {

class ZipArchive;

// `checkFirst`: the table is read once to its end first (readsToItsEnd).
std::unique_ptr<StreamedSheet> openOdsSheet(const ZipArchive& archive, const std::string& sheet, bool checkFirst,
                                            std::string& problem);

} // namespace tarvolin
