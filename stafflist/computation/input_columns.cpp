#include "stafflist/computation/input_columns.h"

#include <cctype>
#include <vector>

namespace tarvolin {

namespace {

// A spelling as headers are compared with it, split at its "#".
struct Spelling {
    std::size_t column;
    std::string before, after;
    bool numbered;
};

std::vector<Spelling> makeSpellings()
{
    std::vector<Spelling> all;
    for (std::size_t c = 0; c < inputColumns.size(); ++c) {
        auto add = [&](std::string_view text) {
            const std::string n = normalizedHeader(text);
            const auto hash = n.find('#');
            if (hash == std::string::npos)
                all.push_back({c, n, {}, false});
            else
                all.push_back({c, n.substr(0, hash), n.substr(hash + 1), true});
        };
        add(inputColumns[c].name);
        std::string_view rest = inputColumns[c].spellings;
        while (!rest.empty()) {
            const auto bar = rest.find('|');
            add(rest.substr(0, bar));
            rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
        }
    }
    return all;
}

// The period's number where "#" stands: 1 to 3 digits, not 0.
int periodNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 3)
        return 0;
    int n = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

std::optional<HeaderMatch> matchHeader(std::string_view header)
{
    static const std::vector<Spelling> spellings = makeSpellings();
    const std::string n = normalizedHeader(header);
    const std::string_view h{n};
    for (const Spelling& s : spellings) {
        if (!s.numbered) {
            if (h == s.before)
                return HeaderMatch{s.column, 0};
            continue;
        }
        if (h.size() <= s.before.size() + s.after.size() || !h.starts_with(s.before) || !h.ends_with(s.after))
            continue;
        const int k = periodNumber(h.substr(s.before.size(), h.size() - s.before.size() - s.after.size()));
        if (k > 0)
            return HeaderMatch{s.column, k};
    }
    return std::nullopt;
}

InputSlot slotAt(std::size_t slot)
{
    for (std::size_t c = 0; c < inputColumns.size(); ++c) {
        const std::size_t width = perPeriod(inputColumns[c]) ? periodRows : 1;
        if (slot < width)
            return {c, perPeriod(inputColumns[c]) ? static_cast<int>(slot) + 1 : 0};
        slot -= width;
    }
    return {inputColumns.size(), 0};
}

std::string slotName(InputSlot slot)
{
    std::string name{inputColumns[slot.column].name};
    if (const auto hash = name.find('#'); hash != std::string::npos)
        name.replace(hash, 1, std::to_string(slot.period));
    return name;
}

} // namespace tarvolin
