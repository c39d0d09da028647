#include "qt/staff_list_window/flow_layout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace tarvolin {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout{parent}, spacing_{spacing}
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::itemAt(int index) const { return index >= 0 && index < items_.size() ? items_.at(index) : nullptr; }

QLayoutItem* FlowLayout::takeAt(int index) { return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr; }

int FlowLayout::heightForWidth(int width) const { return arrange(QRect{0, 0, width, 0}, false); }

QSize FlowLayout::sizeHint() const
{
    // All in one line when there is room.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        width += item->sizeHint().width() + (width > 0 ? horizontalGap() : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return QSize{width, height} + QSize{m.left() + m.right(), m.top() + m.bottom()};
}

QSize FlowLayout::minimumSize() const
{
    // As narrow as the widest item.
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize{m.left() + m.right(), m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::horizontalGap() const
{
    if (spacing_ >= 0)
        return spacing_;
    const QWidget* parent = parentWidget();
    return parent ? parent->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, parent) : 6;
}

int FlowLayout::arrange(const QRect& rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(horizontalGap(), 0);
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty() || item->spacerItem() != nullptr)
            continue;
        const QSize hint = item->sizeHint().boundedTo(QSize{area.width(), item->sizeHint().height()})
                               .expandedTo(item->minimumSize());
        if (x > area.x() && x + hint.width() > area.right() + 1) {
            x = area.x();
            y += lineHeight + gap;
            lineHeight = 0;
        }
        if (place)
            item->setGeometry(QRect{QPoint{x, y}, hint});
        x += hint.width() + gap;
        lineHeight = std::max(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + contentsMargins().bottom();
}

} // namespace tarvolin
