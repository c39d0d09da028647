#include "qt/date_edit.h"

#include "qt/key_codes.h"
#include "qt/pictures.h"

#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

namespace tarvolin {

namespace {

// Room for the calendar button: about 12 pixels at 96 dpi, more on denser
// screens, as the font grows with them.
int calendarButtonWidth(const QWidget& field) { return field.fontMetrics().height(); }

} // namespace

DateEdit::DateEdit(QWidget* parent, bool editable) : QLineEdit{parent}
{
    setInputMask(QStringLiteral("99/99/9999;_"));
    setReadOnly(!editable);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onEdited)
            onEdited();
    });
    if (!editable)
        return;
    calendarButton_ = new QToolButton{this};
    calendarButton_->setFocusPolicy(Qt::NoFocus);
    calendarButton_->setCursor(Qt::ArrowCursor);
    calendarButton_->setAutoRaise(true);
    calendarButton_->setIcon(calendarPicture());
    calendarButton_->setToolTip(QStringLiteral("Kalender öffnen (Alt+Pfeil nach unten)"));
    connect(calendarButton_, &QToolButton::clicked, this, [this] {
        if (onCalendar)
            onCalendar();
    });
}

int DateEdit::firstBlank() const
{
    const qsizetype blank = displayText().indexOf(QLatin1Char('_'));
    return blank < 0 ? 0 : static_cast<int>(blank);
}

void DateEdit::placeCursorOnFirstBlank()
{
    deselect();
    setCursorPosition(firstBlank());
}

void DateEdit::keyPressEvent(QKeyEvent* event)
{
    const bool calendarKey = (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))
                             || event->key() == Qt::Key_F4;
    if (calendarKey && calendarButton_ != nullptr) {
        if (onCalendar)
            onCalendar();
        return;
    }
    const auto code = characterCode(*event);
    if (code && onKey)
        onKey(*code);
    // Enter belongs to the handler alone; the field has nothing to do with it.
    if (code == enterCode) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    placeCursorOnFirstBlank();
}

void DateEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    // A click behind the first blank would leave the cursor where typed
    // digits are silently lost ("12/0_/____", cursor at the end).
    if (displayText().contains(QLatin1Char('_')) && cursorPosition() > firstBlank() && !hasSelectedText())
        setCursorPosition(firstBlank());
}

void DateEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeCalendarButton();
}

void DateEdit::placeCalendarButton()
{
    if (calendarButton_ == nullptr)
        return;
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int w = calendarButtonWidth(*this);
    calendarButton_->setGeometry(width() - frame - w, frame, w, height() - 2 * frame);
    calendarButton_->setIconSize(QSize{w - 2, w - 2});
    setTextMargins(0, 0, w, 0);
}

} // namespace tarvolin
