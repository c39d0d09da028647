#pragma once
// CalendarPopup: the drop-down calendar of a date field. It shows one month
// with a German title ("Mai 2008"), the week days "Mo" to "So" (the weeks
// start on Monday, as German calendars do), and only lets the field's
// permitted days be picked. A picked day
// goes to onPicked; the popup closes on a pick, on Escape or on a click
// elsewhere. It knows nothing of the field's text: the window puts the day in.

#include <QDate>
#include <QFrame>

#include <array>
#include <functional>

QT_BEGIN_NAMESPACE
class QCalendarWidget;
QT_END_NAMESPACE

namespace tarvolin {

// The week-day titles of the calendar, by Qt::DayOfWeek modulo 7 (Sunday 0).
inline const std::array<QString, 7> weekDayTitles{
    QStringLiteral("So"), QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"),
    QStringLiteral("Do"), QStringLiteral("Fr"), QStringLiteral("Sa")};

class CalendarPopup final : public QFrame {
public:
    explicit CalendarPopup(QWidget* parent);

    std::function<void(QDate)> onPicked;

    // Opens below the anchor (above it when the screen ends), on `shown`
    // or, when that is no permitted day, on the nearest one.
    void open(QWidget* anchor, QDate first, QDate last, QDate shown);
    QCalendarWidget* calendar() const { return calendar_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pick(QDate day);

    QCalendarWidget* calendar_;
};

} // namespace tarvolin
