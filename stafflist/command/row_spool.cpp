#include "stafflist/command/row_spool.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tarvolin {

namespace {

constexpr std::size_t flushAt = 1 << 20;

void putNumber(std::string& to, std::uint32_t n) { to.append(reinterpret_cast<const char*>(&n), sizeof n); }

void putText(std::string& to, std::string_view text)
{
    putNumber(to, static_cast<std::uint32_t>(text.size()));
    to.append(text);
}

// A file without a name in the temporary folder, for this process only.
int anonymousFile()
{
    const char* folder = std::getenv("TMPDIR");
    const std::string where = folder != nullptr && *folder != '\0' ? folder : "/tmp";
    const int fd = ::open(where.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    std::string pattern = where + "/tarvolin-zeilen-XXXXXX";
    const int made = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (made >= 0)
        ::unlink(pattern.c_str());
    return made;
}

// Reads the file from its start through a buffer and hands out its records.
class SpoolReader {
public:
    explicit SpoolReader(int fd) : fd_{fd}, buffer_(flushAt) {}
    bool number(std::uint32_t& n) { return bytes(reinterpret_cast<char*>(&n), sizeof n); }
    bool text(std::string& into)
    {
        std::uint32_t length = 0;
        if (!number(length))
            return false;
        into.resize(length);
        return bytes(into.data(), length);
    }
    int error() const { return error_; }

private:
    bool bytes(char* into, std::size_t n)
    {
        while (n > 0) {
            if (at_ == end_ && !fill())
                return false;
            const std::size_t take = std::min(n, end_ - at_);
            std::memcpy(into, buffer_.data() + at_, take);
            at_ += take;
            into += take;
            n -= take;
        }
        return true;
    }
    bool fill()
    {
        for (;;) {
            const ssize_t got = ::pread(fd_, buffer_.data(), buffer_.size(), offset_);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                error_ = got < 0 ? errno : EIO; // the file ends inside a record
                return false;
            }
            offset_ += got;
            at_ = 0;
            end_ = static_cast<std::size_t>(got);
            return true;
        }
    }

    int fd_;
    std::vector<char> buffer_;
    off_t offset_ = 0;
    std::size_t at_ = 0;
    std::size_t end_ = 0;
    int error_ = 0;
};

} // namespace

RowSpool::RowSpool() : fd_{anonymousFile()} {}

RowSpool::~RowSpool()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void RowSpool::append(const std::vector<std::string>& cells, std::string_view note)
{
    ++rows_;
    if (fd_ < 0) {
        memoryRows_.push_back(cells);
        memoryNotes_.emplace_back(note);
        return;
    }
    putNumber(pending_, static_cast<std::uint32_t>(cells.size()));
    for (const std::string& cell : cells)
        putText(pending_, cell);
    putText(pending_, note);
    if (pending_.size() >= flushAt)
        flush();
}

void RowSpool::flush() const
{
    std::string_view rest = pending_;
    while (!rest.empty() && error_ == 0) {
        const ssize_t n = ::write(fd_, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error_ = n < 0 ? errno : ENOSPC;
        else
            rest.remove_prefix(static_cast<std::size_t>(n));
    }
    pending_.clear();
}

bool RowSpool::forEach(const Visit& visit) const
{
    if (fd_ < 0) {
        for (std::size_t r = 0; r < memoryRows_.size(); ++r)
            visit(r, memoryRows_[r], memoryNotes_[r]);
        return true;
    }
    flush();
    if (error_ != 0)
        return false;
    SpoolReader reader{fd_};
    std::vector<std::string> cells;
    std::string note;
    for (std::size_t r = 0; r < rows_; ++r) {
        std::uint32_t count = 0;
        if (!reader.number(count))
            break;
        cells.resize(count);
        bool whole = true;
        for (std::string& cell : cells)
            whole = whole && reader.text(cell);
        if (!whole || !reader.text(note))
            break;
        visit(r, cells, note);
        if (r + 1 == rows_)
            return true;
    }
    if (rows_ == 0)
        return true;
    error_ = reader.error() != 0 ? reader.error() : EIO;
    return false;
}

} // namespace tarvolin
