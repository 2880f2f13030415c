#pragma once
// The second half of drawing a chart: the scales, the labels and captions
// that make the grid readable, and the end of the drawing.

#include "chart/drawcontext.h"

namespace chart {

// The extents W and H of the drawing that lets the whole chart, its captions
// included, lie on a visible part of the surface of the given size, all in
// twips, for printed lines of the given height.
struct Extents {
    double W = 0, H = 0;
};
Extents extentsToShowWhole(double visibleWidth, double visibleHeight, double lineHeight);

// Prints the caption of the working pressure at start, before the user has
// given one ("Atmos. pr= 29.92126  In Hg"), where the chart prints its own.
void printStartCaption(DrawContext& ctx);

// Prints the caption of the working pressure in the unit of pressureUnit
// ("Atmos. pr=29.92126 In Hg", "Site elevation=5000 ft") at the top left of
// the chart.
void printPressureCaption(DrawContext& ctx);

// Draws the dry-bulb scale with its major lines, the humidity-ratio scale, the
// captions, the origin label and the vapour-pressure scale over the frame and
// grids of the chart being drawn; then clears the busy indicator, gives the
// surface the focus and records the limits of the chart now drawn
// (drawnLowerDryBulbText to drawnHigherHumidityRatioText).
void drawscales(DrawContext& ctx);

} // namespace chart
