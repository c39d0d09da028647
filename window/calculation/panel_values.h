#pragma once
// How the calculation reads and writes the window's controls: numbers shown in
// panels, dates inside messages, rows set to zero.

#include "calc/date_text.h"
#include "window/controls.h"

#include <cstdint>
#include <string>

namespace tarvolin {

// A panel's number: the leading number of its caption; an empty caption is 0.
inline std::int16_t shownNumber(const Control& panel)
{
    return static_cast<std::int16_t>(numericValue(panel.text));
}

// Numbers are shown as plain decimal: -1, 0, 18.
inline void showNumber(Control& panel, std::int16_t value) { panel.text = std::to_string(value); }

// Whether a date field names a real calendar day (not the mask, not "12/0_/____").
inline bool holdsDate(const Control& dateField) { return dateField.dateValue().has_value(); }

// A field's date as it reads inside a message, 15.05.2008; a field without a
// date reads as nothing.
inline std::string messageDate(const Control& dateField)
{
    const auto d = dateField.dateValue();
    return d ? germanDateText(*d) : std::string{};
}

// Row r (1 to 17) shows 0 days, 0 months, 0 years.
inline void setRowToZero(ControlModel& window, int row)
{
    showNumber(window.Tage(row), 0);
    showNumber(window.Monat(row), 0);
    showNumber(window.Jahr(row), 0);
}

inline void showPeriod(ControlModel& window, int row, std::int16_t days, std::int16_t months, std::int16_t years)
{
    showNumber(window.Tage(row), days);
    showNumber(window.Monat(row), months);
    showNumber(window.Jahr(row), years);
}

} // namespace tarvolin
