#include "stafflist/tables/shared_strings.h"

#include "stafflist/tables/decimal_number.h"
#include "stafflist/tables/sheet_rows.h"
#include "stafflist/tables/xml_feed.h"

#include <algorithm>

namespace tarvolin {

bool SharedStrings::push_back(std::string_view text)
{
    const std::uint64_t number = count_++;
    if (onlyUsed_) {
        if (ends_.size() >= used_.size() || used_[ends_.size()] != number)
            return true;
    } else if (bytes_.size() + text.size() + (ends_.size() + 1) * sizeof(std::uint32_t) > allKeptUpTo) {
        tooMany_ = true;
        std::string{}.swap(bytes_);
        std::vector<std::uint32_t>{}.swap(ends_);
        return false;
    }
    // A part is at most 1 GiB and its texts are no longer than its XML.
    if (bytes_.size() + text.size() > UINT32_MAX)
        return false;
    bytes_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    return true;
}

std::string_view SharedStrings::at(std::size_t kept) const
{
    const std::size_t begin = kept == 0 ? 0 : ends_[kept - 1];
    return std::string_view{bytes_}.substr(begin, ends_[kept] - begin);
}

std::optional<std::string_view> SharedStrings::find(std::uint64_t number) const
{
    if (!onlyUsed_)
        return number < ends_.size() ? std::optional{at(static_cast<std::size_t>(number))} : std::nullopt;
    const auto it = std::lower_bound(used_.begin(), used_.end(), number);
    const auto kept = static_cast<std::size_t>(it - used_.begin());
    if (it == used_.end() || *it != number || kept >= ends_.size())
        return std::nullopt;
    return at(kept);
}

namespace {

// The numbers in <c t="s"><v>N</v></c>. They are sorted and made unique
// whenever they have doubled, so that a sheet that uses one text a million
// times keeps one number.
class UsedNumbers final : public XmlHandler {
public:
    explicit UsedNumbers(std::vector<std::uint32_t>& used) : used_{used} {}

    void start(std::string_view name, const char** a) override
    {
        const std::string_view local = localName(name);
        if (local == "c") {
            const char* t = attribute(a, "", "t");
            shared_ = t != nullptr && std::string_view{t} == "s";
            value_.clear();
        } else if (local == "v" && shared_) {
            collecting_ = true;
        }
    }
    void end(std::string_view name) override
    {
        const std::string_view local = localName(name);
        if (local == "v") {
            collecting_ = false;
        } else if (local == "c" && shared_) {
            shared_ = false;
            if (const auto n = decimalNumber(value_, UINT32_MAX))
                add(static_cast<std::uint32_t>(*n));
        }
    }
    void text(std::string_view t) override
    {
        if (collecting_ && value_.size() < 24)
            value_.append(t);
    }
    // Sorted, each once.
    void finish()
    {
        std::sort(used_.begin(), used_.end());
        used_.erase(std::unique(used_.begin(), used_.end()), used_.end());
    }

private:
    void add(std::uint32_t n)
    {
        // More than a table may have: its reading will stop there anyway.
        if (++cells_ > mostFilledCells)
            return;
        used_.push_back(n);
        if (used_.size() >= 2 * distinct_ + 4096) {
            finish();
            distinct_ = used_.size();
        }
    }

    std::vector<std::uint32_t>& used_;
    std::size_t distinct_ = 0;
    std::uint64_t cells_ = 0;
    bool shared_ = false;
    bool collecting_ = false;
    std::string value_;
};

} // namespace

bool usedSharedStrings(const ZipArchive& archive, const std::string& sheetPart, std::vector<std::uint32_t>& used,
                       std::string& problem)
{
    used.clear();
    const auto stream = archive.stream(sheetPart, problem);
    if (!stream)
        return false;
    UsedNumbers numbers{used};
    XmlFeed feed{numbers};
    std::vector<char> block(1 << 16);
    for (;;) {
        const long got = stream->read(block.data(), block.size());
        if (got < 0) {
            problem = stream->problem();
            return false;
        }
        if (!feed.feed(block.data(), static_cast<std::size_t>(got), got == 0)) {
            problem = "der Teil „" + sheetPart + "“ der Datei " + feed.problem();
            return false;
        }
        if (got == 0)
            break;
    }
    numbers.finish();
    return true;
}

} // namespace tarvolin
