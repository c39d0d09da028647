#pragma once
// Texts one after the other in one buffer, each found by its end: many short
// texts without a string object each.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class PackedTexts {
public:
    void push_back(std::string_view text)
    {
        bytes_.append(text);
        ends_.push_back(bytes_.size());
    }
    std::string_view operator[](std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view{bytes_}.substr(begin, ends_[i] - begin);
    }
    std::size_t size() const { return ends_.size(); }

private:
    std::string bytes_;
    std::vector<std::size_t> ends_;
};

} // namespace tarvolin
