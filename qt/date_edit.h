#pragma once
// DateEdit: the widget of one date field, a masked line edit "dd/mm/yyyy"
// whose empty text shows "__/__/____". Only digits land in the digit places.
// It does not decide anything about dates: every character key goes to onKey
// first (the window raises Datum_KeyPress with it), Enter goes only there,
// and each change the user makes is reported through onEdited so the window
// can copy the display text into the model.
//
// Editable fields carry a small calendar button at their right end (also
// opened with Alt+Down or F4); result fields are read-only and have none.

#include <QLineEdit>

#include <cstdint>
#include <functional>

QT_BEGIN_NAMESPACE
class QToolButton;
QT_END_NAMESPACE

namespace tarvolin {

class DateEdit final : public QLineEdit {
public:
    DateEdit(QWidget* parent, bool editable);

    std::function<void(std::int16_t code)> onKey; // before the field takes the key
    std::function<void()> onEdited;                // the user changed the text
    std::function<void()> onCalendar;              // the calendar was asked for

    // Where typing should go on: the first blank, or 0 when there is none.
    int firstBlank() const;
    void placeCursorOnFirstBlank();
    QToolButton* calendarButton() const { return calendarButton_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCalendarButton();

    QToolButton* calendarButton_ = nullptr;
};

} // namespace tarvolin
