#pragma once
// Twips (1/1440 inch) as the control table gives them, turned into the
// widgets' logical pixels: 15 twips are one pixel at 96 dpi, and a screen set
// to more dots per inch (QT_FONT_DPI=144) gets proportionally more pixels, so
// that the fonts, which Qt sizes in points, keep fitting their controls.

#include <QRect>

#include <cmath>

namespace tarvolin {

class TwipScale {
public:
    explicit TwipScale(double logicalDpi) : pixelsPerTwip_{logicalDpi / 1440.0} {}

    int px(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
    // Both corners are rounded, so that neighbours that touch in twips touch
    // in pixels too.
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect{QPoint{px(left), px(top)}, QPoint{px(left + width) - 1, px(top + height) - 1}};
    }

private:
    double pixelsPerTwip_;
};

} // namespace tarvolin
