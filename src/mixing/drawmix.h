#pragma once
// Drawing the mix on the main chart: the two streams and the mixed stream
// marked with concentric red circles and their labels, each stream joined to
// the mixed stream by a black line.

#include "chart/drawcontext.h"
#include "ui/chartsurface.h"
#include "ui/dialogs.h"

#include <string>

namespace mixing {

// Dry bulb, humidity ratio and relative humidity of one point as its cells
// show them.
struct MixPoint {
    std::string db, hr, rh;
};

// Marks the three points on the surface when the chart on it was drawn with
// the limits now chosen and all three lie within them, limits included, with
// a relative humidity above 0 and at most 100, and returns true. Otherwise
// draws nothing, tells the user to draw that chart first, or which point (the
// first of stream 1, the mixed stream, stream 2) is out of chart limits, and
// returns false. A point that the frame cannot place (a lower limit equal to
// the higher one) counts as out of chart limits. W and H are the extents of
// the drawing on the main window's chart surface.
bool drawmix(const MixPoint& stream1, const MixPoint& mixed, const MixPoint& stream2, const chart::MainState& state,
             const chart::LimitTexts& limits, double W, double H, ui::ChartSurface& surface, ui::Dialogs& dialogs);

} // namespace mixing
