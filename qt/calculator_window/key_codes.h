#pragma once
// Which keys the window's key handlers hear, and with which character code:
// Enter (13), Backspace (8) and the keys that type one printable character.
// Tab, the arrow keys, Delete and shortcuts such as Ctrl+V are no character
// keys; the field handles them alone.

#include "window/keys.h"

#include <QKeyEvent>

#include <cstdint>
#include <optional>

namespace tarvolin {

// Return on the main keys and Enter on the number pad are one key.
inline bool isEnterKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

inline std::optional<std::int16_t> characterCode(const QKeyEvent& event)
{
    if (isEnterKey(event))
        return enterCode;
    if (event.key() == Qt::Key_Backspace)
        return backspaceCode;
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return std::nullopt;
    // The handlers look only at Enter and at "discarded" (0); a character
    // beyond the 16-bit range reaches them as "?".
    const char16_t unit = text.at(0).unicode();
    return unit <= 0x7FFF ? static_cast<std::int16_t>(unit) : std::int16_t{'?'};
}

} // namespace tarvolin
