#pragma once
// The real metrics of the letter's fonts on the device it is painted on (a
// printer, a PDF at its resolution, the preview's page), for laying out a
// document there: QFontMetricsF in the device's pixels.

#include "output/text_measure.h"

#include <QFont>

QT_BEGIN_NAMESPACE
class QPaintDevice;
QT_END_NAMESPACE

namespace tarvolin {

// The QFont of a printed font: the device's default family when it has no name.
QFont qtFont(const PrintFont& font);

class QtTextMeasure final : public TextMeasure {
public:
    // resolution: the device's dots per inch, as it paints (px = twips * resolution / 1440).
    QtTextMeasure(const QPaintDevice& device, int resolution);

    double unitsPerTwip() const override { return pixelsPerTwip_; }
    double width(const PrintFont& font, std::string_view text) const override;
    FontLine line(const PrintFont& font) const override;

private:
    const QPaintDevice& device_;
    double pixelsPerTwip_;
};

} // namespace tarvolin
