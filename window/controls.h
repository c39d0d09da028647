#pragma once
// The window's controls as data: what each one shows now (caption or text,
// visibility, background colour, bold font, tick or selection), the window's
// caption and which control has the focus. The calculation reads and writes
// the window only through this model; the drawn window and the scripted mode
// show it.

#include "calc/date.h"
#include "window/control_table.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t white = 0xFFFFFF;
inline constexpr std::uint32_t tierMarked = 0xFFFFC0;      // the notice tier that applies
inline constexpr std::uint32_t anniversaryReached = 0xFFFF00;
inline constexpr std::uint32_t anniversaryNotReached = 0xEAEAEA;

struct Control {
    const ControlDesign* design = nullptr;
    std::string text;        // Caption of labels, panels and buttons; Text of date fields and text boxes
    bool visible = true;
    std::uint32_t backColor = white;
    bool fontBold = false;
    bool value = false;      // check box ticked, option selected

    // Date fields: the day the text names, when it names one.
    std::optional<Date> dateValue() const;
    // The day as a serial number, 0 when the field holds no date.
    std::int32_t serialValue() const;
    void setDateValue(Date d);
    bool isEmptyDate() const;
    // Whether a day lies inside the field's permitted range.
    bool accepts(Date d) const;
};

class ControlModel {
public:
    ControlModel();

    Control& at(int slot) { return controls_.at(static_cast<std::size_t>(slot)); }
    const Control& at(int slot) const { return controls_.at(static_cast<std::size_t>(slot)); }
    int slotOf(const Control& c) const { return static_cast<int>(&c - controls_.data()); }
    // The control of that name and index, or nullptr.
    Control* find(std::string_view name, int index = -1);
    std::vector<Control>& controls() { return controls_; }
    const std::vector<Control>& controls() const { return controls_; }

    // Arrays by index (throws std::out_of_range for an index the array lacks).
    // Each array's place and index range come from the control table.
#define TARVOLIN_ARRAY(name)                                   \
    Control& name(int index)                                   \
    {                                                          \
        constexpr ControlArray array = controlArray(#name);    \
        return element(array, index);                          \
    }
    TARVOLIN_ARRAY(Datum)
    TARVOLIN_ARRAY(Eingabe)
    TARVOLIN_ARRAY(ab)
    TARVOLIN_ARRAY(auf)
    TARVOLIN_ARRAY(Zähler)
    TARVOLIN_ARRAY(box)
    TARVOLIN_ARRAY(Tage)
    TARVOLIN_ARRAY(Monat)
    TARVOLIN_ARRAY(Jahr)
    TARVOLIN_ARRAY(Kündigung)
    TARVOLIN_ARRAY(Text)
    TARVOLIN_ARRAY(Label5)
    TARVOLIN_ARRAY(Opt)
    TARVOLIN_ARRAY(Line1)
#undef TARVOLIN_ARRAY

    // Single controls.
#define TARVOLIN_SINGLE(name) \
    Control& name() { return at(requiredSlot(#name)); }
    TARVOLIN_SINGLE(Hilfetexte)
    TARVOLIN_SINGLE(SSCommand2)
    TARVOLIN_SINGLE(Hilfe)
    TARVOLIN_SINGLE(Drucken)
    TARVOLIN_SINGLE(SSCommand1)
    TARVOLIN_SINGLE(Schließen)
    TARVOLIN_SINGLE(jünger)
    TARVOLIN_SINGLE(Altern)
    TARVOLIN_SINGLE(weniger)
    TARVOLIN_SINGLE(mehr)
    TARVOLIN_SINGLE(Alter)
    TARVOLIN_SINGLE(month)
    TARVOLIN_SINGLE(Aufkleber)
    TARVOLIN_SINGLE(Label1)
    TARVOLIN_SINGLE(Label2)
    TARVOLIN_SINGLE(Label3)
    TARVOLIN_SINGLE(Label4)
    TARVOLIN_SINGLE(Label6)
    TARVOLIN_SINGLE(Label7)
    TARVOLIN_SINGLE(Label8)
    TARVOLIN_SINGLE(Label9)
    TARVOLIN_SINGLE(Label10)
    TARVOLIN_SINGLE(Label11)
    TARVOLIN_SINGLE(Label12)
    TARVOLIN_SINGLE(Label13)
    TARVOLIN_SINGLE(Label14)
    TARVOLIN_SINGLE(Label15)
    TARVOLIN_SINGLE(Label16)
    TARVOLIN_SINGLE(Ziel)
    TARVOLIN_SINGLE(Termin)
#undef TARVOLIN_SINGLE

    // The window as a whole.
    std::string formCaption{designCaption};
    int focusedSlot = -1; // -1: no control has the focus
    Control* focused() { return focusedSlot < 0 ? nullptr : &at(focusedSlot); }

private:
    // Every calculation step reaches its controls through here: kept inline.
    Control& element(const ControlArray& array, int index)
    {
        if (index < array.first || index > array.last)
            throw std::out_of_range("control index out of range");
        return controls_[static_cast<std::size_t>(array.firstSlot + index - array.first)];
    }

    std::vector<Control> controls_;
};

} // namespace tarvolin
