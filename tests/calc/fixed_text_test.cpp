// The counter beside a description box, counted in characters, not bytes.

#include "calc/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin {
namespace {

TEST(FixedText, CharactersLeftInADescriptionBox)
{
    struct Row {
        const char* name;
        std::string text;
        int left;
    };
    const Row rows[] = {
        {"an empty box", "", 60},
        {"blanks only, as restored", std::string(60, ' '), 60},
        {"blanks on both sides do not count", "  Wehrdienst   ", 50},
        {"an umlaut is one character", "Grundwehrdienst in Köln", 37},
        {"a full box", std::string(60, 'x'), 0},
        {"typed behind restored blanks: below zero", std::string(61, 'x'), -1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(charactersLeft(r.text), r.left) << r.name;
}

} // namespace
} // namespace tarvolin
