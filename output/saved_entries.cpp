#include "output/saved_entries.h"

#include "output/windows1252.h"

#include <algorithm>

namespace tarvolin {

namespace {

std::int16_t readInt16(const SavedRecordBytes& r, std::size_t offset)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(r[offset] | r[offset + 1] << 8));
}

void writeInt16(SavedRecordBytes& r, std::size_t offset, std::int16_t value)
{
    const auto v = static_cast<std::uint16_t>(value);
    r[offset] = static_cast<unsigned char>(v & 0xFF);
    r[offset + 1] = static_cast<unsigned char>(v >> 8);
}

std::string readText(const SavedRecordBytes& r, std::size_t offset, std::size_t width)
{
    const auto field = std::span{r}.subspan(offset, width);
    const auto end = std::find(field.begin(), field.end(), static_cast<unsigned char>(0));
    return fromWindows1252(field.first(static_cast<std::size_t>(end - field.begin())));
}

void writeText(SavedRecordBytes& r, std::size_t offset, std::size_t width, std::string_view text)
{
    std::vector<unsigned char> bytes = toWindows1252(text);
    std::replace(bytes.begin(), bytes.end(), static_cast<unsigned char>(0), static_cast<unsigned char>('?'));
    bytes.resize(width, static_cast<unsigned char>(' '));
    std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace

SavedEntries readRecord(std::span<const unsigned char> bytes)
{
    SavedRecordBytes r{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), r.size()), r.begin());

    SavedEntries e;
    e.ageYears = readInt16(r, offsetAgeYears);
    for (std::size_t i = 0; i < savedDateCount; ++i)
        e.dates[i] = readText(r, offsetDates + savedDateWidth * i, savedDateWidth);
    for (std::size_t k = 0; k < savedRowCount; ++k)
        e.descriptions[k] = readText(r, offsetDescriptions + savedDescriptionWidth * k, savedDescriptionWidth);
    std::copy_n(r.begin() + offsetReserved, savedReservedWidth, e.reserved.begin());
    e.ageMonths = readInt16(r, offsetAgeMonths);
    for (std::size_t k = 0; k < savedRowCount; ++k)
        e.rowFlags[k] = readInt16(r, offsetRowFlags + 2 * k);
    e.choice = readInt16(r, offsetChoice);
    return e;
}

SavedRecordBytes writeRecord(const SavedEntries& e)
{
    SavedRecordBytes r{};
    writeInt16(r, offsetAgeYears, e.ageYears);
    for (std::size_t i = 0; i < savedDateCount; ++i)
        writeText(r, offsetDates + savedDateWidth * i, savedDateWidth, e.dates[i]);
    for (std::size_t k = 0; k < savedRowCount; ++k)
        writeText(r, offsetDescriptions + savedDescriptionWidth * k, savedDescriptionWidth, e.descriptions[k]);
    std::copy(e.reserved.begin(), e.reserved.end(), r.begin() + offsetReserved);
    writeInt16(r, offsetAgeMonths, e.ageMonths);
    for (std::size_t k = 0; k < savedRowCount; ++k)
        writeInt16(r, offsetRowFlags + 2 * k, e.rowFlags[k]);
    writeInt16(r, offsetChoice, e.choice);
    return r;
}

} // namespace tarvolin
