// libFuzzer target: any bytes as jda.txt in the working folder, then the
// program's start-up and Schließen. The start must not crash, the save must
// succeed with a record of exactly 1292 bytes, and a second start from that
// record must save the same bytes again.

#include "output/saved_entries.h"
#include "tests/support/fakes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <stdlib.h>

namespace {

std::vector<unsigned char> readBack()
{
    std::ifstream in("jda.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> startAndClose()
{
    tarvolin::testing::TestWindow t;
    t.jda.Form_Load();
    t.jda.Schließen_Click();
    if (t.host.unloads != 1) {
        std::fprintf(stderr, "start-up: Schließen did not save: %s\n",
                     t.messages.shown.empty() ? "" : t.messages.shown.back().text.c_str());
        std::abort();
    }
    return readBack();
}

} // namespace

// A folder of its own, preferably in memory, where the file lives while the fuzzer runs.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tarvolin-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    std::filesystem::current_path(pattern);
    static const std::filesystem::path folder = pattern;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    {
        std::ofstream out("jda.txt", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::vector<unsigned char> first = startAndClose();
    if (first.size() != tarvolin::savedEntriesSize) {
        std::fprintf(stderr, "start-up: the saved record has %zu bytes\n", first.size());
        std::abort();
    }
    const std::vector<unsigned char> second = startAndClose();
    if (second != first) {
        std::size_t at = 0;
        while (at < first.size() && first[at] == second[at])
            ++at;
        std::fprintf(stderr, "start-up: a second start saves a different record (first difference at byte %zu)\n", at);
        std::abort();
    }
    return 0;
}
