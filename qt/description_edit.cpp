#include "qt/description_edit.h"

#include "qt/key_codes.h"

#include <QKeyEvent>

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
    const QString t = text();
    qsizetype end = t.size();
    while (end > 0 && t.at(end - 1) == QLatin1Char(' '))
        --end;
    return static_cast<int>(end);
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
        if (kept == 0 || kept == enterCode) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
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
