#include "output/windows1252.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <iterator>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(Windows1252, CharactersBothWays)
{
    struct Row {
        const char* name;
        std::string text;
        Bytes bytes;
    };
    const Row rows[] = {
        {"plain ASCII", "Wehrdienst 1/2", {'W', 'e', 'h', 'r', 'd', 'i', 'e', 'n', 's', 't', ' ', '1', '/', '2'}},
        {"umlauts and sharp s", "Köln, Müller, Größe, Ärger", {'K', 0xF6, 'l', 'n', ',', ' ', 'M', 0xFC, 'l', 'l', 'e', 'r', ',',
                                                               ' ', 'G', 'r', 0xF6, 0xDF, 'e', ',', ' ', 0xC4, 'r', 'g', 'e', 'r'}},
        {"euro sign at 0x80", "100 €", {'1', '0', '0', ' ', 0x80}},
        {"the 0x80 to 0x9F block", "„Zitat“ – Œ š ‰ ™", {0x84, 'Z', 'i', 't', 'a', 't', 0x93, ' ', 0x96, ' ', 0x8C, ' ', 0x9A, ' ', 0x89, ' ', 0x99}},
        {"section sign and no-break space", "§\u00a034", {0xA7, 0xA0, '3', '4'}},
        {"undefined 0x81", "\u0081", {0x81}},
        {"undefined 0x8D", "\u008d", {0x8D}},
        {"undefined 0x8F", "\u008f", {0x8F}},
        {"undefined 0x90", "\u0090", {0x90}},
        {"undefined 0x9D", "\u009d", {0x9D}},
        {"last byte", "ÿ", {0xFF}},
        {"empty", "", {}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(toWindows1252(r.text), r.bytes) << r.name;
        EXPECT_EQ(fromWindows1252(r.bytes), r.text) << r.name;
    }
}

TEST(Windows1252, WhatItCannotHoldIsAQuestionMark)
{
    struct Row {
        const char* name;
        std::string text;
        std::string written; // as ASCII/Windows-1252 bytes
    };
    const Row rows[] = {
        {"Polish L with stroke", "Łódź", "?\xF3""d?"},
        {"U+0080, a control character that is not the euro", "\u0080", "?"},
        {"arrow", "a→b", "a?b"},
        {"emoji, four UTF-8 bytes, one character", "x😀y", "x?y"},
        {"Cyrillic", "Дом", "???"},
        {"stray continuation byte", "a\x80z", "a?z"},
        {"cut-off sequence at the end", "ab\xC3", "ab?"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"encoded surrogate", "\xED\xA0\x80", "???"},
    };
    for (const Row& r : rows) {
        const Bytes bytes = toWindows1252(r.text);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), r.written) << r.name;
    }
}

TEST(Windows1252, EveryByteReadsAsOneCharacterAndIsWrittenBackUnchanged)
{
    Bytes all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<unsigned char>(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
}

// The table of characters is asked of iconv once; writing must agree with
// iconv's own answer for every character of the Basic Multilingual Plane.
TEST(Windows1252, WritingAgreesWithIconvForEveryCharacter)
{
    iconv_t cd = iconv_open("WINDOWS-1252", "UTF-32LE");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    const char32_t undefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    int disagreements = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8), 0, 0};
        char out[4] = {};
        char* inPtr = reinterpret_cast<char*>(in);
        char* outPtr = out;
        std::size_t inLeft = 4, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool converts = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
        unsigned char expected = converts ? static_cast<unsigned char>(out[0]) : '?';
        if (std::find(std::begin(undefined), std::end(undefined), c) != std::end(undefined))
            expected = static_cast<unsigned char>(c); // kept as the same byte, where iconv refuses
        std::string utf8;
        // UTF-8 of c, built by hand so that the test does not lean on the code under test.
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | c >> 12);
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
        if (toWindows1252(utf8) != Bytes{expected} && ++disagreements < 10)
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
    }
    iconv_close(cd);
    EXPECT_EQ(disagreements, 0);
}

} // namespace
} // namespace tarvolin
