#include "output/entries_file.h"

#include "calc/german_quotes.h"
#include "output/saved_entries.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <string_view>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvolin {

namespace {

std::string quoted(const std::filesystem::path& p) { return inQuotes(p.string()); }

constexpr std::string_view symlinkReason = "an dieser Stelle steht eine symbolische Verknüpfung";
constexpr std::string_view specialFileReason = "an dieser Stelle steht keine gewöhnliche Datei";

// The system's reason in German; the messages of the C library are English
// on these machines.
std::string reason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EROFS:
        return "der Datenträger ist schreibgeschützt";
    case ENOSPC:
        return "der Datenträger ist voll";
    case EDQUOT:
        return "der zugeteilte Speicherplatz ist erschöpft";
    case EFBIG:
        return "die Datei wäre größer als erlaubt";
    case ENOENT:
        return "der Ordner ist nicht vorhanden";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case EISDIR:
        return "an dieser Stelle steht ein Ordner";
    case EEXIST:
        return "eine Datei dieses Namens ist schon vorhanden";
    case EBUSY:
    case ETXTBSY:
        return "die Datei ist belegt";
    case ENAMETOOLONG:
        return "der Name ist zu lang";
    case EMFILE:
    case ENFILE:
        return "es sind zu viele Dateien geöffnet";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers";
    case ELOOP:
        return "zu viele symbolische Verknüpfungen";
    default:
        return "Systemfehler " + std::to_string(error);
    }
}

// Closes a descriptor when it goes out of scope, unless it was closed already.
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
    // Closes now and tells whether that went well (a write may fail late).
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const unsigned char> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

std::filesystem::path folderOf(const std::filesystem::path& target)
{
    return target.has_parent_path() ? target.parent_path() : ".";
}

// The name of a temporary file of this process: ".jda.txt.4711.9f3c...e2.neu".
// The random part keeps another user from guessing it and taking it first.
std::string temporaryName(const std::filesystem::path& target)
{
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random))
        random = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) *
                 0x9E3779B97F4A7C15ull;
    char hex[17] = {};
    std::to_chars(hex, hex + 16, random, 16);
    return "." + target.filename().string() + "." + std::to_string(::getpid()) + "." + hex + ".neu";
}

// The process that made a temporary file of the target's, read from its name;
// nothing when the name is not of that form.
std::optional<pid_t> processOfTemporary(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix) || !name.ends_with(".neu"))
        return std::nullopt;
    name = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    const auto dot = name.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
        return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dot, pid);
    if (error != std::errc{} || end != name.data() + dot || pid <= 0)
        return std::nullopt;
    for (const char c : name.substr(dot + 1))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return std::nullopt;
    return pid;
}

// Runs one step of a save: the test's hook first, which may make the step
// fail with an errno of its choosing, then the call itself. 0 when it went
// well, else the errno, taken before anything else can change it.
template <typename Call>
int runStep(const SaveStepHook& hook, SaveStep step, Call&& call)
{
    if (hook) {
        if (const int error = hook(step))
            return error;
    }
    return call() ? 0 : errno;
}

// What failed, as a sentence part, with the errno of the failure.
struct Failure {
    std::string what;
    int error = 0;
};

// A new temporary file next to the target with these permission bits,
// filled by `fill`, flushed and closed. Either its name, or what failed (and
// then nothing is left).
struct Filled {
    std::filesystem::path path;
    std::optional<Failure> failure;
};

Filled createFilled(const std::filesystem::path& target, mode_t mode, const std::function<bool(int)>& fill,
                    const SaveStepHook& hook)
{
    const std::filesystem::path folder = folderOf(target);
    Filled result;
    int fd = -1;
    int error = EEXIST;
    for (int attempt = 0; attempt < 10 && error == EEXIST; ++attempt) {
        result.path = folder / temporaryName(target);
        error = runStep(hook, SaveStep::CreateTemporary, [&] {
            fd = ::open(result.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            return fd >= 0;
        });
    }
    if (error != 0) {
        result.failure = Failure{"Im Ordner " + quoted(folder) + " ließ sich keine neue Datei anlegen", error};
        return result;
    }
    Descriptor file{fd};
    const auto failAndRemove = [&](int failed, std::string what) {
        if (file.valid())
            file.close();
        ::unlink(result.path.c_str());
        result.failure = Failure{std::move(what), failed};
        return result;
    };
    const auto setMode = [&] {
        if (::fchmod(file.get(), mode) == 0)
            return true;
        // A file system that keeps its own permission bits may already give
        // the right ones; any other bits would let the wrong people read.
        const int failed = errno;
        struct stat info{};
        const bool already = ::fstat(file.get(), &info) == 0 && (info.st_mode & 07777) == mode;
        errno = failed;
        return already;
    };
    const std::string name = quoted(result.path);
    if (const int failed = runStep(hook, SaveStep::SetMode, setMode))
        return failAndRemove(failed, "Die Zugriffsrechte der neuen Datei " + name + " ließen sich nicht setzen");
    if (const int failed = runStep(hook, SaveStep::Write, [&] { return fill(file.get()); }))
        return failAndRemove(failed, "Die neue Datei " + name + " ließ sich nicht schreiben");
    if (const int failed = runStep(hook, SaveStep::Flush, [&] { return ::fsync(file.get()) == 0; }))
        return failAndRemove(failed, "Die neue Datei " + name + " ließ sich nicht auf den Datenträger bringen");
    if (const int failed = runStep(hook, SaveStep::Close, [&] { return file.close(); }))
        return failAndRemove(failed, "Die neue Datei " + name + " ließ sich nicht abschließen");
    return result;
}

// Copies everything from `from` to `to`; a failed read is told apart from a
// failed write by `readFailed`.
bool copyAll(int from, int to, bool& readFailed)
{
    std::vector<unsigned char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            readFailed = true;
            return false;
        }
        if (n == 0)
            return true;
        if (!writeAll(to, std::span{buffer}.first(static_cast<std::size_t>(n))))
            return false;
    }
}

// What stands under the target's name before a save.
struct Previous {
    bool exists = false;
    bool isFolder = false;
    bool isRegular = false;
    bool holdsCase = false; // anything but a missing or empty regular file
    mode_t mode = 0600;     // the bits the saved file gets
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
    // Who may read and write stays exactly as it was (the case holds personal
    // data: a save never opens it to anyone); nothing may run the file or run
    // as its owner. 6755 becomes 0644, 0400 stays 0400.
    if (p.isRegular)
        p.mode = info.st_mode & 0666;
    return p;
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
        const std::filesystem::path second = folderOf(path) / temporaryName(path);
        const int error =
            runStep(hook, SaveStep::LinkPrevious, [&] { return ::link(path.c_str(), second.c_str()) == 0; });
        if (error == EEXIST)
            continue;
        if (error == ENOENT)
            return std::nullopt; // gone meanwhile: nothing to keep
        if (error != 0)
            break;
        auto failure = place(second);
        if (failure)
            ::unlink(second.c_str());
        return failure;
    }

    // Another user's file or a file system without hard links: a copy of the
    // bytes, if they can be read.
    if (previous.isRegular) {
        int fd = -1;
        runStep(hook, SaveStep::CopyPrevious, [&] {
            fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            return fd >= 0;
        });
        Descriptor from{fd};
        if (from.valid()) {
            bool readFailed = false;
            const Filled copy = createFilled(
                path, previous.mode, [&](int to) { return copyAll(from.get(), to, readFailed); }, hook);
            if (!copy.failure) {
                auto failure = place(copy.path);
                if (failure)
                    ::unlink(copy.path.c_str());
                return failure;
            }
            if (!readFailed)
                return Failure{keepFailed, copy.failure->error};
        }
    }

    // Neither: the file itself becomes the backup, and jda.txt is missing
    // until the new file is renamed into its place.
    auto failure = place(path);
    moved = !failure;
    return failure;
}

void syncFolder(const std::filesystem::path& target)
{
    Descriptor dir{::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.valid())
        ::fsync(dir.get()); // the rename is done; this only makes it last through a power cut
}

} // namespace

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
                return unreadable(reason(errno));
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
            return unreadable(reason(EISDIR));
        if (!S_ISREG(info.st_mode))
            return unreadable(std::string{specialFileReason});
        // O_NONBLOCK keeps a pipe that took the file's place from blocking the start-up.
        Descriptor fd{::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
        if (!fd.valid())
            return unreadable(errno == ELOOP ? std::string{symlinkReason} : reason(errno));
        if (::fstat(fd.get(), &info) != 0)
            return unreadable(reason(errno));
        if (!S_ISREG(info.st_mode))
            return unreadable(std::string{specialFileReason});
        result.bytes.resize(savedEntriesSize);
        std::size_t filled = 0;
        while (filled < result.bytes.size()) {
            const ssize_t n = ::read(fd.get(), result.bytes.data() + filled, result.bytes.size() - filled);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return unreadable(reason(errno));
            if (n == 0)
                break;
            filled += static_cast<std::size_t>(n);
        }
        result.bytes.resize(filled);
        return result;
    }
    return unreadable(reason(EEXIST));
}

void removeLeftoverFiles(const std::filesystem::path& path)
{
    DIR* folder = ::opendir(folderOf(path).c_str());
    if (folder == nullptr)
        return;
    const std::string prefix = "." + path.filename().string() + ".";
    while (const dirent* entry = ::readdir(folder)) {
        const auto pid = processOfTemporary(entry->d_name, prefix);
        if (!pid)
            continue;
        struct stat info{};
        if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        // A process that still runs may be saving right now.
        if (::kill(*pid, 0) == 0 || errno != ESRCH)
            continue;
        ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

std::string saveEntriesFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                            const SaveStepHook& beforeStep)
{
    const Previous previous = previousOf(path);
    const auto fail = [&](const Failure& f) {
        std::string text = "Die Eingaben wurden nicht gespeichert: " + f.what + " (" + reason(f.error) + ").";
        if (previous.exists && !previous.isFolder)
            text += " Die bisherige Datei " + quoted(path) + " ist unverändert.";
        return text;
    };
    const std::string replaceFailed = "Die neue Datei ließ sich nicht an die Stelle von " + quoted(path) + " setzen";
    if (previous.isFolder)
        return fail({replaceFailed, EISDIR});

    const Filled created = createFilled(
        path, previous.mode, [&](int fd) { return writeAll(fd, bytes); }, beforeStep);
    if (created.failure)
        return fail(*created.failure);
    const auto failAndRemove = [&](const Failure& f) {
        ::unlink(created.path.c_str());
        return fail(f);
    };

    bool moved = false;
    if (previous.holdsCase) {
        if (const auto failure = keepPrevious(path, previous, moved, beforeStep))
            return failAndRemove(*failure);
    }
    if (const int error = runStep(beforeStep, SaveStep::Replace,
                                  [&] { return ::rename(created.path.c_str(), path.c_str()) == 0; })) {
        if (moved) // the backup goes back to its old name; the older backup is lost
            ::rename(backupPath(path).c_str(), path.c_str());
        return failAndRemove({replaceFailed, error});
    }
    syncFolder(path);
    return {};
}

} // namespace tarvolin
