#include "qt/calculator_window/description_edit.h"

#include "qt/calculator_window/key_codes.h"
#include "window/keys.h"
#include "qt/text/qt_text.h"

#include <QKeyEvent>
#include <QToolTip>

namespace tarvolin {

DescriptionEdit::DescriptionEdit(QWidget* parent) : QLineEdit{parent}
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onEdited)
            onEdited();
    });
}

int DescriptionEdit::endOfText() const
{
    const QByteArray utf8 = text().toUtf8();
    const std::string_view before =
        textBeforeTypingPlace(std::string_view{utf8.constData(), static_cast<std::size_t>(utf8.size())});
    return static_cast<int>(toQString(before).size());
}

void DescriptionEdit::placeCursorAfterText()
{
    deselect();
    setCursorPosition(endOfText());
}

void DescriptionEdit::keyPressEvent(QKeyEvent* event)
{
    if (const auto code = characterCode(*event); code && onKey) {
        const std::int16_t kept = onKey(*code);
        if (kept == 0 && full_)
            QToolTip::showText(mapToGlobal(QPoint{0, height()}), fullDescriptionHint, this);
        if (kept == 0 || kept == enterCode) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void DescriptionEdit::setFull(bool full)
{
    if (full == full_)
        return;
    if (full)
        usualToolTip_ = toolTip();
    full_ = full;
    setToolTip(full ? fullDescriptionHint : usualToolTip_);
    setAccessibleDescription(full ? fullDescriptionHint : QString{});
}

void DescriptionEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    placeCursorAfterText();
}

void DescriptionEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (!hasSelectedText() && cursorPosition() > endOfText())
        setCursorPosition(endOfText());
}

} // namespace tarvolin
