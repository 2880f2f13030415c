#pragma once
// The curve families of the chart (relative humidity, saturation, wet bulb,
// specific volume) and the tracings that draw one line of each kind, which
// the line commands run for a value the user typed.

#include "chart/drawcontext.h"
#include "ui/colour.h"

#include <functional>

namespace chart {

// The relative-humidity curves 100, 80, 60, 40, 20 and 10 percent of the
// standard chart.
void drawrhlines(DrawContext& ctx);
// The saturation curve alone, for the blank chart.
void drawsatline(DrawContext& ctx);
// The wet-bulb lines 10, 20, ... 120 deg F of the standard chart.
void drawwblines(DrawContext& ctx);
// The specific-volume lines of the standard chart, from just above the volume
// of the chart's top-right corner downward.
void drawspvollines(DrawContext& ctx);

// Each tracing below draws one line on the chart now framed, with the limits
// and the pressure already in ctx.state and the frame factors of the chart
// drawn, labels it, and returns whether a segment was drawn.

// The curve of relative humidity rh (percent), green, labelled "Rh=" at its
// last segment. Its segments count as drawn, and it is labelled, only when
// rh is at most 100. w is the humidity ratio of the previous point, read by the
// walk's first step and left at the walk's last point: 0 for a single curve,
// carried from one curve to the next within a family.
bool traceRhCurve(DrawContext& ctx, double rh, double& w);

// The humidity ratio and relative humidity of a line's point.
struct LinePoint {
    double w = 0;
    double rh = 0;
};

// Computes the line's point at dry bulb db into point; a computation that
// fails leaves its part of the point as it was.
using LinePointAt = std::function<void(double db, LinePoint& point)>;

enum class LabelPlace {
    EndOfLastSegment,  // after the walk, at the end of the last segment
    EndOfFirstSegment, // at once, after the first segment and its repaint
};

// How a line is drawn: its colour, its label text and value (printed as
// "WB= 50 "), and where the label stands.
struct LineLook {
    ui::Colour colour;
    const char* label = "";
    double value = 0;
    LabelPlace place = LabelPlace::EndOfLastSegment;
};

// Walks a line down from hdb - 1 in steps of one degree to the first dry
// bulb below ldb or below 0, drawing a segment to each point inside the chart
// with 0 < w <= 0.03 and 0 <= rh <= 100. The point function makes the line.
bool traceWholeDegreeLine(DrawContext& ctx, const LineLook& look, const LinePointAt& pointAt);

// The line of wet bulb wb (deg F), dark red, labelled "WB=" at its last
// segment, the point of lowest dry bulb.
bool traceWetBulbLine(DrawContext& ctx, double wb);

// The line of specific enthalpy h (Btu/lb), grey: the wet-bulb line's walk
// with the wet bulb of each point found from h, labelled "h=" at its first
// segment.
bool traceEnthalpyLine(DrawContext& ctx, double h);

// The line of specific volume v (cu ft/lb), light magenta, walked down from
// hdb - 0.1 in steps of 0.1 with a wet-bulb search at each step, labelled
// "v=" at its first segment.
bool traceVolumeLine(DrawContext& ctx, double v);

} // namespace chart
