// The contrast measure against values worked out by hand from its formula.

#include "window/contrast.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(Contrast, RatiosOfKnownPairs)
{
    struct Row {
        const char* name;
        std::uint32_t a, b;
        double ratio;
    };
    const Row rows[] = {
        {"black on white", 0x000000, 0xFFFFFF, 21.0},
        {"the same colour", 0x3A6B9A, 0x3A6B9A, 1.0},
        {"either order", 0xFFFFFF, 0x000000, 21.0},
        // #777777 is the grey that just misses 4.5 on white.
        {"grey 77 on white", 0x777777, 0xFFFFFF, 4.48},
        {"grey 76 on white", 0x767676, 0xFFFFFF, 4.54},
        // A dark channel below 0.04045 is linear: 10/255 -> 0.00304.
        {"very dark blue on black", 0x00000A, 0x000000, 1.0044},
        {"pure red on white", 0xFF0000, 0xFFFFFF, 4.0},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(contrastRatio(r.a, r.b), r.ratio, 0.01) << r.name;
    EXPECT_LT(contrastRatio(0x777777, 0xFFFFFF), textContrast);
    EXPECT_GE(contrastRatio(0x767676, 0xFFFFFF), textContrast);
}

} // namespace
} // namespace tarvolin
