#include "qt/calculator_window/date_edit.h"

#include "qt/calculator_window/announcer.h"
#include "qt/calculator_window/key_codes.h"
#include "qt/calculator_window/pictures.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

namespace tarvolin {

namespace {

// Room for the calendar button: about 12 pixels at 96 dpi, more on denser
// screens, as the font grows with them.
int calendarButtonWidth(const QWidget& field) { return field.fontMetrics().height(); }

// How long the red frame and the reason stay: long enough to read a short
// sentence, short enough not to stand in the way.
constexpr int refusalMilliseconds = 4000;

// The parts of "dd/mm/yyyy": where each begins and how long it is.
struct Part {
    int start;
    int length;
};

Part partAt(int position)
{
    if (position < 3)
        return {0, 2};
    if (position < 6)
        return {3, 2};
    return {6, 4};
}

} // namespace

DateEdit::DateEdit(QWidget* parent, bool editable) : QLineEdit{parent}
{
    setInputMask(QStringLiteral("99/99/9999;_"));
    setReadOnly(!editable);
    connect(this, &QLineEdit::textEdited, this, [this] {
        edited();
        if (onEdited)
            onEdited();
    });
    refusalTimer_.setSingleShot(true);
    refusalTimer_.setInterval(refusalMilliseconds);
    connect(&refusalTimer_, &QTimer::timeout, this, [this] { endRefusal(); });
    if (!editable)
        return;
    calendarButton_ = new QToolButton{this};
    calendarButton_->setFocusPolicy(Qt::NoFocus);
    calendarButton_->setCursor(Qt::ArrowCursor);
    calendarButton_->setAutoRaise(true);
    calendarButton_->setIcon(calendarPicture());
    calendarButton_->setToolTip(QStringLiteral("Kalender öffnen (Alt+Pfeil nach unten)"));
    calendarButton_->setAccessibleName(QStringLiteral("Kalender öffnen"));
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
    if (completePart(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool DateEdit::completePart(const QString& typed)
{
    if (isReadOnly() || hasSelectedText() || (typed != QLatin1String(".") && typed != QLatin1String("/")))
        return false;
    // One digit typed into the day (cursor at 1) or the month (at 4); a
    // lone 0 names no day or month and is left as it is.
    const int at = cursorPosition();
    QString text = displayText();
    if ((at != 1 && at != 4) || text.size() != 10 || text.at(at) != QLatin1Char('_')
        || text.at(at - 1) < QLatin1Char('1') || text.at(at - 1) > QLatin1Char('9'))
        return false;
    text[at] = text.at(at - 1);
    text[at - 1] = QLatin1Char('0');
    setText(text);
    setCursorPosition(at + 2);
    edited();
    if (onEdited)
        onEdited();
    return true;
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

void DateEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // In a complete date a click chooses a part; a drag keeps what it selected.
    if (event->button() != Qt::LeftButton || isReadOnly() || hasSelectedText()
        || displayText().contains(QLatin1Char('_')))
        return;
    const Part part = partAt(cursorPosition());
    setSelection(part.start, part.length);
}

void DateEdit::showRefusal(const QString& reason)
{
    refusalShown_ = true;
    refusalTimer_.start();
    update();
    if (refusalReason_.isEmpty())
        usualToolTip_ = toolTip();
    refusalReason_ = reason;
    setToolTip(reason);
    // A reader hears the description of the field it is on (DescriptionChanged,
    // sent by Qt), and the announcement also when the focus has moved on.
    setAccessibleDescription(reason);
    announce(*this, reason);
    QToolTip::showText(mapToGlobal(QPoint{0, height()}), reason, this, QRect{}, refusalMilliseconds);
}

void DateEdit::edited()
{
    endRefusal();
    if (refusalReason_.isEmpty())
        return;
    refusalReason_.clear();
    setToolTip(usualToolTip_);
    setAccessibleDescription({});
}

void DateEdit::endRefusal()
{
    if (!refusalShown_)
        return;
    refusalShown_ = false;
    refusalTimer_.stop();
    update();
}

void DateEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!refusalShown_)
        return;
    QPainter painter{this};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen{colours::alarm, 2.0});
    painter.drawRoundedRect(QRectF{rect()}.adjusted(1.0, 1.0, -1.0, -1.0), 2.0, 2.0);
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
