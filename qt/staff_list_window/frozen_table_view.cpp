#include "qt/staff_list_window/frozen_table_view.h"

#include "qt/staff_list_window/staff_table_model.h"
#include "qt/calculator_window/key_codes.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

namespace tarvolin {

FrozenTableView::FrozenTableView(QWidget* parent) : QTableView{parent}, frozen_{new QTableView{this}}
{
    setTabKeyNavigation(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    frozen_->setObjectName(QStringLiteral("frozenColumns"));
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    frozen_->setEditTriggers(NoEditTriggers);
    frozen_->setSelectionMode(ExtendedSelection);
    frozen_->horizontalHeader()->setSectionsClickable(true);
    frozen_->horizontalHeader()->setSortIndicatorShown(true);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border: none; border-right: 2px solid palette(mid); }"));
    viewport()->stackUnder(frozen_);
    frozen_->hide();

    // Widths, row heights and vertical scrolling go both ways.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column < frozenCount_ && frozen_->columnWidth(column) != size) {
            frozen_->setColumnWidth(column, size);
            placeFrozenPart();
        }
    });
    connect(frozen_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column < frozenCount_ && columnWidth(column) != size)
            setColumnWidth(column, size);
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(), &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(), &QAbstractSlider::setValue);

    // The frozen heads sort as the others do, and show the same indicator.
    connect(frozen_->horizontalHeader(), &QHeaderView::sectionClicked, this, &FrozenTableView::sortByHead);
    frozen_->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, frozen_->horizontalHeader(),
            &QHeaderView::setSortIndicator);

    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) { emit lineActivated(i.row()); });
    connect(frozen_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) { emit lineActivated(i.row()); });
}

void FrozenTableView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    connect(model, &QAbstractItemModel::modelReset, this, &FrozenTableView::updateFrozenColumns);
    connect(model, &QAbstractItemModel::layoutChanged, this, &FrozenTableView::updateFrozenColumns);
    updateFrozenColumns();
}

void FrozenTableView::setFrozenColumns(int count)
{
    frozenCount_ = count;
    updateFrozenColumns();
}

void FrozenTableView::updateFrozenColumns()
{
    if (model() == nullptr)
        return;
    const int columns = model()->columnCount();
    for (int c = 0; c < columns; ++c) {
        frozen_->setColumnHidden(c, c >= frozenCount_);
        if (c < frozenCount_)
            frozen_->setColumnWidth(c, columnWidth(c));
    }
    frozen_->verticalHeader()->setMinimumSectionSize(verticalHeader()->minimumSectionSize());
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->setVisible(frozenCount_ > 0 && frozenCount_ < columns);
    placeFrozenPart();
}

int FrozenTableView::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < frozenCount_; ++c)
        width += columnWidth(c);
    return width;
}

void FrozenTableView::placeFrozenPart()
{
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), frozenWidth(),
                         viewport()->height() + horizontalHeader()->height());
    frozen_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void FrozenTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeFrozenPart();
}

void FrozenTableView::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozenPart();
}

// Moving left into a column hidden under the frozen part scrolls it out.
QModelIndex FrozenTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    if (frozen_->isVisible() && current.column() >= frozenCount_) {
        const int left = visualRect(current).left();
        if (left < frozenWidth())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - frozenWidth());
    }
    return current;
}

// A frozen column is always in sight; scrolling sideways to it would only
// hide the columns next to it.
void FrozenTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!frozen_->isVisible() || index.column() >= frozenCount_) {
        QTableView::scrollTo(index, hint);
        return;
    }
    const int column = frozenCount_ < model()->columnCount() ? frozenCount_ : index.column();
    const int horizontal = horizontalScrollBar()->value();
    QTableView::scrollTo(model()->index(index.row(), column), hint);
    horizontalScrollBar()->setValue(horizontal);
}

void FrozenTableView::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(*event) && currentIndex().isValid()) {
        emit lineActivated(currentIndex().row());
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FrozenTableView::sortByHead(int column)
{
    if (model() == nullptr || column < -1 || column >= model()->columnCount())
        return;
    const QHeaderView* h = horizontalHeader();
    const bool again = column >= 0 && h->sortIndicatorSection() == column && h->sortIndicatorOrder() == Qt::AscendingOrder;
    sortByColumn(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

bool FrozenTableView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (showWholeText(*this, help->pos(), help->globalPos()))
            return true;
    }
    return QTableView::viewportEvent(event);
}

bool FrozenTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frozen_->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (showWholeText(*frozen_, help->pos(), help->globalPos()))
            return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool FrozenTableView::showWholeText(QTableView& part, const QPoint& at, const QPoint& global)
{
    const QModelIndex index = part.indexAt(at);
    if (!index.isValid())
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    // The cell's text margins on both sides, as the style draws them.
    const int margins = 2 * (part.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &part) + 1);
    if (part.fontMetrics().horizontalAdvance(text) + margins <= part.visualRect(index).width())
        return false;
    const QString notes = index.data(Qt::ToolTipRole).toString();
    QToolTip::showText(global, notes.isEmpty() ? text : text + QStringLiteral("\n\n") + notes, part.viewport(),
                       part.visualRect(index));
    return true;
}

void FrozenTableView::copySelection()
{
    const auto* staff = qobject_cast<const StaffTableModel*>(model());
    if (staff == nullptr || selectionModel() == nullptr)
        return;
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    if (!cells.isEmpty())
        QApplication::clipboard()->setText(staff->tabSeparated(cells));
}

} // namespace tarvolin
