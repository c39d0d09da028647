#pragma once
// RowSpool: the rows of a long printable table kept in a temporary file
// instead of in memory, so that a list of a million rows lays out and prints
// with memory that does not grow with it. The file is private (0600) and has
// no name: it goes with the object, or with the process however that ends.
// Where no such file can be made, the rows stay in memory.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class RowSpool {
public:
    RowSpool();
    ~RowSpool();
    RowSpool(const RowSpool&) = delete;
    RowSpool& operator=(const RowSpool&) = delete;

    void append(const std::vector<std::string>& cells, std::string_view note);
    std::size_t size() const { return rows_; }

    using Visit = std::function<void(std::size_t row, const std::vector<std::string>& cells, const std::string& note)>;
    // Each row in order; false, with the errno in error(), when the file
    // failed (a full disk while appending, or a read).
    bool forEach(const Visit& visit) const;
    int error() const { return error_; }

private:
    void flush() const;

    int fd_ = -1;
    std::size_t rows_ = 0;
    mutable std::string pending_; // appended, not yet in the file
    mutable int error_ = 0;
    std::vector<std::vector<std::string>> memoryRows_; // without a file
    std::vector<std::string> memoryNotes_;
};

} // namespace tarvolin
