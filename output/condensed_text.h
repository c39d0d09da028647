#pragma once
// A text that must not reach a position further right on its line: when its
// glyphs would reach it, they are drawn condensed horizontally (the font's
// stretch) so that they end a gap before it. The text is neither wrapped nor
// cut, and it starts where it would have started; the blanks in front of and
// behind the glyphs keep their width. A text that fits is drawn unchanged.
//
// A 60-character description at x 4500 that would run into the T column at
// 9500 is drawn at a stretch of about 80 %, ending before 9400.

#include "output/text_measure.h"

#include <string>
#include <string_view>

namespace tarvolin {

struct FittedText {
    std::string text; // what is drawn: the whole text, or its glyphs alone when condensed
    double x = 0;     // where it is drawn
    int stretch = 100;
    double end = 0;   // the position after the text, its trailing blanks included
};

// Fits the text printed at x in the font before `limit` (negative, or not
// right of x, when nothing follows it on its line), `gap` before it when
// condensed; all in the measure's units.
FittedText fitBefore(const TextMeasure& measure, const PrintFont& font, std::string_view text, double x, double limit,
                     double gap);

} // namespace tarvolin
