#pragma once
// An .xlsx or .ods file as the ZIP archive it is, read with libzip (Debian's
// libzip: maintained, reads from a file or from memory, checks each entry's
// CRC, and says when an entry is encrypted). Entries are read as streams,
// never unpacked whole unless small, and every entry is bounded, because a
// few kilobytes of ZIP can unpack to gigabytes (a "ZIP bomb"): at most
// 1 GiB of one entry (a staff table of a million rows has some hundred MB),
// and past 64 MiB at most 200 times its packed size (real sheets pack 5 to
// 30 times). Problems are German sentences without their end.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct zip;
struct zip_file;

namespace tarvolin {

inline constexpr std::uint64_t largestEntry = std::uint64_t{1} << 30;
inline constexpr std::uint64_t ratioCheckedFrom = std::uint64_t{64} << 20;
inline constexpr std::uint64_t largestRatio = 200;

class ZipEntryStream {
public:
    ZipEntryStream(zip_file* file, std::string name, std::uint64_t size, std::uint64_t packedSize);
    ~ZipEntryStream();
    ZipEntryStream(const ZipEntryStream&) = delete;
    ZipEntryStream& operator=(const ZipEntryStream&) = delete;

    // Up to `n` bytes; 0 at the end, -1 on a failure (problem() says which).
    long read(char* into, std::size_t n);
    const std::string& problem() const { return problem_; }
    std::uint64_t bytesRead() const { return read_; }
    std::uint64_t size() const { return size_; }

private:
    zip_file* file_;
    std::string name_;
    std::uint64_t size_;
    std::uint64_t packedSize_;
    std::uint64_t read_ = 0;
    std::string problem_;
};

class ZipArchive {
public:
    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Empty text, or why the archive cannot be read.
    std::string open(const std::string& path);
    std::string openBytes(std::string bytes);

    bool has(std::string_view name) const;
    // An entry as a stream; nothing when it cannot be read (problem says why).
    std::unique_ptr<ZipEntryStream> stream(std::string_view name, std::string& problem) const;
    // Unpacks an entry to nothing, so that a broken or bomb-like entry is
    // refused before anything of it is used.
    bool check(std::string_view name, std::string& problem) const;
    // A small entry whole (at most `limit` bytes).
    bool readWhole(std::string_view name, std::size_t limit, std::string& into, std::string& problem) const;

private:
    std::string opened(int error);

    zip* archive_ = nullptr;
    std::string bytes_; // the archive when it was read from memory
};

} // namespace tarvolin
