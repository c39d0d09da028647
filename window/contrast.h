#pragma once
// The contrast of two colours as the accessibility rules measure it (WCAG
// 2.1, to which EN 301 549 points): the relative luminance of each colour
// (its sRGB channels made linear, weighted 0.2126 red, 0.7152 green, 0.0722
// blue) and the ratio (lighter + 0.05) / (darker + 0.05), from 1 (the same
// colour) to 21 (black on white). Text needs 4.5, large text and the parts
// of controls (a focus frame, a red frame) 3.
//   contrastRatio(0x000000, 0xFFFFFF) == 21
//   contrastRatio(0x2F3E4E, 0xFFFF00) ~ 10.2  (the window's ink on yellow)

#include <cstdint>

namespace tarvolin {

inline constexpr double textContrast = 4.5;
inline constexpr double partContrast = 3.0;

// Colours as 0xRRGGBB, in either order.
double contrastRatio(std::uint32_t a, std::uint32_t b);

} // namespace tarvolin
