#pragma once
// announce: says a short message to a screen reader without moving the
// focus: the results a recalculation changed, why a date was refused, what
// the staff list has finished. Both windows use it.
//
// Qt 6.4 has no announcement event (QAccessibleAnnouncementEvent came with
// Qt 6.8). Each window therefore carries one invisible notification object
// (role Notification, its name the message); a message raises ObjectShow
// on it, which the AT-SPI bridge sends as "object:state-changed:showing",
// and a screen reader such as Orca speaks a notification that appears.
// Without a screen reader nothing is sent and nothing is shown.

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

// Announces `message` in the window that holds `anyWidget`.
void announce(QWidget& anyWidget, const QString& message);
// The last message announced in that window ("" when none): what a reader
// finds when it looks at the notification again, and what tests read.
QString lastAnnouncement(const QWidget& anyWidget);

} // namespace tarvolin
