#pragma once
// One row of the control table (control_table.h): what the program knows
// about one control before the window runs. Positions and sizes are twips.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvolin {

enum class ControlKind { DateField, Panel, Button, Check, Option, Label, TextBox, Line, Image, PictureBox };

// The small stepping buttons show a triangle pointing this way.
enum class ArrowDirection { None, Up, Down, Left, Right };

struct YearMonthDay {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct DateRange {
    YearMonthDay first;
    YearMonthDay last;
};

// A short text composed while the table is built, such as "Zeitraum 3 von".
class DesignText {
public:
    constexpr DesignText() = default;
    constexpr DesignText(std::string_view text) { append(text); }
    template <std::size_t N>
    constexpr DesignText(const char (&text)[N]) : DesignText{std::string_view{text, N - 1}}
    {
    }
    constexpr DesignText& append(std::string_view text)
    {
        for (char c : text) {
            if (size_ == chars_.size())
                throw "design text too long";
            chars_[size_++] = c;
        }
        return *this;
    }
    constexpr DesignText& append(int number)
    {
        if (number >= 10)
            append(number / 10);
        const char digit[] = {static_cast<char>('0' + number % 10)};
        return append(std::string_view{digit, 1});
    }
    constexpr std::string_view view() const { return {chars_.data(), size_}; }

private:
    std::array<char, 56> chars_{};
    std::size_t size_ = 0;
};

struct ControlDesign {
    std::string_view name;
    std::int16_t index = -1; // -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string_view caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view parent; // "" for the window itself
    DateRange range{};       // date fields only
    // What a screen reader announces, in German: what the control holds, not
    // where it stands. Empty for decoration and plain captions.
    DesignText accessibleName;
    // Buttons, check boxes and options take a click, and so do the two
    // labels that choose a view (Label4, Label7).
    bool clickable = false;
    ArrowDirection arrow = ArrowDirection::None;
    // The size the window draws (setDrawnSize in control_table.h).
    int drawnWidth = 0;
    int drawnHeight = 0;
    // A working field holds a date the calculation keeps for itself (the
    // copy of the pay start, the two notice dates): the window never shows
    // it and it never takes the focus; its value shows elsewhere (Label9,
    // Termin, Ziel). The dash between two of them is hidden with them.
    bool working = false;
    // What the hint under the mouse pointer says about the control, in
    // German; empty for none.
    std::string_view toolTip;
    // The key that clicks the control from anywhere in the window, in the
    // portable form "Ctrl+P", "F1"; empty for none.
    std::string_view shortcut;
};

} // namespace tarvolin
