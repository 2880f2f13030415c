#pragma once
// Colours of lines and labels, as 24-bit red-green-blue values.

#include <cstdint>

namespace ui {

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(Colour, Colour) = default;
};

// The numbers of the classic 16-colour palette that the chart uses.
namespace palette {
inline constexpr Colour green{0, 128, 0};          // 2
inline constexpr Colour darkRed{128, 0, 0};        // 4
inline constexpr Colour lightGrey{192, 192, 192};  // 7
inline constexpr Colour grey{128, 128, 128};       // 8
inline constexpr Colour lightMagenta{255, 0, 255}; // 13
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour blue{0, 0, 255};           // &HFF0000
inline constexpr Colour yellow{255, 255, 0};       // &HFFFF
} // namespace palette

} // namespace ui
