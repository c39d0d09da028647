#include "qt/arrow_button.h"

#include <QPainter>

namespace tarvolin {

ArrowButton::ArrowButton(QWidget* parent, ArrowDirection direction) : QAbstractButton{parent}, direction_{direction}
{
    setCursor(Qt::PointingHandCursor);
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    QPainter p{this};
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF{rect()}.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = isDown() ? colours::accentLight.darker(112) : hovered_ ? colours::accentLight : QColor{0xFA, 0xFB, 0xFC};
    p.setPen(QPen{hasFocus() ? colours::accent : QColor{0xA9, 0xB4, 0xC0}, hasFocus() ? 1.5 : 1.0});
    p.setBrush(fill);
    p.drawRoundedRect(face, 2, 2);
    const QColor arrow = isEnabled() ? colours::ink : QColor{0xA0, 0xA0, 0xA0};
    drawArrow(p, face.adjusted(1, 1, -1, -1), direction_, arrow);
}

void ArrowButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ArrowButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace tarvolin
