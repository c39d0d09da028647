// A clerk's column mapping goes through its own text unchanged (the window
// keeps it so).

#include "stafflist/computation/column_mapping.h"
#include "stafflist/computation/input_columns.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(ColumnMapping, GoesThroughItsTextUnchanged)
{
    std::string problem;
    const ColumnMapping mapping = parseColumnMapping(
        "\xEF\xBB\xBF# Kopf\r\ngeb. am = Geb.-Datum\r\n\r\nVorzeit 14 bis = Ende 14\nStichtag = nicht vorhanden\nOrt=Wohnort (privat)\n",
        problem);
    ASSERT_EQ(problem, "");
    const std::string text = columnMappingText(mapping);
    EXPECT_EQ(text, "Geburtstag = Geb.-Datum\nVorzeit 14 bis = Ende 14\nStichtag = nicht vorhanden\nOrt = Wohnort (privat)\n");
    EXPECT_EQ(columnMappingText(parseColumnMapping(text, problem)), text);
    // A period past the window's fourteen rows is no input.
    EXPECT_FALSE(inputSlotNamed("Vorzeit 15 von").has_value());
}

} // namespace
} // namespace tarvolin
