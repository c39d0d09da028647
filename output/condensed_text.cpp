#include "output/condensed_text.h"

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

// The blanks in front of a text, its glyphs, and the blanks behind them.
struct TextParts {
    std::string_view leading;
    std::string_view glyphs;
    std::string_view trailing;
};

TextParts splitBlanks(std::string_view text)
{
    const std::size_t first = std::min(text.find_first_not_of(' '), text.size());
    const std::size_t last = text.find_last_not_of(' ');
    const std::size_t end = last == std::string_view::npos ? first : last + 1;
    return {text.substr(0, first), text.substr(first, end - first), text.substr(end)};
}

// The largest stretch in percent, 1 to 99, at which the glyphs are at most
// `width` wide (1 when even that is too wide).
int stretchToFit(const TextMeasure& measure, PrintFont font, std::string_view glyphs, double width)
{
    const double natural = measure.width(font, glyphs);
    if (!(natural > 0) || !(width > 0))
        return 1;
    int stretch = static_cast<int>(std::clamp(std::floor(100.0 * width / natural), 1.0, 99.0));
    for (;; --stretch) {
        font.stretch = stretch;
        if (stretch == 1 || measure.width(font, glyphs) <= width)
            return stretch;
    }
}

} // namespace

FittedText fitBefore(const TextMeasure& measure, const PrintFont& font, std::string_view text, double x, double limit,
                     double gap)
{
    const TextParts parts = splitBlanks(text);
    const double start = x + measure.width(font, parts.leading);
    // A position at or left of where the text starts is not one it could run into.
    if (limit <= x || parts.glyphs.empty() || start + measure.width(font, parts.glyphs) < limit)
        return {std::string{text}, x, font.stretch, x + measure.width(font, text)};
    PrintFont condensed = font;
    condensed.stretch = stretchToFit(measure, font, parts.glyphs, limit - gap - start);
    return {std::string{parts.glyphs}, start, condensed.stretch,
            start + measure.width(condensed, parts.glyphs) + measure.width(font, parts.trailing)};
}

} // namespace tarvolin
