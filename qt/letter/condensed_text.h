#pragma once
// Drawing a text that must not reach a position further right on its line:
// when its glyphs would reach it, they are drawn condensed horizontally (the
// font's stretch) to end a gap before it. The text is neither wrapped nor
// cut, and it starts where it would have started; the blanks in front of and
// behind the glyphs keep their width. A text that fits is drawn unchanged.

#include <QFont>
#include <QString>

QT_BEGIN_NAMESPACE
class QPaintDevice;
class QPainter;
QT_END_NAMESPACE

namespace tarvolin {

// Draws the text from x on the baseline in the font and returns the x after
// it. limit: the position the glyphs must not reach, in the device's pixels;
// negative when there is none. gap: how far before the limit condensed
// glyphs end.
double drawCondensedToFit(QPainter& painter, const QPaintDevice& device, const QFont& font, const QString& text,
                          double x, double baseline, double limit, double gap);

} // namespace tarvolin
