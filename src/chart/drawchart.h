#pragma once
// Drawing a whole chart: the tests of the chosen limits, the frame, the axes
// and grids, the curve families of the chosen chart type, then the scales and
// captions.

#include "chart/drawcontext.h"
#include "ui/dialogs.h"

namespace chart {

// The six tests of the chosen limits, each limit converted from its list just
// before its test; a text that is not a number as a whole fails its limit's
// test and keeps the limit as it was. The first failing test shows its
// message and returns false.
bool checkchartlimits(DrawContext& ctx, ui::Dialogs& dialogs);

// The limits of the chart on the surface, as drawnLowerDryBulbText to
// drawnHigherHumidityRatioText hold them.
ChartLimits readDrawnLimits(const MainState& state);

// The chart on the surface is gone: every test of the drawn limits refuses
// until a chart is drawn again.
void forgetDrawnChart(MainState& state);

// True when the chosen limits are those of the chart on the surface.
bool isSameChart(const MainState& state, const ChartLimits& drawn);

// Whether the chart on the surface was drawn with the limits the lists now
// show; a limit that is not a number is no limit of a chart drawn.
bool isDrawnWith(const MainState& state, const LimitTexts& limits);

// Tells the user to draw the chart of the limits now chosen first.
void tellDrawChartFirst(ui::Dialogs& dialogs);

// Whether the chart on the surface was drawn with the limits now chosen,
// which it reads into the state. When it was not, tells the user to draw the
// chart first, then clears the busy indicator and gives the surface the
// focus.
bool checkdrawnlimits(DrawContext& ctx, ui::Dialogs& dialogs);

// Draws the chart of the chosen limits and of the type in chartType, unless
// the limits are refused or already drawn.
void drawchart(DrawContext& ctx, ui::Dialogs& dialogs);

// The grids alone, at the frame factors in the state: horizontal lines of
// humidity ratio starting on the saturation curve, vertical lines of dry bulb
// ending on it.
void drawhumidityratiogrid(DrawContext& ctx);
void drawdrybulbgrid(DrawContext& ctx);

} // namespace chart
