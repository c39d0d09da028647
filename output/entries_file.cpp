#include "output/entries_file.h"

#include "calc/german_quotes.h"
#include "output/safe_file.h"
#include "output/saved_entries.h"
#include "output/system_reason.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarvolin {

namespace {

std::string quoted(const std::filesystem::path& p) { return inQuotes(p.string()); }

constexpr std::string_view symlinkReason = "an dieser Stelle steht eine symbolische Verknüpfung";
constexpr std::string_view specialFileReason = "an dieser Stelle steht keine gewöhnliche Datei";

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_{fd} {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Runs one step of a save that is not the writing of a file: the test's hook
// first, which may make the step fail with an errno of its choosing, then
// the call itself. 0 when it went well, else the errno.
template <typename Call>
int runStep(const SaveStepHook& hook, SaveStep step, Call&& call)
{
    if (hook) {
        if (const int error = hook(step))
            return error;
    }
    return call() ? 0 : errno;
}

// The hook of a save as the hook of one file it writes (the same hook, with
// whatever it counts, not a copy): the steps of the new
// jda.txt keep their names; the copy that becomes jda.txt.bak takes its
// place with PlaceBackup.
WriteStepHook fileHook(const SaveStepHook& hook, bool isBackup)
{
    if (!hook)
        return {};
    return [&hook, isBackup](WriteStep step) {
        switch (step) {
        case WriteStep::CreateTemporary:
            return hook(SaveStep::CreateTemporary);
        case WriteStep::SetMode:
            return hook(SaveStep::SetMode);
        case WriteStep::Write:
            return hook(SaveStep::Write);
        case WriteStep::Flush:
            return hook(SaveStep::Flush);
        case WriteStep::Close:
            return hook(SaveStep::Close);
        case WriteStep::Replace:
            return hook(isBackup ? SaveStep::PlaceBackup : SaveStep::Replace);
        case WriteStep::CheckTarget: // a case's own file is never refused for being read-only
            return 0;
        }
        return 0;
    };
}

// What failed, as a sentence part, with the errno of the failure.
struct Failure {
    std::string what;
    int error = 0;
};

Failure failureOf(const WriteFailure& f) { return {f.what(), f.error}; }

// What stands under the target's name before a save.
struct Previous {
    bool exists = false;
    bool isFolder = false;
    bool isRegular = false;
    bool holdsCase = false; // anything but a missing or empty regular file
    mode_t mode = 0600;     // its read and write bits, which its copy gets
};

Previous previousOf(const std::filesystem::path& path)
{
    Previous p;
    struct stat info{};
    if (::lstat(path.c_str(), &info) != 0)
        return p;
    p.exists = true;
    p.isFolder = S_ISDIR(info.st_mode);
    p.isRegular = S_ISREG(info.st_mode);
    p.holdsCase = !p.isFolder && !(p.isRegular && info.st_size == 0);
    if (p.isRegular)
        p.mode = info.st_mode & 0666;
    return p;
}

// A copy of the previous file's bytes becomes jda.txt.bak. Nothing when it
// was placed; a failure of writing the copy; or, when the previous file could
// not be read, "unread" and the caller moves the file itself.
struct Copied {
    bool unread = false;
    std::optional<Failure> failure;
};

Copied copyPrevious(const std::filesystem::path& path, mode_t mode, const SaveStepHook& hook)
{
    int fd = -1;
    runStep(hook, SaveStep::CopyPrevious, [&] {
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        return fd >= 0;
    });
    Descriptor from{fd};
    if (!from.valid())
        return {true, std::nullopt};
    SafeFile copy{backupPath(path), {.newMode = mode, .keepTargetMode = false, .beforeStep = fileHook(hook, true)}};
    std::vector<unsigned char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(from.get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {true, std::nullopt};
        if (n == 0)
            break;
        if (!copy.write(std::span{buffer}.first(static_cast<std::size_t>(n))))
            break;
    }
    if (const WriteResult placed = copy.commit(); !placed)
        return {false, failureOf(*placed.failure)};
    return {};
}

// Makes the previous file jda.txt.bak. `moved` tells that the file itself was
// renamed, so that jda.txt is missing until the new file takes its place.
std::optional<Failure> keepPrevious(const std::filesystem::path& path, const Previous& previous, bool& moved,
                                    const SaveStepHook& hook)
{
    const std::filesystem::path backup = backupPath(path);
    const std::string keepFailed = "Die bisherige Datei ließ sich nicht als " + quoted(backup) + " aufheben";
    const auto place = [&](const std::filesystem::path& from) -> std::optional<Failure> {
        const int error =
            runStep(hook, SaveStep::PlaceBackup, [&] { return ::rename(from.c_str(), backup.c_str()) == 0; });
        if (error != 0)
            return Failure{keepFailed, error};
        return std::nullopt;
    };

    // A second name for the same file: exactly its bytes, or the link or pipe
    // itself, while jda.txt stays where it is.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::filesystem::path second = temporaryPathFor(path);
        const int error =
            runStep(hook, SaveStep::LinkPrevious, [&] { return ::link(path.c_str(), second.c_str()) == 0; });
        if (error == EEXIST)
            continue;
        if (error == ENOENT)
            return std::nullopt; // gone meanwhile: nothing to keep
        if (error != 0)
            break;
        // The second name goes whatever the rename did: when jda.txt.bak is
        // already this file (a save killed after keeping the backup and
        // before the replacement), the rename of one of its names to another
        // does nothing and succeeds, and would leave this name behind.
        auto failure = place(second);
        ::unlink(second.c_str());
        return failure;
    }

    // Another user's file or a file system without hard links: a copy of the
    // bytes, if they can be read.
    if (previous.isRegular) {
        const Copied copied = copyPrevious(path, previous.mode, hook);
        if (!copied.unread) {
            if (copied.failure)
                return Failure{keepFailed, copied.failure->error};
            return std::nullopt;
        }
    }

    // Neither: the file itself becomes the backup, and jda.txt is missing
    // until the new file is renamed into its place.
    auto failure = place(path);
    moved = !failure;
    return failure;
}

// Holds the lock on the entries file's folder while it lives. Another
// Tarvolin saving into the same folder waits; after a few seconds it gives
// up. A folder that cannot be locked (a file system without locks) is saved
// into without one, as before.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& path)
        : fd_{::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)}
    {
        if (fd_ < 0)
            return;
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return; // no locks here
            ::usleep(50'000);
        }
        busy_ = true;
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock()
    {
        if (fd_ >= 0)
            ::close(fd_); // and with it the lock
    }
    bool busy() const { return busy_; }

private:
    int fd_;
    bool busy_ = false;
};

// The newest complete case that a killed save left, if it should be put back.
std::optional<std::filesystem::path> caseToPutBack(const std::filesystem::path& path)
{
    struct stat current{};
    const bool holdsCase = ::lstat(path.c_str(), &current) == 0 && !(S_ISREG(current.st_mode) && current.st_size == 0);
    const auto newer = [](const struct stat& a, const struct stat& b) {
        return a.st_mtim.tv_sec != b.st_mtim.tv_sec ? a.st_mtim.tv_sec > b.st_mtim.tv_sec
                                                    : a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
    };
    std::optional<std::filesystem::path> best;
    struct stat bestInfo{};
    for (const std::filesystem::path& leftover : leftoverTemporaries(path)) {
        struct stat info{};
        if (::lstat(leftover.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_size != static_cast<off_t>(savedEntriesSize))
            continue; // incomplete
        if (holdsCase && !newer(info, current))
            continue; // older than the case in place, or the same file
        if (!best || newer(info, bestInfo)) {
            best = leftover;
            bestInfo = info;
        }
    }
    return best;
}

} // namespace

std::string recoverInterruptedSave(const std::filesystem::path& path)
{
    std::string said;
    if (const auto leftover = caseToPutBack(path)) {
        std::vector<unsigned char> bytes(savedEntriesSize);
        Descriptor fd{::open(leftover->c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
        const bool read = fd.valid() && ::read(fd.get(), bytes.data(), bytes.size()) ==
                                            static_cast<ssize_t>(bytes.size());
        if (read && saveEntriesFile(path, bytes).empty())
            said = "Das letzte Speichern in „" + path.string() + "“ wurde unterbrochen. Der dabei gespeicherte Fall "
                   "wurde wiederhergestellt.";
    }
    removeLeftoverFiles(path);
    return said;
}

std::filesystem::path backupPath(const std::filesystem::path& path)
{
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

EntriesFileRead readEntriesFile(const std::filesystem::path& path)
{
    EntriesFileRead result;
    const auto unreadable = [&](std::string why) {
        result.bytes.clear();
        result.unreadable = std::move(why);
        return result;
    };
    // Twice at most: a file that appears between the look and the creation
    // is looked at again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        struct stat info{};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return unreadable(systemReason(errno));
            // Only a real new file, never through a link that appeared meanwhile.
            const int created = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (created >= 0) {
                ::close(created);
                return result;
            }
            if (errno == EEXIST)
                continue;
            return result; // no case to lose; a save will say what is wrong
        }
        if (S_ISLNK(info.st_mode))
            return unreadable(std::string{symlinkReason});
        if (S_ISDIR(info.st_mode))
            return unreadable(systemReason(EISDIR));
        if (!S_ISREG(info.st_mode))
            return unreadable(std::string{specialFileReason});
        // O_NONBLOCK keeps a pipe that took the file's place from blocking the start-up.
        Descriptor fd{::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
        if (!fd.valid())
            return unreadable(errno == ELOOP ? std::string{symlinkReason} : systemReason(errno));
        if (::fstat(fd.get(), &info) != 0)
            return unreadable(systemReason(errno));
        if (!S_ISREG(info.st_mode))
            return unreadable(std::string{specialFileReason});
        result.bytes.resize(savedEntriesSize);
        std::size_t filled = 0;
        while (filled < result.bytes.size()) {
            const ssize_t n = ::read(fd.get(), result.bytes.data() + filled, result.bytes.size() - filled);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return unreadable(systemReason(errno));
            if (n == 0)
                break;
            filled += static_cast<std::size_t>(n);
        }
        result.bytes.resize(filled);
        return result;
    }
    return unreadable(systemReason(EEXIST));
}

void removeLeftoverFiles(const std::filesystem::path& path)
{
    removeLeftoverTemporaries(path);
    removeLeftoverTemporaries(backupPath(path));
}

std::string saveEntriesFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                            const SaveStepHook& beforeStep)
{
    const FolderLock lock{path};
    if (lock.busy())
        return "Die Eingaben wurden nicht gespeichert: Ein anderes Tarvolin speichert gerade einen Fall in "
               + quoted(path) + ". Bitte gleich noch einmal versuchen.";
    const Previous previous = previousOf(path);
    const auto fail = [&](const Failure& f) {
        std::string text = "Die Eingaben wurden nicht gespeichert: " + f.what + " (" + systemReason(f.error) + ").";
        if (previous.exists && !previous.isFolder)
            text += " Die bisherige Datei " + quoted(path) + " ist unverändert.";
        return text;
    };
    const std::string replaceFailed = "Die neue Datei ließ sich nicht an die Stelle von " + quoted(path) + " setzen";
    if (previous.isFolder)
        return fail({replaceFailed, EISDIR});

    SafeFile created{path, {.beforeStep = fileHook(beforeStep, false)}};
    created.write(bytes);
    if (!created.seal())
        return fail(failureOf(*created.failure()));

    bool moved = false;
    if (previous.holdsCase) {
        if (const auto failure = keepPrevious(path, previous, moved, beforeStep))
            return fail(*failure);
    }
    if (const WriteResult replaced = created.commit(); !replaced) {
        if (moved) // the backup goes back to its old name; the older backup is lost
            ::rename(backupPath(path).c_str(), path.c_str());
        return fail({replaceFailed, replaced.failure->error});
    }
    return {};
}

} // namespace tarvolin
