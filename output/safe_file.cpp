#include "output/safe_file.h"

#include "calc/german_quotes.h"
#include "output/system_reason.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvolin {

namespace {

std::string quoted(const std::filesystem::path& p) { return inQuotes(p.string()); }

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

// The read and write bits of the regular file that the new one replaces, or
// the bits of a new file. 6755 becomes 0644, 0400 stays 0400.
mode_t modeFor(const std::filesystem::path& target, mode_t newMode)
{
    struct stat info{};
    if (::lstat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 0666;
    return newMode;
}

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

// The temporary files of writes in progress, for the signal handler: it may
// only look at plain memory, so each is a fixed buffer with a state.
struct InProgress {
    std::atomic<int> state{0}; // 0 free, 1 being filled, 2 a path to remove
    char path[PATH_MAX] = {};
};
std::array<InProgress, 32> inProgress;

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (InProgress& p : inProgress)
        if (p.state.load() == 2)
            ::unlink(p.path);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// SIGTERM and SIGINT, where nobody else handles them, first remove the
// temporary files and then end the program as they would have.
void installSignalHandlers()
{
    static const bool installed = [] {
        for (const int signal : {SIGTERM, SIGINT}) {
            struct sigaction old{};
            if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) {
                struct sigaction handler{};
                handler.sa_handler = removeTemporariesAndEnd;
                sigemptyset(&handler.sa_mask);
                ::sigaction(signal, &handler, nullptr);
            }
        }
        return true;
    }();
    (void)installed;
}

int registerInProgress(const std::filesystem::path& path)
{
    const std::string& name = path.native();
    if (name.size() >= PATH_MAX)
        return -1;
    installSignalHandlers();
    for (std::size_t i = 0; i < inProgress.size(); ++i) {
        int free = 0;
        if (inProgress[i].state.compare_exchange_strong(free, 1)) {
            std::memcpy(inProgress[i].path, name.c_str(), name.size() + 1);
            inProgress[i].state.store(2);
            return static_cast<int>(i);
        }
    }
    return -1; // more than 32 at once: a signal then leaves this one behind
}

void unregisterInProgress(int slot)
{
    if (slot >= 0)
        inProgress[static_cast<std::size_t>(slot)].state.store(0);
}

void syncFolder(const std::filesystem::path& target)
{
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return;
    ::fsync(dir); // the rename is done; this only makes it last through a power cut
    ::close(dir);
}

} // namespace

std::string WriteFailure::what() const
{
    switch (step) {
    case WriteStep::CheckTarget:
        return "Die Datei " + quoted(target) + " ist schreibgeschützt und wird nicht ersetzt";
    case WriteStep::CreateTemporary:
        return "Im Ordner " + quoted(folderOf(target)) + " ließ sich keine neue Datei anlegen";
    case WriteStep::SetMode:
        return "Die Zugriffsrechte der neuen Datei " + quoted(temporary) + " ließen sich nicht setzen";
    case WriteStep::Write:
        return "Die neue Datei " + quoted(temporary) + " ließ sich nicht schreiben";
    case WriteStep::Flush:
        return "Die neue Datei " + quoted(temporary) + " ließ sich nicht auf den Datenträger bringen";
    case WriteStep::Close:
        return "Die neue Datei " + quoted(temporary) + " ließ sich nicht abschließen";
    case WriteStep::Replace:
        return "Die neue Datei ließ sich nicht an die Stelle von " + quoted(target) + " setzen";
    }
    return {};
}

std::string WriteFailure::reason() const { return systemReason(error); }

std::string WriteFailure::sentence() const { return what() + " (" + reason() + ")."; }

std::filesystem::path folderOf(const std::filesystem::path& target)
{
    return target.has_parent_path() ? target.parent_path() : ".";
}

std::filesystem::path temporaryPathFor(const std::filesystem::path& target)
{
    // The random part keeps another user from guessing the name and taking it first.
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random))
        random = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) *
                 0x9E3779B97F4A7C15ull;
    char hex[17] = {};
    std::to_chars(hex, hex + 16, random, 16);
    return folderOf(target) /
           ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." + hex + ".neu");
}

SafeFile::SafeFile(std::filesystem::path target, FileOptions options)
    : target_{std::move(target)}, options_{std::move(options)}, mode_{options_.keepTargetMode ? modeFor(target_, options_.newMode) : options_.newMode}
{
    removeLeftoverTemporaries(target_);
    if (options_.refuseReadOnly && !step(WriteStep::CheckTarget, [&] {
            struct stat info{};
            if (::lstat(target_.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) {
                errno = EACCES;
                return false;
            }
            return true;
        }))
        return;
    // Ten names at most: a name that is taken is never opened, whatever it is.
    bool created = false;
    for (int attempt = 0; attempt < 10 && !created; ++attempt) {
        temporary_ = temporaryPathFor(target_);
        created = step(WriteStep::CreateTemporary, [&] {
            fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            return fd_ >= 0;
        });
        if (!created && failure_->error == EEXIST && attempt + 1 < 10)
            failure_.reset();
        else if (!created)
            break;
    }
    if (!created) {
        temporary_.clear();
        return;
    }
    slot_ = registerInProgress(temporary_);
    const auto setMode = [&] {
        if (::fchmod(fd_, mode_) == 0)
            return true;
        // A file system that keeps its own permission bits may already give
        // the right ones; any other bits would let the wrong people read.
        const int failed = errno;
        struct stat info{};
        const bool already = ::fstat(fd_, &info) == 0 && (info.st_mode & 07777) == mode_;
        errno = failed;
        return already;
    };
    step(WriteStep::SetMode, setMode);
}

SafeFile::~SafeFile()
{
    if (!committed_)
        discard();
}

bool SafeFile::step(WriteStep which, const std::function<bool()>& call)
{
    if (failure_)
        return false;
    int error = 0;
    if (options_.beforeStep)
        error = options_.beforeStep(which);
    if (error == 0 && !call())
        error = errno != 0 ? errno : EIO;
    if (error != 0)
        failWith(which, error);
    return error == 0;
}

void SafeFile::failWith(WriteStep which, int error)
{
    if (!failure_)
        failure_ = WriteFailure{which, error, target_, temporary_};
    if (which != WriteStep::CreateTemporary && which != WriteStep::Replace)
        discard();
}

void SafeFile::fail(WriteStep which, int error) { failWith(which, error != 0 ? error : EIO); }

bool SafeFile::write(std::span<const unsigned char> bytes)
{
    if (sealed_ && !failure_)
        failWith(WriteStep::Write, EBADF);
    return step(WriteStep::Write, [&] { return writeAll(fd_, bytes); });
}

bool SafeFile::write(std::string_view text)
{
    return write(std::span{reinterpret_cast<const unsigned char*>(text.data()), text.size()});
}

bool SafeFile::seal()
{
    if (sealed_ || failure_)
        return !failure_;
    if (!step(WriteStep::Flush, [&] { return ::fsync(fd_) == 0; }))
        return false;
    const int fd = fd_;
    fd_ = -1;
    if (!step(WriteStep::Close, [&] { return ::close(fd) == 0; }))
        return false;
    sealed_ = true;
    return true;
}

WriteResult SafeFile::commit()
{
    WriteResult result;
    struct stat info{};
    result.replaced = ::lstat(target_.c_str(), &info) == 0;
    if (seal() && step(WriteStep::Replace, [&] { return ::rename(temporary_.c_str(), target_.c_str()) == 0; })) {
        committed_ = true;
        unregisterInProgress(slot_);
        slot_ = -1;
        syncFolder(target_);
    } else if (failure_ && failure_->step == WriteStep::Replace) {
        discard();
    }
    result.failure = failure_;
    return result;
}

WriteResult SafeFile::commitNew(const std::filesystem::path& name)
{
    WriteResult result;
    const auto place = [&] {
        // Atomically and only where nothing stands; a file system that
        // cannot do that in one step gets a second name and loses the first.
        if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        if (::link(temporary_.c_str(), name.c_str()) != 0)
            return false;
        ::unlink(temporary_.c_str());
        return true;
    };
    if (seal() && step(WriteStep::Replace, place)) {
        committed_ = true;
        unregisterInProgress(slot_);
        slot_ = -1;
        target_ = name;
        syncFolder(target_);
    }
    result.failure = failure_;
    if (failure_ && failure_->step == WriteStep::Replace) {
        result.failure->target = name;
        if (failure_->error == EEXIST)
            failure_.reset(); // another name may be tried
        else
            discard();
    }
    return result;
}

void SafeFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty() && !committed_) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    unregisterInProgress(slot_);
    slot_ = -1;
}

WriteResult writeFileSafely(const std::filesystem::path& target, std::span<const unsigned char> bytes,
                            FileOptions options)
{
    SafeFile file{target, std::move(options)};
    file.write(bytes);
    return file.commit();
}

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    struct stat first{};
    struct stat second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

int makePrivateFolders(const std::filesystem::path& folder)
{
    if (folder.empty())
        return 0;
    struct stat info{};
    if (::stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (folder.has_parent_path() && folder.parent_path() != folder) {
        if (const int error = makePrivateFolders(folder.parent_path()))
            return error;
    }
    if (::mkdir(folder.c_str(), 0700) != 0)
        return errno == EEXIST ? 0 : errno;
    ::chmod(folder.c_str(), 0700); // a umask may have taken bits, never added any
    return 0;
}

void makePrivateFile(const std::filesystem::path& file)
{
    if (makePrivateFolders(folderOf(file)) != 0)
        return;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
}

std::vector<std::filesystem::path> leftoverTemporaries(const std::filesystem::path& target)
{
    std::vector<std::filesystem::path> found;
    DIR* folder = ::opendir(folderOf(target).c_str());
    if (folder == nullptr)
        return found;
    const std::string prefix = "." + target.filename().string() + ".";
    while (const dirent* entry = ::readdir(folder)) {
        const auto pid = processOfTemporary(entry->d_name, prefix);
        if (!pid)
            continue;
        struct stat info{};
        if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        // A process that still runs may be writing right now.
        if (::kill(*pid, 0) == 0 || errno != ESRCH)
            continue;
        found.push_back(folderOf(target) / entry->d_name);
    }
    ::closedir(folder);
    return found;
}

void removeLeftoverTemporaries(const std::filesystem::path& target)
{
    for (const std::filesystem::path& leftover : leftoverTemporaries(target))
        ::unlink(leftover.c_str());
}

} // namespace tarvolin
