#pragma once
// SavedEntries, the one record of the entries file jda.txt: 1292 bytes,
// integers 16-bit signed little-endian, texts in fixed fields of single
// Windows-1252 bytes, left-aligned and filled up with blanks, nothing between
// the fields:
//
//   offset  length  field
//      0       2    retirement age, whole years
//      2     360    36 date texts of 10 characters; date i at 2 + 10*i
//    362     840    14 descriptions of 60 characters; row k at 362 + 60*(k-1)
//   1202      58    reserved, carried through unchanged
//   1260       2    retirement age, additional months
//   1262      28    14 row flags; row k at 1262 + 2*(k-1)
//   1290       2    end-of-calculation choice, 1 for the employment-period view
//
// This is only the reader and the writer of the bytes. What the values mean
// for the window (which dates are trusted, the age ranges, which flag ticks a
// row) is decided by the start-up and the saving, not here.

#include "calc/fixed_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvolin {

inline constexpr std::size_t savedEntriesSize = 1292;
inline constexpr std::size_t savedDateCount = 36;
inline constexpr std::size_t savedDateWidth = 10;
inline constexpr std::size_t savedRowCount = 14;
inline constexpr std::size_t savedDescriptionWidth = descriptionLength;
inline constexpr std::size_t savedReservedWidth = 58;

inline constexpr std::size_t offsetAgeYears = 0;
inline constexpr std::size_t offsetDates = 2;
inline constexpr std::size_t offsetDescriptions = offsetDates + savedDateCount * savedDateWidth;                 // 362
inline constexpr std::size_t offsetReserved = offsetDescriptions + savedRowCount * savedDescriptionWidth;        // 1202
inline constexpr std::size_t offsetAgeMonths = offsetReserved + savedReservedWidth;                             // 1260
inline constexpr std::size_t offsetRowFlags = offsetAgeMonths + 2;                                               // 1262
inline constexpr std::size_t offsetChoice = offsetRowFlags + 2 * savedRowCount;                                  // 1290
static_assert(offsetChoice + 2 == savedEntriesSize);

using SavedRecordBytes = std::array<unsigned char, savedEntriesSize>;

struct SavedEntries {
    std::int16_t ageYears = 0;
    // Date texts 0 to 35 as UTF-8, as stored: normally "dd/mm/yyyy" or
    // "__/__/____", but a file may hold anything.
    std::array<std::string, savedDateCount> dates;
    // Descriptions of the rows 1 to 14 (row k at [k - 1]) as UTF-8, trailing
    // blanks included.
    std::array<std::string, savedRowCount> descriptions;
    std::array<unsigned char, savedReservedWidth> reserved{};
    std::int16_t ageMonths = 0;
    // Row flags of the rows 1 to 14 (row k at [k - 1]): -1 ticked, 0 not.
    std::array<std::int16_t, savedRowCount> rowFlags{};
    std::int16_t choice = 0;

    bool operator==(const SavedEntries&) const = default;
};

// Reads record 1 from the start of a file's bytes. Bytes the file does not
// hold read as zero; bytes after the record are not looked at. A text ends at
// its first zero byte (a field of zero bytes reads as the empty text); each
// other byte is one Windows-1252 character. Never fails.
SavedEntries readRecord(std::span<const unsigned char> bytes);

// The 1292 bytes of a record. A text is converted to Windows-1252 ("?" for a
// character it cannot hold, also for U+0000, which would end the text on
// reading), then cut to its field's width or filled up with blanks.
SavedRecordBytes writeRecord(const SavedEntries& record);

} // namespace tarvolin
