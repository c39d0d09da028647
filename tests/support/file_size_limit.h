#pragma once
// A full disk on demand, for tests of any kind (GoogleTest and Qt Test).

#include <csignal>
#include <sys/resource.h>

namespace tarvolin::testing {

// Lets no file of this process grow past `bytes` while it lives, root or not:
// a write beyond fails with EFBIG (the signal that would end the process is
// ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldSignal_{std::signal(SIGXFSZ, SIG_IGN)}
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }

private:
    void (*oldSignal_)(int);
    rlimit old_{};
};

} // namespace tarvolin::testing
