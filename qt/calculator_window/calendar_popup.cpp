#include "qt/calculator_window/calendar_popup.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QItemDelegate>
#include <QKeyEvent>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace tarvolin {

namespace {

const QLocale german{QLocale::German, QLocale::Germany};

// Column of the header row -> day of the week, for a calendar that starts on
// firstDay.
Qt::DayOfWeek dayInColumn(Qt::DayOfWeek firstDay, int column)
{
    return static_cast<Qt::DayOfWeek>((static_cast<int>(firstDay) - 1 + column) % 7 + 1);
}

QString titleOf(Qt::DayOfWeek day) { return weekDayTitles[static_cast<std::size_t>(day % 7)]; }

// Qt's German short day names carry a dot ("So."); the window writes them
// without one. This delegate draws the header row with the window's titles
// and leaves every day cell to the calendar's own delegate.
class WeekDayHeaderDelegate final : public QItemDelegate {
public:
    WeekDayHeaderDelegate(QCalendarWidget* calendar, QAbstractItemDelegate* days)
        : QItemDelegate{calendar}, calendar_{calendar}, days_{days}
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.row() != 0) {
            days_->paint(painter, option, index);
            return;
        }
        title_ = titleOf(dayInColumn(calendar_->firstDayOfWeek(), index.column()));
        QItemDelegate::paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return days_->sizeHint(option, index);
    }

protected:
    void drawDisplay(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                     const QString&) const override
    {
        QItemDelegate::drawDisplay(painter, option, rect, title_);
    }

private:
    QCalendarWidget* calendar_;
    QAbstractItemDelegate* days_;
    mutable QString title_;
};

} // namespace

CalendarPopup::CalendarPopup(QWidget* parent) : QFrame{parent, Qt::Popup}, calendar_{new QCalendarWidget{this}}
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    auto* layout = new QVBoxLayout{this};
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar_);
    calendar_->setLocale(german);
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(false);
    calendar_->setAccessibleName(QStringLiteral("Kalender"));
    setAccessibleName(QStringLiteral("Kalender"));
    if (auto* view = calendar_->findChild<QTableView*>()) {
        view->setItemDelegate(new WeekDayHeaderDelegate{calendar_, view->itemDelegate()});
        view->setAccessibleName(QStringLiteral("Tage des Monats"));
    }
    // QCalendarWidget's own controls, by the names Qt gives them.
    const std::pair<const char*, QString> parts[] = {{"qt_calendar_prevmonth", QStringLiteral("Voriger Monat")},
                                                     {"qt_calendar_nextmonth", QStringLiteral("Nächster Monat")},
                                                     {"qt_calendar_yearedit", QStringLiteral("Jahr")}};
    for (const auto& [objectName, name] : parts)
        if (auto* part = calendar_->findChild<QWidget*>(QString::fromLatin1(objectName)))
            part->setAccessibleName(name);
    connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate day) { pick(day); });
    connect(calendar_, &QCalendarWidget::activated, this, [this](QDate day) { pick(day); });
}

void CalendarPopup::open(QWidget* anchor, QDate first, QDate last, QDate shown)
{
    calendar_->setDateRange(first, last);
    if (!shown.isValid())
        shown = first;
    calendar_->setSelectedDate(std::clamp(shown, first, last));
    calendar_->setCurrentPage(calendar_->selectedDate().year(), calendar_->selectedDate().month());
    adjustSize();

    QPoint where = anchor->mapToGlobal(QPoint{0, anchor->height()});
    if (const QScreen* screen = anchor->screen()) {
        const QRect free = screen->availableGeometry();
        if (where.y() + height() > free.bottom())
            where.setY(anchor->mapToGlobal(QPoint{0, 0}).y() - height());
        where.setX(std::clamp(where.x(), free.left(), std::max(free.left(), free.right() - width())));
    }
    move(where);
    show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

void CalendarPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CalendarPopup::pick(QDate day)
{
    if (day < calendar_->minimumDate() || day > calendar_->maximumDate())
        return;
    close();
    if (onPicked)
        onPicked(day);
}

} // namespace tarvolin
