// The staff list's search finds a name however a clerk spells its umlauts,
// its ß and its letters with marks, in any case; and it still tells names
// apart that differ in more than that.

#include "stafflist/computation/list_selection.h"
#include "stafflist/computation/search_key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

ComputedList listOf(const std::vector<std::vector<std::string>>& people)
{
    ComputedList list;
    for (const auto& p : people) {
        ResultLine line;
        line[colPersonnelNumber] = p[0];
        line[colName] = p[1];
        line[colFirstName] = p[2];
        list.add({StaffRow{}, line, true});
    }
    return list;
}

std::vector<std::string> found(const ComputedList& list, const std::string& search)
{
    ListSelection s;
    s.search = search;
    const ShownList shown{list, s};
    std::vector<std::string> names;
    for (std::size_t i = 0; i < shown.size(); ++i)
        names.emplace_back(list.text(shown.source(i), colName));
    return names;
}

TEST(Search, FindsNamesHoweverTheirLettersAreSpelled)
{
    const ComputedList list = listOf({{"1001", "Schäfer", "Sophie"},
                                      {"1002", "Öztürk", "Ayşe"},
                                      {"1003", "Weiß", "Jürgen"},
                                      {"1004", "Schaller", "Anna"},
                                      {"1005", "Mueller", "Hans"},
                                      {"1006", "Şahin", "Emre"},
                                      {"1007", "Čapek", "Karel"},
                                      {"1008", "Strasser", "Eva"}});
    struct Row {
        const char* name;
        std::string search;
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {"ae for ä, and not Schaller", "schae", {"Schäfer"}},
        {"ä for ä", "Schäf", {"Schäfer"}},
        {"a for ä, and so Schaller too", "scha", {"Schäfer", "Schaller"}},
        {"o and u for ö and ü", "Ozturk", {"Öztürk"}},
        {"oe for Ö", "oeztuerk", {"Öztürk"}},
        {"capitals", "ÖZTÜRK", {"Öztürk"}},
        {"ss for ß", "weiss", {"Weiß"}},
        {"ß for ss", "Straßer", {"Strasser"}},
        {"ü for ue", "Müller", {"Mueller"}},
        {"s for ş", "sahin", {"Şahin"}},
        {"ş in a first name", "ayse", {"Öztürk"}},
        {"c for č", "capek", {"Čapek"}},
        {"Name, Vorname", "Weiss, Jurgen", {"Weiß"}},
        {"Vorname Name", "Sophie Schaefer", {"Schäfer"}},
        {"a personnel number", "1007", {"Čapek"}},
        {"other letters stay apart", "schu", {}},
        {"blanks around the search", "  weiß ", {"Weiß"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(found(list, r.search), r.names) << r.name;
}

TEST(Search, KeysFoldToOneSpelling)
{
    struct Row {
        std::string text;
        std::string key;        // of a search
        std::string searchable; // of a name
    };
    const Row rows[] = {
        {"Schäfer", "schaefer", "schaefer\nschafer"},
        {"SCHAEFER", "schaefer", "schaefer"},
        {"Øre Ærø", "ore aero", "ore aero"},
        {"Łódź", "lodz", "lodz"},
        {"Straße", "strasse", "strasse"},
        {"Ţară", "tara", "tara"},
        {"Œuvre", "oeuvre", "oeuvre"},
        {"Иван", "Иван", "Иван"},
        {"", "", ""},
        {"\xff\xfe", "\xff\xfe", "\xff\xfe"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(searchKey(r.text), r.key) << r.text;
        EXPECT_EQ(searchableKey(r.text), r.searchable) << r.text;
    }
}

} // namespace
} // namespace tarvolin
