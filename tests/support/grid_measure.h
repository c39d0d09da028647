#pragma once
// A measure for laying out without a display, in twips: every character is
// ten twips per point wide (120 at 12 points), narrowed by the stretch; a
// line is 22 twips per point high (264 at 12 points), 18 of them above the
// baseline. Bold changes nothing.

#include "calc/fixed_text.h"
#include "output/text_measure.h"

namespace tarvolin::testing {

class GridMeasure final : public TextMeasure {
public:
    double unitsPerTwip() const override { return 1; }
    double width(const PrintFont& font, std::string_view text) const override
    {
        return static_cast<double>(characterCount(text)) * font.points * 10 * font.stretch / 100;
    }
    FontLine line(const PrintFont& font) const override { return {22.0 * font.points, 18.0 * font.points}; }
};

} // namespace tarvolin::testing
