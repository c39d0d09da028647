#pragma once
// The printed letter's fixed texts and positions, shared by the letter code
// and its tests. The letter itself is JDA::Drucken_Click (letter.cpp): it
// prints what the window shows at the moment of the click and computes
// nothing.

#include <string>
#include <string_view>

namespace tarvolin::letter {

// Horizontal positions in twips from the left of the printable area.
inline constexpr int rowFromX = 1500;   // from-date of a row; anniversary captions; the age line
inline constexpr int rowToX = 3000;     // to-date of a row
inline constexpr int rowTextX = 4500;   // description of a row
inline constexpr int valueX = 7000;     // the column of dates after the texts
inline constexpr int daysX = 9500;      // "T", underlines of the sums
inline constexpr int monthsX = 10000;   // "M"
inline constexpr int yearsX = 10500;    // "J"

inline constexpr std::string_view fontName = "arial";
inline constexpr int fontPoints = 12;

// Shown instead of printing when the birthday or the pay start is missing.
inline constexpr std::string_view noDataText = "Bitte vorher Daten eingeben";
inline constexpr std::string_view noDataTitle = "Dateneingabe fehlt";

// A blank indent of n: n blanks of the current font in front of the text.
inline std::string indented(int blanks, std::string_view text)
{
    return std::string(static_cast<std::size_t>(blanks), ' ').append(text);
}

} // namespace tarvolin::letter
