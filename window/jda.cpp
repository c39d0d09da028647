#include "window/jda.h"

namespace tarvolin {

JDA::JDA(Platform platform) : platform_{platform} {}

void JDA::setFocus(Control& control)
{
    const int slot = slotOf(control);
    if (slot == focusedSlot)
        return;
    Control* previous = focused();
    focusedSlot = slot;
    if (previous != nullptr) {
        if (previous->design->name == "Datum")
            Datum_LostFocus(previous->design->index);
        else if (previous->design->name == "Eingabe")
            Eingabe_LostFocus(previous->design->index);
    }
    // A handler of the losing control may have moved the focus on already.
    if (focusedSlot == slot && control.design->name == "Datum")
        Datum_GotFocus(control.design->index);
}

void JDA::setBox(int row, bool ticked)
{
    Control& b = box(row);
    if (b.value == ticked)
        return;
    b.value = ticked;
    box_Click(static_cast<std::int16_t>(row), ticked ? True : False);
}

void JDA::selectOpt(int index)
{
    Opt(0).value = index == 0;
    Opt(1).value = index == 1;
    Opt_Click(static_cast<std::int16_t>(index), True);
}

void JDA::notice(std::string_view text, MessageKind kind)
{
    platform_.messages.show(text, programTitle, MessageButtons::Ok, kind);
}

} // namespace tarvolin
