#pragma once
// The window's style: Fusion, with the frame of a line edit drawn once per
// size and state and then reused. Fusion strokes that frame as an
// antialiased rounded rectangle, which costs about as much as the rest of
// the field's painting; the window shows 53 line edits of two sizes.
// The keyboard focus is marked plainly on every kind of control: a second
// line in the accent colour inside the frame of a field or a button, and a
// ring of two pixels on a check box or an option button, whose own hint
// of the focus is a pale line of one pixel. The grey of a field's
// placeholder ("heute") is dark enough to read (4.5:1 on white; Fusion's
// half-transparent text gives 4:1).

#include <QProxyStyle>

namespace tarvolin {

class WindowStyle final : public QProxyStyle {
public:
    WindowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    using QProxyStyle::polish;
    void polish(QPalette& palette) override;
};

} // namespace tarvolin
