#include "stafflist/command/row_spool.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace tarvolin {
namespace {

using Cells = std::vector<std::string>;

// Rows put in come back out in order, whatever bytes they hold, also past
// the point where the spool first writes to its file.
TEST(RowSpool, GivesBackEveryRowAsItWasPutIn)
{
    struct Row {
        const char* name;
        Cells cells;
        std::string note;
    };
    const Row rows[] = {
        {"plain", {"1001", "Meier", "01.01.1960"}, ""},
        {"empty cells and a note", {"", "", ""}, "Zeile 2: Geburtstag fehlt"},
        {"no cells", {}, "nur ein Hinweis"},
        {"bytes of every kind", {std::string{"a\0b", 3}, "\xFF\xFE", "\r\n;\""}, std::string{"\0", 1}},
        {"a long cell", {std::string(3'000'000, 'x')}, ""},
    };
    RowSpool spool;
    constexpr int rounds = 3;
    for (int round = 0; round < rounds; ++round)
        for (const Row& r : rows)
            spool.append(r.cells, r.note);
    ASSERT_EQ(spool.size(), std::size(rows) * rounds);
    std::size_t seen = 0;
    for (int pass = 0; pass < 2; ++pass) { // read as often as the layout needs
        seen = 0;
        EXPECT_TRUE(spool.forEach([&](std::size_t index, const Cells& cells, const std::string& note) {
            const Row& r = rows[index % std::size(rows)];
            EXPECT_EQ(index, seen) << r.name;
            EXPECT_EQ(cells, r.cells) << r.name;
            EXPECT_EQ(note, r.note) << r.name;
            ++seen;
        }));
        EXPECT_EQ(seen, spool.size());
    }
}

// The temporary folder fills up while the rows are put away: the reading
// says so with the errno instead of printing a short list.
TEST(RowSpool, AFullDiskIsToldNotAShortList)
{
    testing::FileSizeLimit limit{1 << 20};
    RowSpool spool;
    for (int i = 0; i < 3000; ++i)
        spool.append({std::string(1000, 'x')}, "");
    std::size_t seen = 0;
    EXPECT_FALSE(spool.forEach([&](std::size_t, const Cells&, const std::string&) { ++seen; }));
    EXPECT_EQ(spool.error(), EFBIG);
    EXPECT_LT(seen, 3000u);
}

} // namespace
} // namespace tarvolin
