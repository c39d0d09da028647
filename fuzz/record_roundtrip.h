#pragma once
// What every file, whatever its length and content, must keep through the
// entries record's reader and writer. Shared by the fuzzer and by the test
// that replays its corpus.
//
// The oracle: writing what was read gives back the file's first 1292 bytes
// (zeros where the file is shorter), except that each text field is blank from
// its first zero byte on, because a zero byte ends a stored text. Every other
// byte, the integers, the reserved field and each of the 256 possible text
// bytes, comes back as it was. Reading and writing once more changes nothing.

#include "output/saved_entries.h"

#include <algorithm>
#include <span>
#include <string>

namespace tarvolin::fuzzing {

inline SavedRecordBytes expectedRewrite(std::span<const unsigned char> file)
{
    SavedRecordBytes expected{};
    std::copy_n(file.begin(), std::min(file.size(), expected.size()), expected.begin());
    const auto blankFromZero = [&](std::size_t offset, std::size_t width) {
        const auto begin = expected.begin() + static_cast<std::ptrdiff_t>(offset);
        const auto end = begin + static_cast<std::ptrdiff_t>(width);
        std::fill(std::find(begin, end, static_cast<unsigned char>(0)), end, static_cast<unsigned char>(' '));
    };
    for (std::size_t i = 0; i < savedDateCount; ++i)
        blankFromZero(offsetDates + savedDateWidth * i, savedDateWidth);
    for (std::size_t k = 0; k < savedRowCount; ++k)
        blankFromZero(offsetDescriptions + savedDescriptionWidth * k, savedDescriptionWidth);
    return expected;
}

// "" when the file keeps every property, else which one it broke.
inline std::string recordRoundTripFault(std::span<const unsigned char> file)
{
    const SavedEntries first = readRecord(file);
    const SavedRecordBytes written = writeRecord(first);
    static_assert(sizeof written == savedEntriesSize);
    if (written != expectedRewrite(file))
        return "the record written differs from the bytes read";
    const SavedEntries second = readRecord(written);
    if (writeRecord(second) != written)
        return "a second read and write changes the record";
    if (readRecord(writeRecord(second)) != second)
        return "a third read differs from the second";
    if (second.reserved != first.reserved || second.ageYears != first.ageYears ||
        second.ageMonths != first.ageMonths || second.rowFlags != first.rowFlags || second.choice != first.choice)
        return "a number or the reserved field changed";
    return {};
}

} // namespace tarvolin::fuzzing
