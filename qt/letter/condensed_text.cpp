#include "qt/letter/condensed_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

// The blanks in front of a text, its glyphs, and the blanks behind them.
struct TextParts {
    QString leading;
    QString glyphs;
    QString trailing;
};

TextParts splitBlanks(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == QLatin1Char(' '))
        ++first;
    qsizetype end = text.size();
    while (end > first && text[end - 1] == QLatin1Char(' '))
        --end;
    return {text.left(first), text.mid(first, end - first), text.mid(end)};
}

// The largest stretch in percent, 1 to 99, at which the glyphs are at most
// `width` wide (1 when even that is too wide).
int stretchToFit(QFont font, const QString& glyphs, double width, const QPaintDevice& device)
{
    const double natural = QFontMetricsF{font, &device}.horizontalAdvance(glyphs);
    if (!(natural > 0) || !(width > 0))
        return 1;
    int stretch = static_cast<int>(std::clamp(std::floor(100.0 * width / natural), 1.0, 99.0));
    for (;; --stretch) {
        font.setStretch(stretch);
        if (stretch == 1 || QFontMetricsF{font, &device}.horizontalAdvance(glyphs) <= width)
            return stretch;
    }
}

} // namespace

double drawCondensedToFit(QPainter& painter, const QPaintDevice& device, const QFont& font, const QString& text,
                          double x, double baseline, double limit, double gap)
{
    const QFontMetricsF m{font, &device};
    const TextParts parts = splitBlanks(text);
    const double start = x + m.horizontalAdvance(parts.leading);
    if (limit < 0 || parts.glyphs.isEmpty() || start + m.horizontalAdvance(parts.glyphs) < limit) {
        painter.drawText(QPointF{x, baseline}, text);
        return x + m.horizontalAdvance(text);
    }
    QFont condensed = font;
    condensed.setStretch(stretchToFit(font, parts.glyphs, limit - gap - start, device));
    painter.setFont(condensed);
    painter.drawText(QPointF{start, baseline}, parts.glyphs);
    painter.setFont(font);
    return start + QFontMetricsF{condensed, &device}.horizontalAdvance(parts.glyphs) +
           m.horizontalAdvance(parts.trailing);
}

} // namespace tarvolin
