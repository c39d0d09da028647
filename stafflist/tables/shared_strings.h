#pragma once
// The shared texts of an .xlsx workbook, found by their number. A workbook
// may hold millions of them that no cell uses (50 million empty ones are
// 250 MB of XML that packs to a few hundred KB): all of them are kept only
// while they take at most 8 MB; past that, only those whose numbers the
// sheet uses, which the sheet is read once more to learn. Either way the
// texts cost at most what the cells that show them hold.

#include "stafflist/tables/zip_archive.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class SharedStrings {
public:
    static constexpr std::size_t allKeptUpTo = 8 << 20;

    // Every text, up to allKeptUpTo.
    SharedStrings() = default;
    // Only the texts of these numbers (in ascending order, each once).
    explicit SharedStrings(std::vector<std::uint32_t> used) : used_{std::move(used)}, onlyUsed_{true} {}

    // The next text of the part, in its order. False when keeping every text
    // would pass allKeptUpTo: the reader then learns the numbers used.
    bool push_back(std::string_view text);
    // The text of a number, if the workbook has it.
    std::optional<std::string_view> find(std::uint64_t number) const;
    // How many texts the part had so far.
    std::uint64_t count() const { return count_; }
    // Whether it stopped keeping every text (push_back gave false).
    bool tooMany() const { return tooMany_; }

private:
    std::string_view at(std::size_t kept) const;

    std::vector<std::uint32_t> used_;
    bool onlyUsed_ = false;
    bool tooMany_ = false;
    std::string bytes_;
    std::vector<std::uint32_t> ends_; // of each kept text in bytes_
    std::uint64_t count_ = 0;
};

// The numbers of the shared texts that the cells of a sheet use, ascending,
// each once; as many as the sheet has cells of shared texts (the reading of
// its rows bounds those). False with a German `problem` when the part
// cannot be read.
bool usedSharedStrings(const ZipArchive& archive, const std::string& sheetPart, std::vector<std::uint32_t>& used,
                       std::string& problem);

} // namespace tarvolin
