#pragma once
// Work run in a child process whose address space may grow by a given
// budget and no more (RLIMIT_AS over what it has at the start): a reader
// that spells out a repetition fails there with std::bad_alloc, however
// fast the machine. Memory is bounded by a cap, never measured by a clock.
//
// AddressSanitizer reserves terabytes of address space for itself, so in
// the sanitizer builds the work runs without the cap: there it is checked
// for faults, and the cap is checked by the ordinary build.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <new>
#include <string>

namespace tarvolin::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool memoryCapped = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool memoryCapped = false;
#else
inline constexpr bool memoryCapped = true;
#endif
#else
inline constexpr bool memoryCapped = true;
#endif

struct CappedRun {
    bool finished = false; // the work ran to its end
    std::string how;       // else what ended it
    std::string answer;    // what the work returned
};

inline CappedRun runWithMemoryCap(std::size_t budget, const std::function<std::string()>& work)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return {};
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (memoryCapped) {
            std::size_t pages = 0;
            std::ifstream{"/proc/self/statm"} >> pages;
            const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + budget;
            const rlimit cap{limit, limit};
            ::setrlimit(RLIMIT_AS, &cap);
        }
        int code = 0;
        std::string answer;
        try {
            answer = work();
        } catch (const std::bad_alloc&) {
            code = 3;
        }
        for (std::size_t at = 0; at < answer.size();) {
            const ssize_t n = ::write(pipe[1], answer.data() + at, answer.size() - at);
            if (n <= 0)
                break;
            at += static_cast<std::size_t>(n);
        }
        ::_exit(code);
    }
    ::close(pipe[1]);
    CappedRun run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        run.answer.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        run.how = "more memory than the budget";
    else if (WIFSIGNALED(status))
        run.how = "signal " + std::to_string(WTERMSIG(status));
    return run;
}

} // namespace tarvolin::testing
