// Replays the fuzzer's kept inputs (tests/output/corpus) through the entries
// record's reader and writer, so that what the fuzzer once found stays found.

#include "fuzz/record_roundtrip.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(EntriesCorpus, EveryKeptInputKeepsTheRecordsProperties)
{
    const std::filesystem::path folder = std::filesystem::path{TARVOLIN_TEST_DATA} / "corpus";
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto bytes = testing::fileBytes(entry.path());
        EXPECT_EQ(fuzzing::recordRoundTripFault(bytes), "") << entry.path().filename();
        ++replayed;
    }
    EXPECT_GE(replayed, 5) << "the corpus is missing";
}

// The oracle itself must see a fault: a writer that dropped the reserved
// field or wrote a text byte differently would otherwise pass unnoticed.
TEST(EntriesCorpus, TheOracleNoticesAChangedByte)
{
    std::vector<unsigned char> file(1292, 'x');
    auto expected = fuzzing::expectedRewrite(file);
    EXPECT_EQ(std::vector<unsigned char>(expected.begin(), expected.end()), file);
    file[400] = 0; // a zero in description 1: blanks from there to the field's end
    expected = fuzzing::expectedRewrite(file);
    EXPECT_EQ(expected[399], 'x');
    EXPECT_EQ(expected[400], ' ');
    EXPECT_EQ(expected[421], ' ');
    EXPECT_EQ(expected[422], 'x');
}

} // namespace
} // namespace tarvolin
