// The entries record of jda.txt: decoding and encoding the 1292 bytes of the
// full case, reading the file, and the atomic save (new file, flushed to the
// disk, renamed over the old one) as Schließen does it.

#include "bench/bench_case.h"
#include "output/entries_file.h"
#include "output/saved_entries.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace tarvolin::bench {
namespace {

// The bytes of the saved full case, read back from the file it was saved to.
std::vector<unsigned char> fullCaseBytes()
{
    const ScratchFolder folder;
    if (!saveFullCase())
        return {};
    std::ifstream file{folder.path() / "jda.txt", std::ios::binary};
    return {std::istreambuf_iterator<char>{file}, std::istreambuf_iterator<char>{}};
}

void BM_readRecord(benchmark::State& state)
{
    const std::vector<unsigned char> bytes = fullCaseBytes();
    if (bytes.size() != savedEntriesSize) {
        state.SkipWithError("the full case could not be saved");
        return;
    }
    for (auto _ : state) {
        SavedEntries record = readRecord(bytes);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_readRecord);

void BM_writeRecord(benchmark::State& state)
{
    const std::vector<unsigned char> bytes = fullCaseBytes();
    if (bytes.size() != savedEntriesSize) {
        state.SkipWithError("the full case could not be saved");
        return;
    }
    const SavedEntries record = readRecord(bytes);
    for (auto _ : state) {
        SavedRecordBytes written = writeRecord(record);
        benchmark::DoNotOptimize(written);
    }
}
BENCHMARK(BM_writeRecord);

void BM_readEntriesFile(benchmark::State& state)
{
    const ScratchFolder folder;
    if (!saveFullCase()) {
        state.SkipWithError("the full case could not be saved");
        return;
    }
    const auto path = folder.path() / "jda.txt";
    for (auto _ : state) {
        EntriesFileRead read = readEntriesFile(path);
        benchmark::DoNotOptimize(read.bytes.data());
    }
}
BENCHMARK(BM_readEntriesFile)->Unit(benchmark::kMicrosecond);

// Dominated by the flush to the disk: a figure of this machine's disk more
// than of the program.
void BM_saveEntriesFile(benchmark::State& state)
{
    const ScratchFolder folder;
    if (!saveFullCase()) {
        state.SkipWithError("the full case could not be saved");
        return;
    }
    const auto path = folder.path() / "jda.txt";
    const EntriesFileRead read = readEntriesFile(path);
    for (auto _ : state) {
        const std::string failure = saveEntriesFile(path, read.bytes);
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            break;
        }
    }
}
BENCHMARK(BM_saveEntriesFile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvolin::bench

BENCHMARK_MAIN();
