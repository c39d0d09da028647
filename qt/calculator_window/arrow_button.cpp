#include "qt/calculator_window/arrow_button.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <cmath>

namespace tarvolin {

ArrowButton::ArrowButton(QWidget* parent, ArrowDirection direction) : QAbstractButton{parent}, direction_{direction}
{
    setCursor(Qt::PointingHandCursor);
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    // The window has 30 of these in a few sizes and states: each face is
    // drawn once into a shared pixmap and then copied.
    const double ratio = devicePixelRatio();
    const quint64 shape = static_cast<quint64>(width() & 0xFFFF) | static_cast<quint64>(height() & 0xFFFF) << 16
                          | static_cast<quint64>(std::lround(ratio * 100) & 0xFFFF) << 32
                          | static_cast<quint64>(direction_) << 48 | static_cast<quint64>(isDown()) << 52
                          | static_cast<quint64>(hovered_) << 53 | static_cast<quint64>(hasFocus()) << 54
                          | static_cast<quint64>(isEnabled()) << 55;
    const QString key = QStringLiteral("tarvolin-arrow-") + QString::number(shape, 36);
    QPixmap face;
    if (!QPixmapCache::find(key, &face)) {
        face = QPixmap{size() * ratio};
        face.setDevicePixelRatio(ratio);
        face.fill(Qt::transparent);
        QPainter p{&face};
        drawFace(p);
        p.end();
        QPixmapCache::insert(key, face);
    }
    QPainter{this}.drawPixmap(0, 0, face);
}

void ArrowButton::drawFace(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    // The focus shows as a light face in a frame of two pixels in the accent colour.
    const double inset = hasFocus() ? 1.0 : 0.5;
    const QRectF face = QRectF{rect()}.adjusted(inset, inset, -inset, -inset);
    QColor fill = isDown() ? colours::accentLight.darker(112)
                  : hovered_ || hasFocus() ? colours::accentLight
                                           : QColor{0xFA, 0xFB, 0xFC};
    p.setPen(QPen{hasFocus() ? colours::accent : QColor{0xA9, 0xB4, 0xC0}, hasFocus() ? 2.0 : 1.0});
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
