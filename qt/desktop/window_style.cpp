#include "qt/desktop/window_style.h"

#include "qt/calculator_window/pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>
#include <memory>

namespace tarvolin {

namespace {

bool marksFocus(QStyle::PrimitiveElement element)
{
    return element == QStyle::PE_FrameLineEdit || element == QStyle::PE_PanelButtonCommand
           || element == QStyle::PE_IndicatorCheckBox || element == QStyle::PE_IndicatorRadioButton;
}

// Drawn over what Fusion drew for a control that has the focus.
void drawFocusMark(QStyle::PrimitiveElement element, const QRect& rect, QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (element == QStyle::PE_IndicatorRadioButton) {
        painter.setPen(QPen{colours::accent, 2.0});
        painter.drawEllipse(QRectF{rect}.adjusted(1.0, 1.0, -1.0, -1.0));
    } else if (element == QStyle::PE_IndicatorCheckBox) {
        painter.setPen(QPen{colours::accent, 2.0});
        painter.drawRect(QRectF{rect}.adjusted(1.0, 1.0, -1.0, -1.0));
    } else {
        painter.setPen(QPen{colours::accent, 1.0});
        painter.drawRoundedRect(QRectF{rect}.adjusted(1.5, 1.5, -1.5, -1.5), 2.0, 2.0);
    }
    painter.restore();
}

} // namespace

WindowStyle::WindowStyle() : QProxyStyle{QStyleFactory::create(QStringLiteral("Fusion"))} {}

void WindowStyle::polish(QPalette& palette)
{
    QProxyStyle::polish(palette);
    palette.setColor(QPalette::PlaceholderText, QColor{0x5F, 0x63, 0x68});
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const double ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
    // Only where a pixmap lands on whole device pixels exactly as the
    // stroke would; anything else is drawn as Fusion draws it.
    const bool reusable = element == PE_FrameLineEdit && option->rect.isValid() && ratio == std::round(ratio)
                          && painter->transform().type() <= QTransform::TxTranslate && painter->opacity() == 1.0;
    const bool focusMark = marksFocus(element) && (option->state & State_HasFocus);
    if (!reusable) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (focusMark)
            drawFocusMark(element, option->rect, *painter);
        return;
    }
    // Fusion's frame depends on the size, the focus, enabled and active
    // states, and on the window and highlight colours (of the palette's
    // current group) it derives its lines from.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const auto states = static_cast<quint64>(option->state & (State_HasFocus | State_Enabled | State_ReadOnly | State_Active));
    const quint64 shape = static_cast<quint64>(option->rect.width() & 0xFFFF) | static_cast<quint64>(option->rect.height() & 0xFFFF) << 16
                          | static_cast<quint64>(ratio) << 32 | static_cast<quint64>(frame != nullptr ? frame->lineWidth & 0xF : 0xF) << 40
                          | static_cast<quint64>(option->direction == Qt::RightToLeft) << 44;
    const quint64 colours = static_cast<quint64>(option->palette.window().color().rgba()) << 32
                            | option->palette.highlight().color().rgba();
    const QString key = QStringLiteral("tarvolin-lineedit-") + QString::number(shape, 36) + QLatin1Char('-')
                        + QString::number(states, 36) + QLatin1Char('-') + QString::number(colours, 36);
    QPixmap drawn;
    if (!QPixmapCache::find(key, &drawn)) {
        drawn = QPixmap{option->rect.size() * ratio};
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        QPainter p{&drawn};
        // QStyleOption has no virtual destructor: each kind of option is
        // copied into a local of its own type, never owned through the base.
        const QRect placedRect{QPoint{0, 0}, option->rect.size()};
        if (frame != nullptr) {
            QStyleOptionFrame placed{*frame};
            placed.rect = placedRect;
            QProxyStyle::drawPrimitive(element, &placed, &p, widget);
        } else {
            QStyleOption placed{*option};
            placed.rect = placedRect;
            QProxyStyle::drawPrimitive(element, &placed, &p, widget);
        }
        if (focusMark)
            drawFocusMark(element, placedRect, p);
        p.end();
        QPixmapCache::insert(key, drawn);
    }
    painter->drawPixmap(option->rect.topLeft(), drawn);
}

} // namespace tarvolin
