#include "qt/paper/layout_painter.h"

#include "qt/paper/qt_text_measure.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTransform>

namespace tarvolin {

PrintArea printArea(const QPagedPaintDevice& device, int resolution)
{
    const QRect paintRect = device.pageLayout().paintRectPixels(resolution);
    return {static_cast<double>(paintRect.width()), static_cast<double>(paintRect.height())};
}

void paintLayoutPage(QPainter& painter, const DocumentLayout& layout, int page)
{
    const QTransform scaled = QTransform::fromScale(layout.scale, layout.scale);
    if (painter.worldTransform() != scaled)
        painter.setWorldTransform(scaled);
    for (const PlacedText& text : layout.texts) {
        if (text.page != page)
            continue;
        painter.setFont(qtFont(text.font));
        painter.drawText(QPointF{text.x, text.baseline}, QString::fromStdString(text.text));
    }
}

bool paintLayout(QPagedPaintDevice& device, const DocumentLayout& layout)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < layout.pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        paintLayoutPage(painter, layout, page);
    }
    return painter.end();
}

} // namespace tarvolin
