#include "output/entries_file.h"

#include "output/saved_entries.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvolin {

namespace {

std::string quoted(const std::filesystem::path& p) { return "„" + p.string() + "“"; }

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

// A new, empty file next to the target, with a name nobody else uses.
std::pair<std::filesystem::path, int> createTemporary(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0;; ++attempt) {
        std::filesystem::path candidate = folder / (stem + std::to_string(attempt) + ".neu");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 99)
            return {std::move(candidate), fd};
    }
}

void syncFolder(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.valid())
        ::fsync(dir.get()); // the rename is done; this only makes it last through a power cut
}

} // namespace

EntriesFileRead readEntriesFile(const std::filesystem::path& path)
{
    EntriesFileRead result;
    const auto fail = [&](std::string_view what) {
        const int error = errno;
        result.bytes.clear();
        result.failure = "Die Datei " + quoted(path) + " " + std::string{what} + " (" + reason(error) + ").";
        return result;
    };
    // O_NONBLOCK keeps a pipe of that name from blocking the start-up.
    Descriptor fd{::open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666)};
    if (!fd.valid())
        return fail("ließ sich weder öffnen noch anlegen");
    struct stat info{};
    if (::fstat(fd.get(), &info) != 0)
        return fail("ließ sich nicht prüfen");
    if (!S_ISREG(info.st_mode)) {
        result.failure = "Die Datei " + quoted(path) + " ist keine gewöhnliche Datei.";
        return result;
    }
    result.bytes.resize(savedEntriesSize);
    std::size_t filled = 0;
    while (filled < result.bytes.size()) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail("ließ sich nicht lesen");
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    result.bytes.resize(filled);
    return result;
}

std::string saveEntriesFile(const std::filesystem::path& path, std::span<const unsigned char> bytes)
{
    struct stat old{};
    const bool hadFile = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const auto fail = [&](const std::string& what, int error) {
        std::string text = "Die Eingaben wurden nicht gespeichert: " + what + " (" + reason(error) + ").";
        if (hadFile)
            text += " Die bisherige Datei " + quoted(path) + " ist unverändert.";
        return text;
    };

    const auto created = createTemporary(path);
    const std::filesystem::path& temporary = created.first;
    if (created.second < 0) {
        const int error = errno;
        return fail("Im Ordner " + quoted(temporary.parent_path()) + " ließ sich keine neue Datei anlegen", error);
    }
    Descriptor fd{created.second};
    const auto failAndRemove = [&](const std::string& what) {
        const int error = errno;
        if (fd.valid())
            fd.close();
        ::unlink(temporary.c_str());
        return fail(what, error);
    };
    if (hadFile)
        ::fchmod(fd.get(), old.st_mode & 07777); // keep who may read the case
    if (!writeAll(fd.get(), bytes))
        return failAndRemove("Die neue Datei " + quoted(temporary) + " ließ sich nicht schreiben");
    if (::fsync(fd.get()) != 0)
        return failAndRemove("Die neue Datei " + quoted(temporary) + " ließ sich nicht auf den Datenträger bringen");
    if (!fd.close())
        return failAndRemove("Die neue Datei " + quoted(temporary) + " ließ sich nicht abschließen");
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return failAndRemove("Die neue Datei ließ sich nicht an die Stelle von " + quoted(path) + " setzen");
    syncFolder(path);
    return {};
}

} // namespace tarvolin
