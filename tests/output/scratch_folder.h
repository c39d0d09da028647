#pragma once
// A fresh folder under the system's temporary folder for one test, made the
// working directory while the test runs (the entries file lives in the working
// directory); the old working directory comes back and the folder goes away
// at the end.

#include "tests/support/file_size_limit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

namespace tarvolin::testing {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-test-XXXXXX").string();
        const char* made = ::mkdtemp(pattern.data());
        if (made == nullptr)
            throw std::runtime_error("no scratch folder");
        path_ = made;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path entries() const { return path_ / "jda.txt"; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// The bytes of a file; nothing for a missing file or a folder.
inline std::vector<unsigned char> fileBytes(const std::filesystem::path& p)
{
    if (!std::filesystem::is_regular_file(p))
        return {};
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& p, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The names in a folder, to see that a failed save leaves no stray file.
inline std::vector<std::string> folderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tarvolin::testing

#include <csignal>
#include <grp.h>
#include <optional>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tarvolin::testing {

// Makes a folder refuse new files, renames and deletions while it lives. The
// permission bits stop nobody when the tests run as root, so there the folder
// gets the file system's immutable flag (what `chattr +i` sets), which binds
// root too; otherwise its write permission is taken away. Whether the folder
// really refuses is tried out: refuses() is false where neither works, and
// the test then has nothing to show.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : folder_{std::move(folder)}
    {
        if (::geteuid() == 0)
            setImmutable(true);
        else
            ::chmod(folder_.c_str(), 0555);
        const auto probe = folder_ / "probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        refuses_ = fd < 0;
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
        }
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    ~ReadOnlyFolder()
    {
        if (::geteuid() == 0)
            setImmutable(false);
        else
            ::chmod(folder_.c_str(), 0755);
    }
    bool refuses() const { return refuses_; }

private:
    void setImmutable(bool on)
    {
        const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    std::filesystem::path folder_;
    bool refuses_ = false;
};

} // namespace tarvolin::testing

#include <functional>
#include <sys/wait.h>

namespace tarvolin::testing {

// Runs `work` as a user without privileges and hands back what it returns.
// Permission bits stop nobody when the tests run as root, so there `work`
// runs in a child process that has become the user "nobody" (what `setpriv
// --reuid=65534` does); otherwise the test's own user is unprivileged already.
// The scratch folder must let that user in (allowEveryone).
inline std::string asUnprivilegedUser(const std::function<std::string()>& work)
{
    if (::geteuid() != 0)
        return work();
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string answer = "could not become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 &&
            ::setresuid(65534, 65534, 65534) == 0)
            answer = work();
        [[maybe_unused]] const auto written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return answer;
}

inline void allowEveryone(const std::filesystem::path& folder) { ::chmod(folder.c_str(), 0777); }

// The number of a process that has ended (barring reuse of the number).
inline pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

inline std::optional<struct stat> lookAt(const std::filesystem::path& p)
{
    struct stat info{};
    if (::lstat(p.c_str(), &info) != 0)
        return std::nullopt;
    return info;
}

} // namespace tarvolin::testing
