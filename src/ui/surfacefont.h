#pragma once
// The font in which the chart surface prints, shared by the window's own
// surface and the recording surface of the tests, so that both move the
// print position alike.

#include <QFont>

namespace ui {

// The font of the chart surface: the application's font.
QFont surfaceFont();

// The height of one printed line in the font, in twips: how far printing a
// line moves the print position down.
double printedLineHeightTwips(const QFont& font);

} // namespace ui
