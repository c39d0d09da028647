// libFuzzer target: any bytes as jda.txt in the working folder, then the
// program's start-up and Schließen. The start must not crash, the save must
// succeed with a record of exactly 1292 bytes, and a second start from that
// record must save the same bytes again.

#include "output/saved_entries.h"
#include "window/jda.h"
#include "window/quiet_platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <stdlib.h>

namespace {

using namespace tarvolin;

// The platform without a screen: messages are kept (the last one explains a
// failed save), the printer and the browser are never reached by start-up
// and Schließen, and the host counts unloads.
struct QuietPlatform final : MessageBox, Clock, WindowHost {
    std::string lastMessage;
    int unloads = 0;
    NoPrinter printer;
    NoShell shell;

    std::int16_t show(std::string_view text, std::string_view, MessageButtons, MessageKind) override
    {
        lastMessage = text;
        return answerOk;
    }
    Date today() override { return *Date::fromYmd(2008, 5, 15); }
    void unload() override { ++unloads; }
    void entriesSaved(std::string_view) override {}
};

std::vector<unsigned char> readBack()
{
    std::ifstream in("jda.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> startAndClose()
{
    QuietPlatform platform;
    JDA window{Platform{platform, platform, platform.printer, platform.shell, platform}};
    window.Form_Load();
    window.Schließen_Click();
    if (platform.unloads != 1) {
        std::fprintf(stderr, "start-up: Schließen did not save: %s\n", platform.lastMessage.c_str());
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
    if (first.size() != savedEntriesSize) {
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
