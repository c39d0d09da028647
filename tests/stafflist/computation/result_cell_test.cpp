// What a result cell says where the list leaves the program: the CSV, the
// pages, the window's table and the calendar all take these texts.

#include "stafflist/computation/result_cell.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvolin {
namespace {

struct CellText {
    const char* name;
    ResultCell cell;
    const char* text;
};

void PrintTo(const CellText& c, std::ostream* os) { *os << c.name; }

class CellTexts : public ::testing::TestWithParam<CellText> {};

TEST_P(CellTexts, AreWhatTheListAlwaysWrote)
{
    EXPECT_EQ(cellText(GetParam().cell), GetParam().text);
    EXPECT_EQ(isEmpty(GetParam().cell), *GetParam().text == '\0');
}

const std::vector<CellText> cellTexts{
    {"Empty", {}, ""},
    {"EmptyText", std::string{}, ""},
    {"Text", std::string{"Öztürk"}, "Öztürk"},
    {"Day", *Date::fromYmd(2027, 4, 1), "01.04.2027"},
    {"DayBefore1900", *Date::fromYmd(1899, 12, 30), "30.12.1899"},
    {"Count", Count{18}, "18"},
    {"NegativeCount", Count{-1}, "-1"},
    {"Zero", Count{0}, "0"},
    {"Reached", Reached::Yes, "ja"},
    {"NotReached", Reached::No, "nein"},
    {"ShortestTier", NoticeTierMark::OneMonth, "1 Monat zum Monatsschluss"},
    {"SixWeeks", NoticeTierMark::SixWeeks, "6 Wochen zum Quartalsschluss"},
    {"LongestTier", NoticeTierMark::OnlyForCause, "nur aus wichtigem Grund kündbar"},
    {"Age", AgeInUse{66, 2}, "66/2"},
    {"AgeOfWholeYears", AgeInUse{67, 0}, "67/0"},
    {"NoNotes", RowNotes{}, ""},
    {"NotesOfALineAndOfNone",
     RowNotes{{4, "Geburtstag „15.06.75“ gelesen als 15.06.1975 (zweistelliges Jahr)"},
              {0, "Kündigungstermin verstrichen (spätestens am 30.06.2026)"}},
     "Zeile 4: Geburtstag „15.06.75“ gelesen als 15.06.1975 (zweistelliges Jahr) | Kündigungstermin verstrichen "
     "(spätestens am 30.06.2026)"},
};

INSTANTIATE_TEST_SUITE_P(Table, CellTexts, ::testing::ValuesIn(cellTexts),
                         [](const auto& info) { return std::string{info.param.name}; });

} // namespace
} // namespace tarvolin
