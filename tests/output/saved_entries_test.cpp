#include "output/saved_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

using Bytes = std::vector<unsigned char>;

const std::string mask = "__/__/____";
const std::string blanks60(60, ' ');

SavedEntries emptyCase()
{
    SavedEntries e;
    e.dates.fill(mask);
    e.descriptions.fill(blanks60);
    return e;
}

Bytes bytesAt(const SavedRecordBytes& r, std::size_t offset, std::size_t length)
{
    return Bytes(r.begin() + static_cast<std::ptrdiff_t>(offset), r.begin() + static_cast<std::ptrdiff_t>(offset + length));
}

Bytes ascii(std::string_view s) { return Bytes(s.begin(), s.end()); }

TEST(SavedEntriesLayout, EveryFieldAtItsOffset)
{
    SavedEntries e = emptyCase();
    e.ageYears = 0x1234;
    e.dates[35] = "31/12/2060";
    e.descriptions[0] = "A" + std::string(59, ' ');
    e.descriptions[13] = std::string(59, ' ') + "Z";
    for (std::size_t i = 0; i < e.reserved.size(); ++i)
        e.reserved[i] = static_cast<unsigned char>(0xA0 + i);
    e.ageMonths = -2;
    e.rowFlags[13] = 0x0102;
    e.choice = 0x7FFF;
    const SavedRecordBytes r = writeRecord(e);
    EXPECT_EQ(bytesAt(r, 0, 2), (Bytes{0x34, 0x12}));
    EXPECT_EQ(bytesAt(r, 352, 10), ascii("31/12/2060"));
    EXPECT_EQ(r[362], 'A');
    EXPECT_EQ(r[1201], 'Z');
    EXPECT_EQ(r[1202], 0xA0);
    EXPECT_EQ(r[1259], 0xA0 + 57);
    EXPECT_EQ(bytesAt(r, 1260, 2), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(bytesAt(r, 1288, 2), (Bytes{0x02, 0x01}));
    EXPECT_EQ(bytesAt(r, 1290, 2), (Bytes{0xFF, 0x7F}));
    EXPECT_EQ(readRecord(r), e);
}

TEST(SavedEntriesWriter, TextsAreFittedToTheirFields)
{
    struct Row {
        const char* name;
        std::string description;
        Bytes stored; // the 60 bytes of the field, or its start when shorter
    };
    const Row rows[] = {
        {"short text filled with blanks", "Wehrdienst", [] { Bytes b = ascii("Wehrdienst"); b.resize(60, ' '); return b; }()},
        {"longer text cut at 60", std::string(61, 'x') + "yz", Bytes(60, 'x')},
        {"umlaut is one byte", "Köln" + std::string(70, ' '),
         [] { Bytes b{'K', 0xF6, 'l', 'n'}; b.resize(60, ' '); return b; }()},
        {"61 euro signs: one byte each, cut at 60", [] { std::string s; for (int i = 0; i < 61; ++i) s += "€"; return s; }(),
         Bytes(60, 0x80)},
        {"character Windows-1252 lacks", "Łukasz", [] { Bytes b = ascii("?ukasz"); b.resize(60, ' '); return b; }()},
        {"a NUL would end the text on reading", std::string("a\0b", 3), [] { Bytes b = ascii("a?b"); b.resize(60, ' '); return b; }()},
    };
    for (const Row& row : rows) {
        SavedEntries e = emptyCase();
        e.descriptions[4] = row.description;
        EXPECT_EQ(bytesAt(writeRecord(e), 362 + 4 * 60, 60), row.stored) << row.name;
    }
    SavedEntries e = emptyCase();
    e.dates[2] = "01/01/20001";
    e.dates[3] = "1/1/2000";
    const SavedRecordBytes r = writeRecord(e);
    EXPECT_EQ(bytesAt(r, 22, 10), ascii("01/01/2000"));
    EXPECT_EQ(bytesAt(r, 32, 10), ascii("1/1/2000  "));
}

TEST(SavedEntriesReader, FilesOfAnyLength)
{
    struct Row {
        const char* name;
        Bytes file;
        std::int16_t ageYears;
        std::string date0;
        std::string date35;
        std::int16_t choice;
    };
    Bytes full(1292, ' ');
    full[0] = 66;
    full[1] = 0;
    full[1290] = 1;
    full[1291] = 0;
    Bytes longer = full;
    longer.insert(longer.end(), {0x07, 0x07, 0x07});
    Bytes hundred(100, 0);
    for (std::size_t i = 0; i < 100; ++i)
        hundred[i] = static_cast<unsigned char>('0' + i % 10);
    const Row rows[] = {
        {"empty file: all zero, texts empty", {}, 0, "", "", 0},
        {"one byte", {55}, 55, "", "", 0},
        {"100 bytes: the first date, the rest zero", hundred, 0x3130, "2345678901", "", 0},
        {"exactly one record", full, 66, "          ", "          ", 1},
        {"bytes after the record are not read", longer, 66, "          ", "          ", 1},
    };
    for (const Row& r : rows) {
        const SavedEntries e = readRecord(r.file);
        EXPECT_EQ(e.ageYears, r.ageYears) << r.name;
        EXPECT_EQ(e.dates[0], r.date0) << r.name;
        EXPECT_EQ(e.dates[35], r.date35) << r.name;
        EXPECT_EQ(e.choice, r.choice) << r.name;
    }
    const SavedEntries fromHundred = readRecord(hundred);
    EXPECT_EQ(fromHundred.dates[9], "23456789") << "date 9 is cut by the end of the file, bytes 100 and 101 read as zero";
    EXPECT_EQ(fromHundred.dates[10], "");
    EXPECT_EQ(fromHundred.descriptions[0], "");
    EXPECT_EQ(fromHundred.reserved, (std::array<unsigned char, 58>{}));
    EXPECT_EQ(fromHundred.rowFlags, (std::array<std::int16_t, 14>{}));
}

TEST(SavedEntriesReader, TextsAndNumbersAsStored)
{
    Bytes file(1292, ' ');
    const Bytes description = {'B', 0xFC, 'r', 'o', ' ', 0x80, ' ', 0x81, 0x9D, 'x', 0x00, 'h', 'i', 'd', 'd', 'e', 'n'};
    std::copy(description.begin(), description.end(), file.begin() + 362);
    file[1262] = 0xFF, file[1263] = 0xFF;  // row 1: -1
    file[1264] = 0x01, file[1265] = 0x00;  // row 2: 1
    file[1266] = 0x00, file[1267] = 0x80;  // row 3: -32768
    file[0] = 0x00, file[1] = 0x80;        // age: -32768
    const SavedEntries e = readRecord(file);
    EXPECT_EQ(e.descriptions[0], "Büro € \u0081\u009dx") << "a zero byte ends the text";
    EXPECT_EQ(e.descriptions[1], blanks60);
    EXPECT_EQ(e.rowFlags[0], -1);
    EXPECT_EQ(e.rowFlags[1], 1);
    EXPECT_EQ(e.rowFlags[2], -32768);
    EXPECT_EQ(e.ageYears, -32768);
    // Writing it back gives the same bytes, except after the zero byte.
    const SavedRecordBytes again = writeRecord(e);
    Bytes expected = file;
    std::fill(expected.begin() + 362 + 10, expected.begin() + 362 + 60, ' ');
    EXPECT_EQ(Bytes(again.begin(), again.end()), expected);
}

} // namespace
} // namespace tarvolin
