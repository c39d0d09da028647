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
//
// Typing forgives the usual ways of writing a date: "." or "/" after a
// single digit of the day or the month puts a leading zero before it and
// goes on to the next part, so 1.4.1990 and 1/4/1990 both give 01/04/1990.
// A click into a complete date selects the day, month or year under the
// pointer, so that typing replaces that part instead of overwriting from
// the middle. showRefusal frames the field in red for a few seconds and
// says at the field why a date was emptied; the reason stays the field's
// hint and its description for screen readers until the next edit.

#include <QLineEdit>
#include <QTimer>

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

    // The red frame and the reason beside the field, until a few seconds
    // have passed or the user types into the field again; the reason is
    // announced and kept until that edit.
    void showRefusal(const QString& reason);
    bool showsRefusal() const { return refusalShown_; }
    QString refusalReason() const { return refusalReason_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCalendarButton();
    // "." or "/" after one digit of the day or the month: true when it
    // completed the part.
    bool completePart(const QString& typed);
    void endRefusal();
    // The user changed the text: the red frame and the reason go.
    void edited();

    QToolButton* calendarButton_ = nullptr;
    QTimer refusalTimer_;
    bool refusalShown_ = false;
    QString refusalReason_;
    QString usualToolTip_;
};

} // namespace tarvolin
