// The small rules behind spreadsheet cells: which number formats show a
// date, which column a cell reference names and back.

#include "stafflist/tables/sheet_rows.h"
#include "stafflist/tables/xlsx_parts.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

struct FormatCase {
    const char* code;
    bool date;
};

TEST(SheetValues, DateFormatsAreTheOnesWithDaysOrYears)
{
    for (const FormatCase c : {FormatCase{"dd/mm/yyyy", true}, {"DD.MM.YYYY", true}, {"[$-407]d. mmmm yyyy", true},
                               {"TT.MM.JJJJ", true}, {"yyyy-mm-dd hh:mm", true}, {"0", false}, {"00000", false},
                               {"#,##0.00 \"Tage\"", false}, {"\"day\" 0", false}, {"[Red]0.00", false},
                               {"h:mm:ss", false}, {"mm:ss", false}, {"0;[Red]-0;\"d\"", false}, {"General", false},
                               {"\\d 0", false}})
        EXPECT_EQ(isDateFormat(c.code), c.date) << c.code;
}

TEST(SheetValues, CellReferencesAndTheirNames)
{
    struct Reference {
        const char* text;
        std::optional<std::size_t> column;
    };
    for (const Reference r : {Reference{"A1", 0}, {"Z9", 25}, {"AA10", 26}, {"AZ1", 51}, {"XFD1048576", 16383},
                              {"b7", 1}, {"1A", std::nullopt}, {"", std::nullopt}, {"ABCD1", std::nullopt}})
        EXPECT_EQ(columnOf(r.text), r.column) << r.text;
    for (std::size_t column : {0u, 25u, 26u, 701u, 702u, 16383u})
        EXPECT_EQ(columnOf(cellName(column, 3)), column) << cellName(column, 3);
    EXPECT_EQ(cellName(27, 5), "AB5");
}

} // namespace
} // namespace tarvolin
