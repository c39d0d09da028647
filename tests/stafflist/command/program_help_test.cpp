// `tarvolin --help` names the input columns from the column table: every
// column, in the table's order, each followed by every spelling the table
// reads for it, a period's "#" written "k"; and the lines they stand on
// break before the hundredth character.

#include "stafflist/command/list_options.h"
#include "stafflist/computation/input_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {
namespace {

std::string numbered(std::string_view text)
{
    std::string out{text};
    if (const auto hash = out.find('#'); hash != std::string::npos)
        out.replace(hash, 1, "k");
    return out;
}

std::vector<std::string> spellingsOf(const InputColumn& c)
{
    std::vector<std::string> all;
    for (std::string_view rest = c.spellings; !rest.empty();) {
        const auto bar = rest.find('|');
        all.push_back(numbered(rest.substr(0, bar)));
        rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
    }
    return all;
}

// The help with its line breaks and indentation as single blanks.
std::string flowingHelp()
{
    std::string flowing;
    for (const char c : programHelp())
        if (c != ' ' && c != '\n')
            flowing.push_back(c);
        else if (!flowing.empty() && flowing.back() != ' ')
            flowing.push_back(' ');
    return flowing;
}

TEST(ProgramHelp, NamesEveryInputColumnWithItsSpellingsInTheTablesOrder)
{
    const std::string help = flowingHelp();
    const std::size_t columns = help.find("Spalten (Reihenfolge beliebig");
    ASSERT_NE(columns, std::string::npos);
    // Within the roles, the columns follow the table's order; the roles
    // come as the help groups them.
    const std::vector<std::vector<ColumnRole>> groups{
        {ColumnRole::Required}, {ColumnRole::Copied, ColumnRole::Optional}, {ColumnRole::PeriodDate, ColumnRole::PeriodDetail}};
    std::size_t at = columns;
    std::size_t named = 0;
    for (const auto& roles : groups)
        for (const InputColumn& c : inputColumns) {
            if (std::find(roles.begin(), roles.end(), c.role) == roles.end())
                continue;
            const std::string name = numbered(c.name);
            const std::size_t found = help.find(" " + name, at);
            ASSERT_NE(found, std::string::npos) << name << " is missing, or out of the table's order";
            at = found + name.size() + 1;
            for (const std::string& spelling : spellingsOf(c)) {
                const std::size_t s = help.find(spelling, at);
                ASSERT_NE(s, std::string::npos) << spelling << " of " << name;
                at = s + spelling.size();
            }
            ++named;
        }
    EXPECT_EQ(named, inputColumns.size());
}

TEST(ProgramHelp, TheColumnsLinesBreakBeforeTheHundredthCharacter)
{
    const std::string help = programHelp();
    const std::size_t first = help.find("Pflicht:");
    const std::size_t last = help.find("Anrede oder Geschlecht, Straße");
    ASSERT_LT(first, last);
    std::size_t lines = 0;
    for (std::size_t at = help.rfind('\n', first) + 1; at < last; ++lines) {
        const std::size_t end = help.find('\n', at);
        const std::string_view line = std::string_view{help}.substr(at, end - at);
        std::size_t characters = 0;
        for (const char c : line)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        EXPECT_LT(characters, 100u) << line;
        EXPECT_TRUE(line.starts_with("      ")) << line;
        at = end + 1;
    }
    EXPECT_GE(lines, 3u); // a line for each role at least
}

} // namespace
} // namespace tarvolin
