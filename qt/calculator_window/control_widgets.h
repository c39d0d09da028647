#pragma once
// The widget that draws each kind of control, made from the control's row
// of the table, and drawControl, which makes a widget show what the model
// holds for its control now. Neither knows the handlers: the window wires
// the widgets to them.

#include "qt/calculator_window/twips.h"
#include "window/controls.h"

#include <QLabel>

#include <functional>

namespace tarvolin {

// The property that holds a control widget's place in the control table.
inline constexpr const char* controlSlotProperty = "controlSlot";

// A label that reacts to a click (Label4, Label7).
class ClickableLabel final : public QLabel {
public:
    explicit ClickableLabel(QWidget* parent);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The widget of one control, not yet placed, with its hint and, for a
// button with a shortcut, the key that clicks it.
QWidget* makeControlWidget(const ControlDesign& design, QWidget* parent);
// The hint under the mouse pointer: the table's text and the shortcut as
// the user's keyboard names it ("Das Schreiben ... drucken (Strg+P)").
QString toolTipOf(const ControlDesign& design);
// Where the control stands, in the parent's pixels. Check boxes and option
// buttons grow around their centre to at least the style's indicator size.
QRect controlGeometry(const ControlDesign& design, const TwipScale& scale, const QWidget& widget);
// The window's height in twips: the design height, or more where a control
// reaches further down (the employment-period panel's last notice tier
// ends at 9615 twips, below the design height of 9405).
int windowHeightForControls();
// Text, visibility, colour, bold font, tick: whatever the model holds.
void drawControl(const Control& control, QWidget& widget);

} // namespace tarvolin
