#include "output/safe_file.h"
#include "output/system_reason.h"

#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/wait.h>

namespace tarvolin {
namespace {

using testing::fileBytes;
using testing::folderNames;
using testing::lookAt;
using testing::ScratchFolder;
using testing::writeFile;
using Bytes = std::vector<unsigned char>;
using Names = std::vector<std::string>;

const Bytes oldBytes{'a', 'l', 't'};
const Bytes newBytes{'n', 'e', 'u', '\n', 0, 0xFF};

unsigned permissions(const std::filesystem::path& p) { return lookAt(p) ? lookAt(p)->st_mode & 07777 : 0; }

WriteStepHook failAt(WriteStep failing, int error)
{
    return [failing, error](WriteStep step) { return step == failing ? error : 0; };
}

// What stands at the target before, and what the file has afterwards.
TEST(SafeFile, WritesTheWholeFileInPlaceOfWhateverStoodThere)
{
    struct Row {
        const char* name;
        std::function<void(const std::filesystem::path&)> before;
        bool replaced;
        unsigned mode;
    };
    const Row rows[] = {
        {"nothing: a new file for its owner only", [](const auto&) {}, false, 0600},
        {"a file: its read and write bits stay", [](const auto& p) { writeFile(p, oldBytes); ::chmod(p.c_str(), 0640); },
         true, 0640},
        {"a file with execute and setuid bits: they go",
         [](const auto& p) { writeFile(p, oldBytes); ::chmod(p.c_str(), 04755); }, true, 0644},
        {"a read-only file", [](const auto& p) { writeFile(p, oldBytes); ::chmod(p.c_str(), 0444); }, true, 0444},
        {"a link: replaced itself, never written through",
         [](const auto& p) {
             writeFile(p.parent_path() / "ziel", oldBytes);
             ::chmod((p.parent_path() / "ziel").c_str(), 0644);
             std::filesystem::create_symlink(p.parent_path() / "ziel", p);
         },
         true, 0600},
        {"a dangling link: nothing is created where it points",
         [](const auto& p) { std::filesystem::create_symlink(p.parent_path() / "nirgends", p); }, true, 0600},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        const auto target = scratch.path() / "liste.csv";
        r.before(target);
        const mode_t umask = ::umask(0);
        const WriteResult result = writeFileSafely(target, newBytes);
        ::umask(umask);
        ASSERT_TRUE(result) << r.name << ": " << result.failure->sentence();
        EXPECT_EQ(result.replaced, r.replaced) << r.name;
        EXPECT_EQ(fileBytes(target), newBytes) << r.name;
        EXPECT_FALSE(std::filesystem::is_symlink(target)) << r.name;
        EXPECT_EQ(permissions(target), r.mode) << r.name;
        if (std::filesystem::exists(scratch.path() / "ziel")) {
            EXPECT_EQ(fileBytes(scratch.path() / "ziel"), oldBytes) << r.name;
        }
        EXPECT_FALSE(std::filesystem::exists(scratch.path() / "nirgends")) << r.name;
        for (const std::string& name : folderNames(scratch.path()))
            EXPECT_FALSE(name.ends_with(".neu")) << r.name << ": " << name << " left behind";
    }
}

// Each step that fails: the old file keeps every byte, nothing is left in the
// folder, and the caller learns the step and a German reason with the place.
TEST(SafeFile, AFailedStepLeavesTheOldFileAndNothingElse)
{
    struct Row {
        const char* name;
        WriteStep step;
        int error;
        const char* sentence; // a piece of it
    };
    const Row rows[] = {
        {"no new file", WriteStep::CreateTemporary, EACCES, "ließ sich keine neue Datei anlegen (keine Berechtigung)"},
        {"permission bits", WriteStep::SetMode, EPERM, "Zugriffsrechte der neuen Datei"},
        {"disk full", WriteStep::Write, ENOSPC, "ließ sich nicht schreiben (der Datenträger ist voll)"},
        {"flush", WriteStep::Flush, EIO, "nicht auf den Datenträger bringen (Ein-/Ausgabefehler des Datenträgers)"},
        {"close", WriteStep::Close, EDQUOT, "nicht abschließen (der zugeteilte Speicherplatz ist erschöpft)"},
        {"rename", WriteStep::Replace, EBUSY, "nicht an die Stelle von „"},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        const auto target = scratch.path() / "liste.pdf";
        writeFile(target, oldBytes);
        const Names before = folderNames(scratch.path());
        const WriteResult result = writeFileSafely(target, newBytes, {.beforeStep = failAt(r.step, r.error)});
        ASSERT_FALSE(result) << r.name;
        EXPECT_EQ(result.failure->step, r.step) << r.name;
        EXPECT_EQ(result.failure->error, r.error) << r.name;
        EXPECT_EQ(fileBytes(target), oldBytes) << r.name;
        EXPECT_EQ(folderNames(scratch.path()), before) << r.name;
        const std::string sentence = result.failure->sentence();
        EXPECT_NE(sentence.find(r.sentence), std::string::npos) << r.name << ": " << sentence;
        EXPECT_NE(sentence.find(scratch.path().string()), std::string::npos) << r.name << ": " << sentence;
    }
}

// A library that opens its file by name writes to the temporary path; the
// target appears only with the commit, and not at all when it is discarded.
TEST(SafeFile, ALibraryWritesByNameAndTheCallerCommits)
{
    ScratchFolder scratch;
    const auto target = scratch.path() / "liste.xlsx";
    writeFile(target, oldBytes);
    {
        SafeFile file{target};
        ASSERT_TRUE(file.ok());
        std::ofstream{file.temporaryPath(), std::ios::binary | std::ios::trunc} << "halb";
        EXPECT_EQ(fileBytes(target), oldBytes) << "nothing shows before the commit";
    }
    EXPECT_EQ(fileBytes(target), oldBytes) << "given up on: the old file stays";
    EXPECT_EQ(folderNames(scratch.path()), Names{"liste.xlsx"});

    SafeFile file{target};
    std::ofstream{file.temporaryPath(), std::ios::binary | std::ios::trunc} << "ganz";
    const WriteResult result = file.commit();
    ASSERT_TRUE(result);
    EXPECT_EQ(fileBytes(target), (Bytes{'g', 'a', 'n', 'z'}));

    SafeFile failed{target};
    failed.fail(WriteStep::Write, ENOSPC);
    const WriteResult refused = failed.commit();
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure->reason(), "der Datenträger ist voll");
    EXPECT_EQ(fileBytes(target), (Bytes{'g', 'a', 'n', 'z'}));
    EXPECT_EQ(folderNames(scratch.path()), Names{"liste.xlsx"});
}

// A file that must not replace anything: each name that is taken (a file, a
// link, even one that points nowhere) is refused with EEXIST, the written
// file stays for the next name, and nothing taken is touched.
TEST(SafeFile, ANewNameNeverReplacesAnything)
{
    ScratchFolder scratch;
    const auto folder = scratch.path();
    writeFile(folder / "brief.pdf", oldBytes);
    std::filesystem::create_symlink(folder / "nirgends", folder / "brief-2.pdf");
    SafeFile file{folder / "brief.pdf"};
    file.write(newBytes);
    for (const char* taken : {"brief.pdf", "brief-2.pdf"}) {
        const WriteResult result = file.commitNew(folder / taken);
        ASSERT_FALSE(result) << taken;
        EXPECT_EQ(result.failure->error, EEXIST) << taken;
        EXPECT_TRUE(file.ok()) << taken << ": another name may be tried";
    }
    ASSERT_TRUE(file.commitNew(folder / "brief-3.pdf"));
    EXPECT_EQ(fileBytes(folder / "brief.pdf"), oldBytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "nirgends"));
    EXPECT_EQ(fileBytes(folder / "brief-3.pdf"), newBytes);
    EXPECT_EQ(folderNames(folder), (Names{"brief-2.pdf", "brief-3.pdf", "brief.pdf"}));
}

// Killed before any step: the target holds the old or the new bytes whole,
// and what the killed write left is cleared away afterwards.
TEST(SafeFile, AKillAtAnyStepLeavesTheTargetWhole)
{
    for (int killedAt = 1;; ++killedAt) {
        ScratchFolder scratch;
        const auto target = scratch.path() / "liste.csv";
        writeFile(target, oldBytes);
        const pid_t child = ::fork();
        if (child == 0) {
            int steps = 0;
            const WriteResult result = writeFileSafely(target, newBytes, {.beforeStep = [&](WriteStep) {
                                                           if (++steps == killedAt)
                                                               ::raise(SIGKILL);
                                                           return 0;
                                                       }});
            ::_exit(result ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        const Bytes after = fileBytes(target);
        EXPECT_TRUE(after == oldBytes || after == newBytes) << "killed before step " << killedAt;
        removeLeftoverTemporaries(target);
        EXPECT_EQ(folderNames(scratch.path()), Names{"liste.csv"}) << "killed before step " << killedAt;
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            EXPECT_EQ(after, newBytes);
            EXPECT_EQ(killedAt, 7) << "six steps: create, mode, write, flush, close, replace";
            break;
        }
    }
}

// A read-only file that the user named as output was made so on purpose: it
// is not replaced, and the caller can say why. Without the request (the
// entries file) it is replaced as before.
TEST(SafeFile, AReadOnlyTargetIsRefusedWhenAskedFor)
{
    struct Row {
        const char* name;
        mode_t mode;
        bool refuse;
        bool written;
    };
    const Row rows[] = {
        {"0444, refused", 0444, true, false},
        {"0400, refused", 0400, true, false},
        {"0644, replaced", 0644, true, true},
        {"0444 without the request: replaced", 0444, false, true},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        const auto target = scratch.path() / "liste.csv";
        writeFile(target, oldBytes);
        ::chmod(target.c_str(), r.mode);
        const WriteResult result = writeFileSafely(target, newBytes, {.refuseReadOnly = r.refuse});
        EXPECT_EQ(bool(result), r.written) << r.name;
        EXPECT_EQ(fileBytes(target), r.written ? newBytes : oldBytes) << r.name;
        EXPECT_EQ(folderNames(scratch.path()), Names{"liste.csv"}) << r.name;
        if (!r.written) {
            EXPECT_EQ(result.failure->step, WriteStep::CheckTarget) << r.name;
            EXPECT_NE(result.failure->sentence().find("ist schreibgeschützt und wird nicht ersetzt"), std::string::npos)
                << r.name;
        }
    }
}

// SIGTERM or SIGINT in the middle of a write: the temporary file goes, the
// target stays, and the program still ends by that signal.
TEST(SafeFile, ATerminationSignalRemovesTheTemporaryFile)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        ScratchFolder scratch;
        const auto target = scratch.path() / "liste.pdf";
        writeFile(target, oldBytes);
        const pid_t child = ::fork();
        if (child == 0) {
            SafeFile file{target};
            file.write(newBytes);
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(fileBytes(target), oldBytes) << signal;
        EXPECT_EQ(folderNames(scratch.path()), Names{"liste.pdf"}) << signal;
    }
}

// A write killed outright leaves its temporary file; the next write of the
// same target clears it away (another target's stays).
TEST(SafeFile, TheNextWriteClearsWhatAKilledOneLeft)
{
    ScratchFolder scratch;
    const std::string ended = std::to_string(testing::endedProcess());
    writeFile(scratch.path() / (".liste.csv." + ended + ".ab12.neu"), oldBytes);
    writeFile(scratch.path() / (".andere.csv." + ended + ".ab12.neu"), oldBytes);
    ASSERT_TRUE(writeFileSafely(scratch.path() / "liste.csv", newBytes));
    EXPECT_EQ(folderNames(scratch.path()), (Names{".andere.csv." + ended + ".ab12.neu", "liste.csv"}));
}

TEST(SafeFile, TheSameFileUnderAnyName)
{
    ScratchFolder scratch;
    const auto file = scratch.path() / "personal.csv";
    writeFile(file, oldBytes);
    writeFile(scratch.path() / "andere.csv", oldBytes);
    std::filesystem::create_symlink(file, scratch.path() / "verweis.csv");
    std::filesystem::create_hard_link(file, scratch.path() / "zweiter-name.csv");
    struct Row {
        const char* name;
        std::filesystem::path other;
        bool same;
    };
    const Row rows[] = {
        {"itself", file, true},
        {"through ./", scratch.path() / "." / "personal.csv", true},
        {"a link to it", scratch.path() / "verweis.csv", true},
        {"a second hard name", scratch.path() / "zweiter-name.csv", true},
        {"a file with the same bytes", scratch.path() / "andere.csv", false},
        {"a name not there yet", scratch.path() / "neu.csv", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(isSameFile(file, r.other), r.same) << r.name;
}

// Folders for personal data are for their owner only, whatever the umask;
// a folder that was there keeps its bits.
TEST(SafeFile, PrivateFoldersAndFiles)
{
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch.path() / "da");
    ::chmod((scratch.path() / "da").c_str(), 0755);
    const mode_t umask = ::umask(0);
    EXPECT_EQ(makePrivateFolders(scratch.path() / "da" / "Fälle" / "1001"), 0);
    makePrivateFile(scratch.path() / "conf" / "Tarvolin.conf");
    ::umask(umask);
    EXPECT_EQ(permissions(scratch.path() / "da"), 0755u);
    EXPECT_EQ(permissions(scratch.path() / "da" / "Fälle"), 0700u);
    EXPECT_EQ(permissions(scratch.path() / "da" / "Fälle" / "1001"), 0700u);
    EXPECT_EQ(permissions(scratch.path() / "conf"), 0700u);
    EXPECT_EQ(permissions(scratch.path() / "conf" / "Tarvolin.conf"), 0600u);
    writeFile(scratch.path() / "datei", oldBytes);
    EXPECT_EQ(makePrivateFolders(scratch.path() / "datei" / "unter"), ENOTDIR);
}

// Every errno that a write or a rename can meet has German words; none of
// the C library's English texts ever reaches a message.
TEST(SystemReason, EveryCommonErrorInGerman)
{
    for (const int error : {EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EFBIG, ENOENT, ENOTDIR, EISDIR, EEXIST, EBUSY,
                            ETXTBSY, ENAMETOOLONG, EMFILE, ENFILE, EIO, ELOOP, EXDEV, ENOMEM, EINVAL, ENXIO,
                            EWOULDBLOCK, EINTR, ESTALE, ETIMEDOUT}) {
        const std::string reason = systemReason(error);
        EXPECT_EQ(reason.find("Systemfehler"), std::string::npos) << error;
        EXPECT_EQ(reason.find(::strerror(error)), std::string::npos) << error;
    }
    EXPECT_EQ(systemReason(EHWPOISON), "Systemfehler " + std::to_string(EHWPOISON));
}

} // namespace
} // namespace tarvolin
