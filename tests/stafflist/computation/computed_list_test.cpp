// The window keeps each row's case packed; what it types into a calculator
// window is exactly the case the list typed, whatever the case holds.

#include "stafflist/computation/computed_list.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

Date day(int y, unsigned m, unsigned d) { return *Date::fromYmd(y, m, d); }

struct PackedCase {
    const char* name;
    TypedCase typed;
};

void PrintTo(const PackedCase& c, std::ostream* os) { *os << c.name; }

TypedCase fullCase()
{
    TypedCase c{day(1955, 3, 10), day(1990, 4, 1), day(2027, 12, 31), {}, TypedCase::Age{66, 11}};
    for (int k = 0; k < 14; ++k)
        c.periods[static_cast<std::size_t>(k)] =
            TypedPeriod{day(1960 + k, 1, 1), day(1960 + k, 12, 31), std::string(60, static_cast<char>('a' + k)), k % 3 != 0};
    return c;
}

TypedCase sparseCase()
{
    TypedCase c{day(1899, 12, 1), day(2060, 2, 29), std::nullopt, {}, std::nullopt};
    c.periods[4] = TypedPeriod{std::nullopt, day(1990, 1, 31), "Zivildienst „Süd“ – Bühl", false};
    c.periods[13] = TypedPeriod{day(1980, 1, 1), std::nullopt, "", true};
    return c;
}

class ComputedListCase : public ::testing::TestWithParam<PackedCase> {};

TEST_P(ComputedListCase, GivesBackTheTypedCase)
{
    StaffRow row;
    row.line = 7;
    row.typedCase = GetParam().typed;
    ResultLine line;
    line[colName] = "Meier";
    ComputedList list;
    list.add({row, line, true});
    list.add({StaffRow{}, ResultLine{}, false});
    ASSERT_TRUE(list.typedCase(0).has_value());
    EXPECT_EQ(*list.typedCase(0), GetParam().typed);
    EXPECT_FALSE(list.typedCase(1).has_value());
    EXPECT_EQ(list.text(0, colName), "Meier");
    EXPECT_EQ(list.fileLine(0), 7);
}

// Each row keeps its own addressee, beside rows without one.
TEST(ComputedListAddressee, ComesBackPerRow)
{
    StaffRow with;
    with.address = {"Frau", "Hauptstr.", "12a", "50667", "Köln"};
    ResultLine line;
    line[colName] = "Meier";
    line[colFirstName] = "Anna";
    ComputedList list;
    list.add({with, line, true});
    list.add({StaffRow{}, ResultLine{}, false});
    const Addressee a = list.addressee(0);
    EXPECT_EQ(a.salutation + "|" + a.name + "|" + a.street + "|" + a.town, "Frau|Anna Meier|Hauptstr. 12a|50667 Köln");
    EXPECT_TRUE(list.addressee(1).empty());
    EXPECT_EQ(list.addressee(1).street, "");
}

// Every kind of cell comes back as it went in, wherever it stands in the
// line, and so do the carried texts after the cells.
TEST(ComputedListCells, ComeBackAsTheyWentIn)
{
    ResultLine line;
    line[colPersonnelNumber] = "0042";
    line[colName] = "";
    line[colBirthday] = day(1899, 12, 1);
    line[colPriorYears] = Count{-1};
    line[colServiceYears] = Count{1'000'000};
    line[col25Reached] = Reached::Yes;
    line[col40Reached] = Reached::No;
    line[colRetirementAge] = AgeInUse{66, 11};
    line[colNoticePeriod] = NoticeTierMark::OnlyForCause;
    line[colNotes] = RowNotes{{7, "Geburtstag „1.2.3“ ist kein Datum"}, {0, "Altersgrenze bereits erreicht"}, {9, ""}};
    line.carried = {"Amt 10", "", "Zeile 7: x"};
    ComputedList list;
    list.layout = ResultLayout{{"Abteilung", "Leer", "Vermerk"}};
    list.add({StaffRow{}, line, true, 1});
    ResultLine back;
    list.line(0, back);
    EXPECT_EQ(back, line);
    for (std::size_t c = 0; c < resultColumnCount; ++c)
        EXPECT_EQ(list.cell(0, c), line[c]) << resultColumns[c].header;
    EXPECT_EQ(list.text(0, colPersonnelNumber), "0042");
    EXPECT_EQ(list.text(0, colBirthday), ""); // no text column
    EXPECT_EQ(list.carried(0, 2), "Zeile 7: x");
    EXPECT_TRUE(list.hasNotes(0));
    EXPECT_FALSE(list.hasOnlyDateNotes(0)); // three notes, one on the dates
}

INSTANTIATE_TEST_SUITE_P(Cases, ComputedListCase,
                         ::testing::Values(PackedCase{"FourteenPeriodsAndAnAge", fullCase()},
                                           PackedCase{"DatesMissingAndBefore1900", sparseCase()}),
                         [](const auto& info) { return std::string{info.param.name}; });

} // namespace
} // namespace tarvolin
