// Every kept fuzzer input as jda.txt: the start-up copes, Schließen writes a
// record of exactly 1292 bytes, and starting from that record and closing
// again writes the same bytes.

#include "tests/window/startup_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using testing::fileBytes;
using testing::ScratchFolder;
using testing::TestWindow;
using Bytes = std::vector<unsigned char>;

Bytes startAndClose(const ScratchFolder& scratch, const std::string& name)
{
    TestWindow t;
    t.jda.Form_Load();
    EXPECT_EQ(t.jda.focused(), &t.jda.Datum(0)) << name;
    t.jda.Schließen_Click();
    EXPECT_EQ(t.host.unloads, 1) << name;
    return fileBytes(scratch.entries());
}

TEST(StartUpCorpus, AnyFileGivesAWholeRecordOnTheNextSave)
{
    const std::filesystem::path corpus = std::filesystem::path{TARVOLIN_TEST_DATA} / ".." / "output" / "corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        ScratchFolder scratch;
        testing::writeFile(scratch.entries(), fileBytes(entry.path()));
        const Bytes first = startAndClose(scratch, name);
        EXPECT_EQ(first.size(), 1292u) << name;
        EXPECT_EQ(startAndClose(scratch, name), first) << name;
        ++files;
    }
    EXPECT_GE(files, 5) << "the corpus is missing";
}

} // namespace
} // namespace tarvolin
