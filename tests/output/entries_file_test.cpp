#include "output/entries_file.h"

#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>

namespace tarvolin {
namespace {

using testing::fileBytes;
using testing::folderNames;
using testing::ScratchFolder;
using testing::writeFile;
using Bytes = std::vector<unsigned char>;

Bytes pattern(std::size_t n, unsigned char seed)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<unsigned char>(seed + i * 7);
    return b;
}

TEST(EntriesFileRead, WhatTheFileHolds)
{
    struct Row {
        const char* name;
        std::function<void(const std::filesystem::path&)> prepare;
        Bytes expected;
        bool fails;
    };
    const Row rows[] = {
        {"missing: created empty", [](const auto&) {}, {}, false},
        {"empty", [](const auto& p) { writeFile(p, {}); }, {}, false},
        {"100 bytes", [](const auto& p) { writeFile(p, pattern(100, 1)); }, pattern(100, 1), false},
        {"one record", [](const auto& p) { writeFile(p, pattern(1292, 2)); }, pattern(1292, 2), false},
        {"longer: only the first record", [](const auto& p) { writeFile(p, pattern(5000, 3)); }, pattern(1292, 3), false},
        {"a folder of that name", [](const auto& p) { std::filesystem::create_directory(p); }, {}, true},
        {"a pipe of that name does not block", [](const auto& p) { ::mkfifo(p.c_str(), 0644); }, {}, true},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        r.prepare(scratch.entries());
        const EntriesFileRead read = readEntriesFile(scratch.entries());
        EXPECT_EQ(read.bytes, r.expected) << r.name;
        EXPECT_EQ(!read.failure.empty(), r.fails) << r.name << ": " << read.failure;
        if (r.fails)
            EXPECT_NE(read.failure.find(scratch.entries().string()), std::string::npos) << r.name;
        else
            EXPECT_TRUE(std::filesystem::is_regular_file(scratch.entries())) << r.name;
    }
}

TEST(EntriesFileRead, AFolderThatRefusesNewFiles)
{
    ScratchFolder scratch;
    testing::ReadOnlyFolder readOnly(scratch.path());
    if (!readOnly.refuses())
        GTEST_SKIP() << "this file system lets every new file in";
    const EntriesFileRead read = readEntriesFile(scratch.entries());
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_NE(read.failure, "");
    EXPECT_FALSE(std::filesystem::exists(scratch.entries()));
}

TEST(EntriesFileSave, WritesAndReplaces)
{
    ScratchFolder scratch;
    const Bytes first = pattern(1292, 10);
    const Bytes second = pattern(1292, 20);
    EXPECT_EQ(saveEntriesFile(scratch.entries(), first), "");
    EXPECT_EQ(fileBytes(scratch.entries()), first);
    writeFile(scratch.entries(), pattern(3000, 5)); // a longer file from elsewhere
    ::chmod(scratch.entries().c_str(), 0640);
    EXPECT_EQ(saveEntriesFile(scratch.entries(), second), "");
    EXPECT_EQ(fileBytes(scratch.entries()), second) << "the file is exactly the new record";
    EXPECT_EQ(folderNames(scratch.path()), std::vector<std::string>{"jda.txt"}) << "no temporary file is left";
    struct stat info{};
    ASSERT_EQ(::stat(scratch.entries().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "who may read the case stays as it was";
}

// Each way a save can fail for real, also as root: the message says what and
// where, the old file keeps every byte, and nothing new is left in the folder.
TEST(EntriesFileSave, FailuresLeaveTheOldFileAlone)
{
    using Undo = std::shared_ptr<void>;
    struct Row {
        const char* name;
        // Prepares the failure in the folder; what it returns undoes it on
        // destruction; nothing when this machine cannot make it happen.
        std::function<std::optional<Undo>(ScratchFolder&)> arrange;
        std::filesystem::path (*target)(const ScratchFolder&);
        const char* mentioned; // a piece of the message
    };
    const auto jda = [](const ScratchFolder& s) { return s.entries(); };
    const Row rows[] = {
        {"jda.txt is a folder: the rename fails",
         [](ScratchFolder& s) -> std::optional<Undo> {
             std::filesystem::create_directory(s.entries());
             writeFile(s.entries() / "inside", pattern(10, 1));
             return Undo{};
         },
         jda, "an dieser Stelle steht ein Ordner"},
        {"the folder does not exist: no new file", [](ScratchFolder&) -> std::optional<Undo> { return Undo{}; },
         [](const ScratchFolder& s) { return s.path() / "gone" / "jda.txt"; }, "ließ sich keine neue Datei anlegen"},
        {"file size limit: the write fails",
         [](ScratchFolder& s) -> std::optional<Undo> {
             writeFile(s.entries(), pattern(1292, 30));
             return Undo(std::make_shared<testing::FileSizeLimit>(100));
         },
         jda, "ließ sich nicht schreiben"},
        {"read-only folder: no new file",
         [](ScratchFolder& s) -> std::optional<Undo> {
             writeFile(s.entries(), pattern(1292, 40));
             auto readOnly = std::make_shared<testing::ReadOnlyFolder>(s.path());
             if (!readOnly->refuses())
                 return std::nullopt;
             return Undo(readOnly);
         },
         jda, "ließ sich keine neue Datei anlegen"},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        const auto target = r.target(scratch);
        const auto undo = r.arrange(scratch);
        if (!undo) {
            std::cout << "[ skipped  ] " << r.name << ": this file system lets every new file in\n";
            continue;
        }
        const Bytes before = fileBytes(target);
        const auto namesBefore = folderNames(scratch.path());
        const std::string failure = saveEntriesFile(target, pattern(1292, 99));
        EXPECT_EQ(fileBytes(target), before) << r.name;
        if (std::filesystem::is_directory(target)) {
            EXPECT_EQ(fileBytes(target / "inside"), pattern(10, 1)) << r.name;
        }
        EXPECT_EQ(folderNames(scratch.path()), namesBefore) << r.name;
        EXPECT_TRUE(failure.starts_with("Die Eingaben wurden nicht gespeichert")) << r.name << ": " << failure;
        EXPECT_NE(failure.find(r.mentioned), std::string::npos) << r.name << ": " << failure;
        EXPECT_NE(failure.find(target.parent_path().string()), std::string::npos) << r.name << ": " << failure;
    }
}

} // namespace
} // namespace tarvolin
