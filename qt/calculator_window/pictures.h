#pragma once
// The small pictures of the window, drawn in code so that they stay sharp at
// any screen density: the pictures of the top button row, the calendar
// button's picture, and the arrows of the small stepping buttons.

#include "window/control_table.h"

#include <QIcon>

#include <string_view>

QT_BEGIN_NAMESPACE
class QPainter;
class QRectF;
QT_END_NAMESPACE

namespace tarvolin {

// The picture of a top-row button by the button's name ("Drucken", ...);
// a null icon for any other name.
QIcon buttonPicture(std::string_view buttonName);
QIcon calendarPicture();

// A filled triangle pointing that way (ArrowDirection of the control table),
// centred in the rectangle; nothing for ArrowDirection::None.
void drawArrow(QPainter& painter, const QRectF& area, ArrowDirection direction, const QColor& colour);

// The calm colours the window's drawing shares.
namespace colours {
inline const QColor ink{0x2F, 0x3E, 0x4E};
inline const QColor accent{0x3A, 0x6B, 0x9A};
inline const QColor accentLight{0xDD, 0xE7, 0xF1};
inline const QColor windowBackground{0xF2, 0xF4, 0xF7};
inline const QColor warm{0xB5, 0x7A, 0x2A};
inline const QColor refusal{0xC6, 0x28, 0x28}; // the frame of a refused date
// A refused date's frame, a full description box's counter.
inline const QColor alarm{0xC6, 0x28, 0x28};
} // namespace colours

} // namespace tarvolin
