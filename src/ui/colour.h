#pragma once
// Colours of lines and labels, as 24-bit red-green-blue values.

#include <cstdint>

namespace ui {

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(Colour, Colour) = default;
};

// The colours of the chart's grids, curves, lines and marks.
namespace palette {
inline constexpr Colour green{0, 128, 0};          // relative-humidity curves
inline constexpr Colour darkRed{128, 0, 0};        // wet-bulb lines
inline constexpr Colour lightGrey{192, 192, 192};  // grids
inline constexpr Colour grey{128, 128, 128};       // enthalpy lines
inline constexpr Colour lightMagenta{255, 0, 255}; // specific-volume lines
inline constexpr Colour red{255, 0, 0};            // marks of points and streams
inline constexpr Colour blue{0, 0, 255};           // major scale lines
} // namespace palette

} // namespace ui
