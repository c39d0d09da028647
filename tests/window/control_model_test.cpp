#include "window/controls.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarvolin {
namespace {

TEST(ControlTable, ArraysHaveTheirIndexesAndTheirGaps)
{
    struct Row {
        const char* name;
        int first, last;
    };
    const Row rows[] = {
        {"Datum", 0, 38}, {"Eingabe", 1, 14}, {"ab", 1, 13},   {"auf", 2, 14},      {"Zähler", 1, 14},
        {"box", 1, 14},   {"Tage", 1, 17},    {"Monat", 1, 17}, {"Jahr", 1, 17},     {"Kündigung", 0, 6},
        {"Text", 0, 13},  {"Label5", 1, 3},   {"Opt", 0, 1},    {"Line1", 0, 14},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(controlSlot(r.name, r.first - 1), -1) << r.name;
        EXPECT_EQ(controlSlot(r.name, r.last + 1), -1) << r.name;
        for (int i = r.first; i <= r.last; ++i) {
            // Contiguous in index order: the model finds an element by its offset.
            EXPECT_EQ(controlSlot(r.name, i), controlSlot(r.name, r.first) + i - r.first) << r.name << i;
        }
    }
    EXPECT_EQ(controlSlot("ab", 14), -1);
    EXPECT_EQ(controlSlot("auf", 1), -1);
}

TEST(ControlTable, NamesAndIndexesAreUnique)
{
    std::set<std::pair<std::string, int>> seen;
    for (const ControlDesign& s : controlTable)
        EXPECT_TRUE(seen.emplace(std::string{s.name}, s.index).second) << s.name << s.index;
}

TEST(ControlTable, CaptionsKeepTheirBlanks)
{
    ControlModel m;
    EXPECT_EQ(m.SSCommand2().text, "  § 622 BGB");
    EXPECT_EQ(m.Hilfe().text, "      Hilfe");
    EXPECT_EQ(m.Drucken().text, "       Drucken");
    EXPECT_EQ(m.Schließen().text, "        Schließen");
    EXPECT_EQ(m.Text(2).text, "Anrechenbare Zeiten   v o r   dem Tag, ab dem Dienstbezüge zustehen:");
    EXPECT_EQ(m.Kündigung(0).text, "bis zu                   1 Jahr           ein Monat zum Monatsschluss");
    EXPECT_EQ(m.Kündigung(4).text, "von mindestens  10 Jahren      5 Monate zum Schluss des Kalendervierteljahres");
    EXPECT_EQ(m.Label2().text, ") im öffentlichen Dienst = x");
    EXPECT_EQ(m.formCaption, "Berechnung der Jubiläumszuwendung");
}

TEST(ControlModel, DesignValues)
{
    ControlModel m;
    for (int i = 0; i <= 38; ++i) {
        EXPECT_EQ(m.Datum(i).text, "__/__/____") << i;
        EXPECT_EQ(m.Datum(i).backColor, white) << i;
        EXPECT_FALSE(m.Datum(i).fontBold) << i;
    }
    for (int k = 1; k <= 14; ++k) {
        EXPECT_EQ(m.Zähler(k).text, "60");
        EXPECT_FALSE(m.box(k).value);
        EXPECT_EQ(m.Eingabe(k).text, "");
    }
    for (int r = 1; r <= 17; ++r)
        EXPECT_EQ(m.Tage(r).text, "");
    for (int k = 5; k <= 7; ++k)
        EXPECT_FALSE(m.Text(k).visible);
    EXPECT_TRUE(m.Opt(0).value);
    EXPECT_FALSE(m.Opt(1).value);
    EXPECT_EQ(m.Label9().text, "");
    EXPECT_EQ(m.Label14().text, "");
    EXPECT_EQ(m.Text(13).text, "Erreichen der Regelaltersgrenze");
    EXPECT_EQ(m.focused(), nullptr);
}

TEST(ControlModel, PermittedRangesOfTheDateFields)
{
    ControlModel m;
    struct Row {
        int index;
        int firstYear, lastYear;
    };
    const Row rows[] = {{0, 1930, 2040}, {31, 1930, 2040}, {36, 1930, 2040}, {37, 1930, 2040},
                        {32, 1940, 2050}, {38, 1940, 2050}, {33, 1930, 2060}, {35, 1930, 2060}};
    for (const Row& r : rows) {
        const Control& c = m.Datum(r.index);
        EXPECT_TRUE(c.accepts(*Date::fromYmd(r.firstYear, 1, 1))) << r.index;
        EXPECT_FALSE(c.accepts(*Date::fromYmd(r.firstYear - 1, 12, 31))) << r.index;
        EXPECT_TRUE(c.accepts(*Date::fromYmd(r.lastYear, 12, 31))) << r.index;
        EXPECT_FALSE(c.accepts(*Date::fromYmd(r.lastYear + 1, 1, 1))) << r.index;
    }
}

TEST(ControlModel, IndexOutsideAnArrayThrows)
{
    ControlModel m;
    EXPECT_THROW(m.ab(14), std::out_of_range);
    EXPECT_THROW(m.auf(1), std::out_of_range);
    EXPECT_THROW(m.Datum(39), std::out_of_range);
    EXPECT_EQ(m.find("Datum", 39), nullptr);
    EXPECT_NE(m.find("Zähler", 3), nullptr);
}

} // namespace
} // namespace tarvolin
