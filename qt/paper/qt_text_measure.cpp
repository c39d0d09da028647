#include "qt/paper/qt_text_measure.h"

#include "qt/text/qt_text.h"

#include <QFontMetricsF>
#include <QString>

namespace tarvolin {

QFont qtFont(const PrintFont& font)
{
    QFont q;
    if (!font.name.empty())
        q.setFamily(QString::fromStdString(font.name));
    q.setPointSize(font.points);
    q.setBold(font.bold);
    // A font as designed keeps Qt's own stretch, which leaves the choice to the font.
    if (font.stretch != 100)
        q.setStretch(font.stretch);
    return q;
}

QtTextMeasure::QtTextMeasure(const QPaintDevice& device, int resolution)
    : device_{device}, pixelsPerTwip_{resolution / 1440.0}
{
}

double QtTextMeasure::width(const PrintFont& font, std::string_view text) const
{
    const QString q = toQString(text);
    return QFontMetricsF{qtFont(font), &device_}.horizontalAdvance(q);
}

FontLine QtTextMeasure::line(const PrintFont& font) const
{
    const QFontMetricsF metrics{qtFont(font), &device_};
    return {metrics.height(), metrics.ascent()};
}

} // namespace tarvolin
