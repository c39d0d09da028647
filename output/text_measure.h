#pragma once
// How wide a text is and how tall a line: what laying out a printed document
// needs to know of its fonts. The desktop answers with the real metrics of
// the device the document goes to, in that device's pixels; tests answer
// with a simple rule of their own in twips, so that a layout can be checked
// without a display.
//
// A measure counts in units of its own and says how many make a twip. The
// layout works in those units throughout, so that a device gets exactly the
// positions it would have computed itself (a printer rounds text positions
// down to 1/64 of its pixel: a position that went through twips and back
// could land one step off).

#include <string>
#include <string_view>

namespace tarvolin {

// A font as the printer operations set it. An empty name is the device's
// default font. stretch is the width of the glyphs in percent of their
// natural width: 100 as designed, less for a text drawn condensed.
struct PrintFont {
    std::string name;
    int points = 12;
    bool bold = false;
    int stretch = 100;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// A line of a font: its height (from one line to the next) and the height of
// its ascent (from the top of the line to the baseline).
struct FontLine {
    double height = 0;
    double ascent = 0;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The measure's units in a twip: resolution / 1440 for a device's pixels, 1 for twips.
    virtual double unitsPerTwip() const = 0;
    // How far the text advances the position; blanks count.
    virtual double width(const PrintFont& font, std::string_view text) const = 0;
    virtual FontLine line(const PrintFont& font) const = 0;
};

} // namespace tarvolin
