#pragma once
// DescriptionEdit: the free description box of a period row. Every character
// key (Enter and Backspace included) goes to onKey before the box takes it;
// onKey answers with the key code after the window's handler, 0 meaning the
// key is discarded. Changes the box made are reported through onEdited so
// the window can copy the text into the model.
//
// Typing lands right after the last non-blank character when the box gets
// the focus or when a click falls into the blanks behind the text, so that
// restored trailing blanks never push new text past the 60 characters.

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace tarvolin {

class DescriptionEdit final : public QLineEdit {
public:
    explicit DescriptionEdit(QWidget* parent);

    std::function<std::int16_t(std::int16_t code)> onKey;
    std::function<void()> onEdited;

    // Where typing lands by the description box's cursor rule (window/keys.h):
    // right after the last non-blank character.
    int endOfText() const;
    void placeCursorAfterText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tarvolin
