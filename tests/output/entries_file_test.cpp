#include "output/entries_file.h"

#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <sys/wait.h>
#include <fcntl.h>

namespace tarvolin {
namespace {

using testing::allowEveryone;
using testing::asUnprivilegedUser;
using testing::fileBytes;
using testing::folderNames;
using testing::lookAt;
using testing::ScratchFolder;
using testing::writeFile;
using Bytes = std::vector<unsigned char>;
using Names = std::vector<std::string>;

Bytes pattern(std::size_t n, unsigned char seed)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<unsigned char>(seed + i * 7);
    return b;
}

unsigned permissions(const std::filesystem::path& p) { return lookAt(p) ? lookAt(p)->st_mode & 07777 : 0; }

const Bytes older = pattern(1292, 1);   // jda.txt.bak before the save
const Bytes previous = pattern(1292, 2); // jda.txt before the save
const Bytes saved = pattern(1292, 3);    // what the save writes

TEST(EntriesFileRead, WhatTheFileHolds)
{
    struct Row {
        const char* name;
        std::function<void(const std::filesystem::path&)> prepare;
        Bytes expected;
        const char* unreadable; // the reason, or "" when read
    };
    const auto link = [](const char* target) {
        return [target](const std::filesystem::path& p) {
            std::filesystem::create_symlink(p.parent_path() / target, p);
        };
    };
    const Row rows[] = {
        {"missing: created empty", [](const auto&) {}, {}, ""},
        {"empty", [](const auto& p) { writeFile(p, {}); }, {}, ""},
        {"100 bytes", [](const auto& p) { writeFile(p, pattern(100, 1)); }, pattern(100, 1), ""},
        {"one record", [](const auto& p) { writeFile(p, pattern(1292, 2)); }, pattern(1292, 2), ""},
        {"longer: only the first record", [](const auto& p) { writeFile(p, pattern(5000, 3)); }, pattern(1292, 3), ""},
        {"a folder of that name", [](const auto& p) { std::filesystem::create_directory(p); }, {},
         "an dieser Stelle steht ein Ordner"},
        {"a pipe of that name does not block", [](const auto& p) { ::mkfifo(p.c_str(), 0644); }, {},
         "an dieser Stelle steht keine gewöhnliche Datei"},
        {"a link to a record is not followed",
         [&](const auto& p) {
             writeFile(p.parent_path() / "elsewhere", pattern(1292, 4));
             link("elsewhere")(p);
         },
         {}, "an dieser Stelle steht eine symbolische Verknüpfung"},
        {"a dangling link: nothing is created where it points", link("target"), {},
         "an dieser Stelle steht eine symbolische Verknüpfung"},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        r.prepare(scratch.entries());
        const Names names = folderNames(scratch.path());
        const EntriesFileRead read = readEntriesFile(scratch.entries());
        EXPECT_EQ(read.bytes, r.expected) << r.name;
        EXPECT_EQ(read.unreadable, r.unreadable) << r.name;
        EXPECT_TRUE(lookAt(scratch.entries())) << r.name;
        if (*r.unreadable) {
            EXPECT_EQ(folderNames(scratch.path()), names) << r.name << ": nothing created, nothing changed";
        }
    }
}

// The case holds personal data: a new file is for its owner only, whatever
// the umask would allow.
TEST(EntriesFileRead, ANewFileIsForItsOwnerOnly)
{
    ScratchFolder scratch;
    const mode_t umask = ::umask(0);
    readEntriesFile(scratch.entries());
    ::umask(umask);
    EXPECT_EQ(permissions(scratch.entries()), 0600u);
}

TEST(EntriesFileRead, AnotherUsersFileWithoutReadPermission)
{
    ScratchFolder scratch;
    allowEveryone(scratch.path());
    writeFile(scratch.entries(), previous);
    ::chmod(scratch.entries().c_str(), 0600);
    if (::geteuid() != 0)
        ::chmod(scratch.entries().c_str(), 0);
    const std::string reason = asUnprivilegedUser([&] {
        const EntriesFileRead read = readEntriesFile(scratch.entries());
        return read.bytes.empty() ? read.unreadable : "read " + std::to_string(read.bytes.size()) + " bytes";
    });
    ::chmod(scratch.entries().c_str(), 0600);
    EXPECT_EQ(reason, "keine Berechtigung");
    EXPECT_EQ(fileBytes(scratch.entries()), previous);
}

TEST(EntriesFileRead, AFolderThatRefusesNewFiles)
{
    ScratchFolder scratch;
    testing::ReadOnlyFolder readOnly(scratch.path());
    if (!readOnly.refuses())
        GTEST_SKIP() << "this file system lets every new file in";
    const EntriesFileRead read = readEntriesFile(scratch.entries());
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(read.unreadable, "") << "no case to lose: the save will tell";
    EXPECT_FALSE(std::filesystem::exists(scratch.entries()));
}

// The new file gets the permission bits of the one it replaces, but nothing
// that runs it or runs as its owner; a new one is for its owner only.
TEST(EntriesFileSave, PermissionsNeverWiden)
{
    struct Row {
        const char* name;
        std::optional<mode_t> before;
        mode_t after;
    };
    const Row rows[] = {
        {"no file yet", std::nullopt, 0600},    {"0600 stays", 0600, 0600}, {"0640 stays", 0640, 0640},
        {"6755 loses setuid, setgid and execute", 06755, 0644}, {"1777 loses sticky and execute", 01777, 0666},
        {"0400 stays", 0400, 0400}, {"0044 stays", 0044, 0044},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        if (r.before) {
            writeFile(scratch.entries(), previous);
            ::chmod(scratch.entries().c_str(), *r.before);
        }
        EXPECT_EQ(saveEntriesFile(scratch.entries(), saved), "") << r.name;
        EXPECT_EQ(fileBytes(scratch.entries()), saved) << r.name;
        EXPECT_EQ(permissions(scratch.entries()), r.after) << r.name;
    }
}

// Every save keeps the previous file as jda.txt.bak: its bytes, or the thing
// itself when it is a link or a pipe or cannot be read. A file without a case
// leaves the older backup alone.
TEST(EntriesFileSave, ThePreviousFileBecomesTheBackup)
{
    struct Row {
        const char* name;
        std::function<void(const ScratchFolder&)> prepare;
        SaveStepHook refuse;                  // ways of keeping it that this row takes away
        std::function<bool(const ScratchFolder&, ino_t)> backupIsRight; // given jda.txt's inode before
    };
    const auto record = [](const ScratchFolder& s) { writeFile(s.entries(), previous); };
    const auto bakBytes = [](const Bytes& b) {
        return [b](const ScratchFolder& s, ino_t) { return fileBytes(backupPath(s.entries())) == b; };
    };
    const auto refused = [](std::initializer_list<SaveStep> list) {
        return [steps = std::vector<SaveStep>(list)](SaveStep step) {
            return std::find(steps.begin(), steps.end(), step) != steps.end() ? EPERM : 0;
        };
    };
    const Row rows[] = {
        {"a saved case: its bytes", record, {}, bakBytes(previous)},
        {"hard links refused: a copy of its bytes", record, refused({SaveStep::LinkPrevious}),
         [](const ScratchFolder& s, ino_t before) {
             return fileBytes(backupPath(s.entries())) == previous && lookAt(backupPath(s.entries()))->st_ino != before;
         }},
        {"neither linked nor read: the file itself", record, refused({SaveStep::LinkPrevious, SaveStep::CopyPrevious}),
         [](const ScratchFolder& s, ino_t before) { return lookAt(backupPath(s.entries()))->st_ino == before; }},
        {"an empty file holds no case: the older backup stays",
         [](const ScratchFolder& s) { writeFile(s.entries(), {}); }, {}, bakBytes(older)},
        {"no file: the older backup stays", [](const ScratchFolder&) {}, {}, bakBytes(older)},
        {"a link: the link itself, its target untouched",
         [](const ScratchFolder& s) {
             writeFile(s.path() / "target", previous);
             std::filesystem::create_symlink(s.path() / "target", s.entries());
         },
         {},
         [](const ScratchFolder& s, ino_t) {
             return std::filesystem::read_symlink(backupPath(s.entries())) == s.path() / "target" &&
                    fileBytes(s.path() / "target") == previous;
         }},
        {"a pipe: the pipe itself", [](const ScratchFolder& s) { ::mkfifo(s.entries().c_str(), 0600); }, {},
         [](const ScratchFolder& s, ino_t) { return S_ISFIFO(lookAt(backupPath(s.entries()))->st_mode); }},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        writeFile(backupPath(scratch.entries()), older);
        r.prepare(scratch);
        const ino_t before = lookAt(scratch.entries()) ? lookAt(scratch.entries())->st_ino : 0;
        EXPECT_EQ(saveEntriesFile(scratch.entries(), saved, r.refuse), "") << r.name;
        EXPECT_EQ(fileBytes(scratch.entries()), saved) << r.name;
        EXPECT_TRUE(r.backupIsRight(scratch, before)) << r.name;
        for (const std::string& name : folderNames(scratch.path()))
            EXPECT_FALSE(name.ends_with(".neu")) << r.name << ": " << name << " left behind";
    }
}

// Another user's file in a shared folder: the kernel refuses the hard link
// (protected_hardlinks), so a readable file is copied and an unreadable one
// moved; either way its bytes are in jda.txt.bak afterwards.
TEST(EntriesFileSave, AnotherUsersFileIsKept)
{
    struct Row {
        const char* name;
        mode_t mode;
    };
    for (const Row r : {Row{"readable", 0644}, Row{"unreadable", 0600}}) {
        ScratchFolder scratch;
        allowEveryone(scratch.path());
        writeFile(scratch.entries(), previous);
        ::chmod(scratch.entries().c_str(), ::geteuid() == 0 ? r.mode : r.mode & 0077);
        const std::string failure = asUnprivilegedUser([&] { return saveEntriesFile(scratch.entries(), saved); });
        ::chmod(backupPath(scratch.entries()).c_str(), 0600);
        EXPECT_EQ(failure, "") << r.name;
        EXPECT_EQ(fileBytes(scratch.entries()), saved) << r.name;
        EXPECT_EQ(fileBytes(backupPath(scratch.entries())), previous) << r.name;
        EXPECT_EQ(folderNames(scratch.path()), (Names{"jda.txt", "jda.txt.bak"})) << r.name;
    }
}

// The temporary names of earlier versions were predictable; somebody who
// takes them all, or puts links there, blocks nothing and gets nothing.
TEST(EntriesFileSave, TakenTemporaryNamesBlockNothing)
{
    ScratchFolder scratch;
    writeFile(scratch.path() / "victim", pattern(10, 9));
    for (int n = 0; n < 100; ++n) {
        const std::string name = ".jda.txt." + std::to_string(::getpid()) + "." + std::to_string(n) + ".neu";
        std::filesystem::create_symlink(scratch.path() / "victim", scratch.path() / name);
    }
    EXPECT_EQ(saveEntriesFile(scratch.entries(), saved), "");
    EXPECT_EQ(fileBytes(scratch.entries()), saved);
    EXPECT_EQ(fileBytes(scratch.path() / "victim"), pattern(10, 9));
}

// Each way a save can fail: the message says what and where, jda.txt and its
// backup keep every byte, and nothing new is left in the folder. Faults the
// machine can make are made for real (also as root); the rest through the
// step hook, with the error the system would give.
TEST(EntriesFileSave, FailuresLeaveTheOldFilesAlone)
{
    using Undo = std::shared_ptr<void>;
    struct Row {
        const char* name;
        // Prepares the failure in the folder; what it returns undoes it on
        // destruction; nothing when this machine cannot make it happen.
        std::function<std::optional<Undo>(ScratchFolder&)> arrange;
        std::filesystem::path (*target)(const ScratchFolder&);
        const char* mentioned; // a piece of the message
        SaveStepHook hook = {};
        Bytes backupAfter = older; // nothing: there is none
    };
    const auto jda = [](const ScratchFolder& s) { return s.entries(); };
    const auto nothing = [](ScratchFolder&) -> std::optional<Undo> { return Undo{}; };
    const auto at = [](SaveStep failing, int error, int occurrence = 1) {
        return [failing, error, occurrence, seen = 0](SaveStep step) mutable {
            return step == failing && ++seen == occurrence ? error : 0;
        };
    };
    const Row rows[] = {
        {"jda.txt is a folder",
         [](ScratchFolder& s) -> std::optional<Undo> {
             std::filesystem::remove(s.entries());
             std::filesystem::create_directory(s.entries());
             writeFile(s.entries() / "inside", pattern(10, 1));
             return Undo{};
         },
         jda, "an dieser Stelle steht ein Ordner"},
        {"the folder does not exist: no new file", nothing,
         [](const ScratchFolder& s) { return s.path() / "gone" / "jda.txt"; }, "ließ sich keine neue Datei anlegen"},
        {"file size limit: the write fails",
         [](ScratchFolder&) -> std::optional<Undo> { return Undo(std::make_shared<testing::FileSizeLimit>(100)); },
         jda, "ließ sich nicht schreiben"},
        {"read-only folder: no new file",
         [](ScratchFolder& s) -> std::optional<Undo> {
             auto readOnly = std::make_shared<testing::ReadOnlyFolder>(s.path());
             if (!readOnly->refuses())
                 return std::nullopt;
             return Undo(readOnly);
         },
         jda, "ließ sich keine neue Datei anlegen"},
        {"every free name taken", nothing, jda, "eine Datei dieses Namens ist schon vorhanden",
         [](SaveStep step) { return step == SaveStep::CreateTemporary ? EEXIST : 0; }},
        {"the permission bits cannot be set", nothing, jda, "Zugriffsrechte der neuen Datei",
         at(SaveStep::SetMode, EPERM)},
        {"the disk is full", nothing, jda, "der Datenträger ist voll", at(SaveStep::Write, ENOSPC)},
        {"flushing fails", nothing, jda, "nicht auf den Datenträger bringen", at(SaveStep::Flush, EIO)},
        {"closing fails", nothing, jda, "nicht abschließen", at(SaveStep::Close, EDQUOT)},
        {"the backup cannot be placed", nothing, jda, "als „", at(SaveStep::PlaceBackup, EACCES)},
        {"the copy for the backup cannot be written", nothing, jda, "jda.txt.bak",
         [seen = 0](SaveStep step) mutable {
             return step == SaveStep::LinkPrevious ? EPERM : step == SaveStep::Write && ++seen == 2 ? ENOSPC : 0;
         }},
        {"the new file cannot take jda.txt's place: the backup is its copy", nothing, jda, "an die Stelle von",
         at(SaveStep::Replace, EBUSY), previous},
        {"moved as the backup, then the new file cannot take its place", nothing, jda, "an die Stelle von",
         [](SaveStep step) {
             return step == SaveStep::LinkPrevious || step == SaveStep::CopyPrevious || step == SaveStep::Replace ? EIO
                                                                                                                   : 0;
         },
         {}},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        writeFile(scratch.entries(), previous);
        ::chmod(scratch.entries().c_str(), 0644);
        writeFile(backupPath(scratch.entries()), older);
        const auto target = r.target(scratch);
        const auto undo = r.arrange(scratch);
        if (!undo) {
            std::cout << "[ skipped  ] " << r.name << ": this file system lets every new file in\n";
            continue;
        }
        const Bytes before = fileBytes(target);
        auto namesBefore = folderNames(scratch.path());
        const std::string failure = saveEntriesFile(target, saved, r.hook);
        EXPECT_EQ(fileBytes(target), before) << r.name;
        if (std::filesystem::is_directory(target)) {
            EXPECT_EQ(fileBytes(target / "inside"), pattern(10, 1)) << r.name;
        }
        if (r.backupAfter.empty()) // the file itself went back from jda.txt.bak
            std::erase(namesBefore, "jda.txt.bak");
        EXPECT_EQ(folderNames(scratch.path()), namesBefore) << r.name;
        EXPECT_TRUE(failure.starts_with("Die Eingaben wurden nicht gespeichert")) << r.name << ": " << failure;
        EXPECT_NE(failure.find(r.mentioned), std::string::npos) << r.name << ": " << failure;
        EXPECT_NE(failure.find(target.parent_path().string()), std::string::npos) << r.name << ": " << failure;
        EXPECT_EQ(failure.find("Systemfehler"), std::string::npos) << r.name << ": " << failure;
        if (r.hook) {
            EXPECT_EQ(fileBytes(backupPath(target)), r.backupAfter) << r.name;
        }
    }
}

// The process is killed just before each step of a save, each way of keeping
// the previous file: jda.txt holds the previous or the new case, jda.txt.bak
// the older or the previous one, and the next start clears away what the
// killed save left.
TEST(EntriesFileSave, AKillAtAnyStepLeavesBothFilesWhole)
{
    struct Row {
        const char* way;
        std::vector<SaveStep> refused;
    };
    const Row ways[] = {
        {"linked", {}},
        {"copied", {SaveStep::LinkPrevious}},
        {"moved", {SaveStep::LinkPrevious, SaveStep::CopyPrevious}},
    };
    for (const Row& way : ways) {
        for (int killedAt = 1;; ++killedAt) {
            ScratchFolder scratch;
            writeFile(scratch.entries(), previous);
            writeFile(backupPath(scratch.entries()), older);
            const pid_t child = ::fork();
            if (child == 0) {
                int steps = 0;
                const std::string failure = saveEntriesFile(scratch.entries(), saved, [&](SaveStep step) {
                    if (++steps == killedAt)
                        ::raise(SIGKILL);
                    return std::find(way.refused.begin(), way.refused.end(), step) != way.refused.end() ? EPERM : 0;
                });
                ::_exit(failure.empty() ? 0 : 1);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            const std::string name = std::string{way.way} + ", killed before step " + std::to_string(killedAt);
            const Bytes jdaBytes = fileBytes(scratch.entries());
            const Bytes backupBytes = fileBytes(backupPath(scratch.entries()));
            if (way.refused.size() == 2 && backupBytes == previous && jdaBytes.empty()) {
                // Moved: between the two renames jda.txt is missing, and its
                // case lies complete in jda.txt.bak.
                EXPECT_FALSE(lookAt(scratch.entries())) << name;
            } else {
                EXPECT_TRUE(jdaBytes == previous || jdaBytes == saved) << name;
                EXPECT_TRUE(backupBytes == older || backupBytes == previous) << name;
            }
            removeLeftoverFiles(scratch.entries());
            Names left = folderNames(scratch.path());
            std::erase(left, "jda.txt");
            EXPECT_EQ(left, Names{"jda.txt.bak"}) << name;
            if (WIFEXITED(status)) {
                EXPECT_EQ(WEXITSTATUS(status), 0) << name;
                EXPECT_EQ(jdaBytes, saved) << name << ": the save ran to its end";
                EXPECT_GE(killedAt, 7) << name;
                break;
            }
        }
    }
}

// Two Tarvolins close in the same folder at the same moment, each step made
// slow so that their saves overlap: neither case is lost (one is jda.txt,
// the other jda.txt.bak), both were told "saved", nothing is left over.
TEST(EntriesFileSave, TwoSavesAtOnceLoseNothing)
{
    for (int round = 0; round < 10; ++round) {
        ScratchFolder scratch;
        writeFile(scratch.entries(), previous);
        const Bytes first = pattern(1292, 40);
        const Bytes second = pattern(1292, 50);
        std::vector<pid_t> children;
        for (const Bytes* bytes : {&first, &second}) {
            const pid_t child = ::fork();
            if (child == 0) {
                const std::string failure = saveEntriesFile(scratch.entries(), *bytes, [](SaveStep) {
                    ::usleep(2000);
                    return 0;
                });
                ::_exit(failure.empty() ? 0 : 1);
            }
            children.push_back(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        const Bytes jda = fileBytes(scratch.entries());
        const Bytes bak = fileBytes(backupPath(scratch.entries()));
        EXPECT_TRUE((jda == first && bak == second) || (jda == second && bak == first)) << "round " << round;
        EXPECT_EQ(folderNames(scratch.path()), (Names{"jda.txt", "jda.txt.bak"})) << "round " << round;
    }
}

// A save that cannot have the folder's lock in time says so and changes
// nothing.
TEST(EntriesFileSave, ASaveElsewhereThatDoesNotEndIsSaid)
{
    ScratchFolder scratch;
    writeFile(scratch.entries(), previous);
    const int folder = ::open(scratch.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::flock(folder, LOCK_EX);
        ::sleep(30);
        ::_exit(0);
    }
    ::close(folder);
    ::usleep(200'000);
    const std::string failure = saveEntriesFile(scratch.entries(), saved);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_NE(failure.find("Ein anderes Tarvolin speichert gerade"), std::string::npos) << failure;
    EXPECT_EQ(fileBytes(scratch.entries()), previous);
    EXPECT_EQ(folderNames(scratch.path()), Names{"jda.txt"});
}

// What a killed save left, at the next start: a complete case newer than
// jda.txt (or with no jda.txt at all) is put back and said; anything
// incomplete or older goes without a word.
TEST(EntriesFileLeftovers, ACompleteCaseIsPutBackNeverDeleted)
{
    struct Row {
        const char* name;
        std::optional<Bytes> jda;   // before; nothing: missing
        Bytes leftover;
        int ageSeconds;             // of the leftover against jda.txt: > 0 older
        Bytes jdaAfter;
        std::optional<Bytes> bakAfter;
        bool said;
        bool backupIsJda = false; // jda.txt.bak a second name of jda.txt
    };
    const Row rows[] = {
        // The put-back save links jda.txt under a new name and renames that
        // to jda.txt.bak, which is already that file: the rename does nothing.
        {"killed between the backup and the replacement: jda.txt.bak is jda.txt", previous, saved, -5, saved,
         previous, true, true},
        {"moved, killed between the renames: no jda.txt", std::nullopt, saved, -5, saved, older, true},
        {"an empty jda.txt", Bytes{}, saved, -5, saved, older, true},
        {"killed before the replacement: newer than jda.txt", previous, saved, -5, saved, previous, true},
        {"older than jda.txt", previous, saved, 5, previous, older, false},
        {"incomplete", std::nullopt, pattern(700, 3), -5, {}, older, false},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        writeFile(backupPath(scratch.entries()), older);
        if (r.jda)
            writeFile(scratch.entries(), *r.jda);
        if (r.backupIsJda) {
            std::filesystem::remove(backupPath(scratch.entries()));
            std::filesystem::create_hard_link(scratch.entries(), backupPath(scratch.entries()));
        }
        const auto leftover =
            scratch.path() / (".jda.txt." + std::to_string(testing::endedProcess()) + ".9f3c07a1.neu");
        writeFile(leftover, r.leftover);
        const timespec now{::time(nullptr), 0};
        const timespec jdaTime[2] = {now, now};
        const timespec leftoverTime[2] = {{now.tv_sec - r.ageSeconds, 0}, {now.tv_sec - r.ageSeconds, 0}};
        ::utimensat(AT_FDCWD, scratch.entries().c_str(), jdaTime, 0);
        ::utimensat(AT_FDCWD, leftover.c_str(), leftoverTime, 0);
        const std::string said = recoverInterruptedSave(scratch.entries());
        EXPECT_EQ(!said.empty(), r.said) << r.name << ": " << said;
        EXPECT_EQ(fileBytes(scratch.entries()), r.jdaAfter) << r.name;
        EXPECT_EQ(fileBytes(backupPath(scratch.entries())), *r.bakAfter) << r.name;
        for (const std::string& name : folderNames(scratch.path()))
            EXPECT_FALSE(name.ends_with(".neu")) << r.name << ": " << name;
    }
}

TEST(EntriesFileLeftovers, OnlyTheProgramsOwnWhoseProcessHasEnded)
{
    struct Row {
        const char* name;
        std::string file;
        bool removed;
        void (*make)(const std::filesystem::path&) = [](const std::filesystem::path& p) { writeFile(p, previous); };
    };
    const std::string ended = std::to_string(testing::endedProcess());
    const std::string running = std::to_string(::getpid());
    const Row rows[] = {
        {"a killed save's new file", ".jda.txt." + ended + ".9f3c07a1b2d4e5f6.neu", true},
        {"the numbered name of earlier versions", ".jda.txt." + ended + ".0.neu", true},
        {"a killed save's second name of a link",
         ".jda.txt." + ended + ".00ab.neu", true,
         [](const std::filesystem::path& p) { std::filesystem::create_symlink("/etc/passwd", p); }},
        {"a save that still runs", ".jda.txt." + running + ".9f3c.neu", false},
        {"another user's", ".jda.txt." + ended + ".1.neu", false,
         [](const std::filesystem::path& p) {
             writeFile(p, previous);
             if (::geteuid() != 0 || ::chown(p.c_str(), 65534, 65534) != 0)
                 std::filesystem::remove(p); // not root: nothing to show
         }},
        {"a folder of that form", ".jda.txt." + ended + ".2.neu", false,
         [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
        {"the backup", "jda.txt.bak", false},
        {"another file's", ".andere.txt." + ended + ".3.neu", false},
        {"no process number", ".jda.txt.x" + ended + ".4.neu", false},
        {"no random part", ".jda.txt." + ended + "..neu", false},
        {"something after it", ".jda.txt." + ended + ".5.neu.txt", false},
    };
    ScratchFolder scratch;
    for (const Row& r : rows)
        r.make(scratch.path() / r.file);
    const Names before = folderNames(scratch.path());
    removeLeftoverFiles(scratch.entries());
    const Names after = folderNames(scratch.path());
    for (const Row& r : rows) {
        const bool wasThere = std::find(before.begin(), before.end(), r.file) != before.end();
        const bool isThere = std::find(after.begin(), after.end(), r.file) != after.end();
        if (wasThere) {
            EXPECT_EQ(isThere, !r.removed) << r.name;
        }
    }
    EXPECT_TRUE(std::filesystem::exists("/etc/passwd"));
}

} // namespace
} // namespace tarvolin
