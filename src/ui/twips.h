#pragma once
// The program measures its windows, its chart surface and the screen in
// twips: 15 to a logical pixel, whatever the screen's real resolution.

namespace ui {

inline constexpr int twipsPerPixel = 15;

} // namespace ui
