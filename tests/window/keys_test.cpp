// Characters and their key codes.

#include "window/keys.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(KeyCodes, CharactersOfAText)
{
    struct Row {
        const char* text;
        std::vector<std::string_view> characters;
    };
    const Row rows[] = {
        {"", {}},
        {"Köln", {"K", "ö", "l", "n"}},
        {"€ 5", {"€", " ", "5"}},
        {"a😀b", {"a", "😀", "b"}},
    };
    for (const Row& r : rows) {
        const auto split = splitCharacters(r.text);
        ASSERT_TRUE(split) << r.text;
        EXPECT_EQ(*split, r.characters) << r.text;
    }
}

TEST(KeyCodes, TextsThatAreNoUtf8)
{
    for (const char* text : {"K\xF6ln", "\xC3", "\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                             "\x80", "ab\xC3(", "\xF8\x88\x80\x80\x80"})
        EXPECT_FALSE(splitCharacters(text)) << ::testing::PrintToString(std::string{text});
}

TEST(KeyCodes, CodesFromTheWindowsCodePage)
{
    struct Row {
        const char* character;
        int code;
    };
    const Row rows[] = {
        {"a", 97},        {" ", 32},         {"\t", 9},          {"ä", 228},        {"ß", 223},
        {"Ö", 214},       {"\u00A0", 160},   {"ÿ", 255},         {"€", 128},        {"„", 132},
        {"“", 147},       {"Ÿ", 159},        {"\u0081", 129},    {"\u009D", 157},   {"\u0085", 63},
        {"ł", 63},        {"😀", 63},        {"", 63},
    };
    for (const Row& r : rows)
        EXPECT_EQ(keyCodeOf(r.character), r.code) << r.character;
}

} // namespace
} // namespace tarvolin
