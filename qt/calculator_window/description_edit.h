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
//
// A full box (the window's counter at 0) refuses every key; it says so: its
// hint reads "60 Zeichen erreicht – Entf löscht, Tab geht weiter", shown at
// the box when a key is refused and as its tool tip while it is full.

#include "calc/fixed_text.h"

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

    // The window tells the box whether it is full.
    void setFull(bool full);
    bool isFull() const { return full_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool full_ = false;
    QString usualToolTip_;
};

inline const QString fullDescriptionHint =
    QStringLiteral("%1 Zeichen erreicht – Entf löscht, Tab geht weiter").arg(descriptionLength);

} // namespace tarvolin
