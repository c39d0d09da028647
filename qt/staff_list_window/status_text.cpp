#include "qt/staff_list_window/status_text.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace tarvolin {

StatusText::StatusText(QWidget* parent) : QLabel{parent}
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize StatusText::minimumSizeHint() const
{
    return QSize{fontMetrics().averageCharWidth() * 10, QLabel::minimumSizeHint().height()};
}

bool StatusText::isCutShort() const { return fontMetrics().horizontalAdvance(text()) > contentsRect().width(); }

void StatusText::paintEvent(QPaintEvent*)
{
    QPainter painter{this};
    const QRect area = contentsRect();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
}

bool StatusText::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (isCutShort())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

} // namespace tarvolin
