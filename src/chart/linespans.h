#pragma once
// The dry-bulb interval in which a line of constant relative humidity,
// enthalpy or specific volume lies inside given bounds: those of the chart,
// or fixed ones. Each walks its line in steps of 1 deg F of dry bulb and
// leaves the interval in the caller's LineSpan, which the two-property state
// solver then searches.

#include "chart/chartframe.h"

#include <functional>
#include <optional>
#include <string>

namespace chart {

// The low and high end of the interval, in deg F, kept as the texts of the
// numbers between calls. A walk that finds no point leaves both as they were;
// before any span has been found both read 0.
struct LineSpan {
    std::string low;
    std::string high;

    double lowEnd() const;
    double highEnd() const;
};

// The limits of the fixed bounds: dry bulb 0 to 120, humidity ratio 0 to 0.03.
inline constexpr ChartLimits fixedLimits{0, 120, 0, 0.03};

// The bounds of a walk: on the chart, or the fixed ones (the mixing window's).
struct LineBounds {
    // The fixed bounds.
    explicit LineBounds(double atm = 0) : atm(atm) {}
    // The bounds of the chart of the frame.
    LineBounds(double atm, const ChartFrame& chart) : atm(atm), chart(chart) {}

    double atm = 0; // working pressure, inches of mercury
    // On the chart: the frame whose limits bound the walk and which places
    // each point of the line on the chart surface. None for the fixed bounds,
    // which place nothing.
    std::optional<ChartFrame> chart;

    // On the chart, the relative-humidity walk found no point in it (or its
    // relative humidity lies outside 0 to 100); returns when the user has
    // been told.
    std::function<void()> lineNotFound;
    // On the chart, the volume walk stopped at its first step, on a higher
    // dry-bulb limit of 121 or more.
    std::function<void()> walkStopped;

    ChartLimits limits() const { return chart ? chart->limits : fixedLimits; }
};

// Each operation takes the value of its line as it reads back from its text
// of 15 significant digits, and updates span only when a point of the line
// lies inside the bounds; it returns whether one did.

// Line of constant relative humidity rh, percent: walked only for rh from 0
// to 100.
bool rhlinespan(double rh, const LineBounds& bounds, LineSpan& span);

// Line of constant specific enthalpy h, Btu/lb of dry air. With dry-bulb
// limits that are not finite numbers, nothing is walked (as for the volume
// line).
bool hlinespan(double h, const LineBounds& bounds, LineSpan& span);

// Line of constant specific volume v, cu ft/lb of dry air: walked only for v
// above 0 and up to 78.
bool spvollinespan(double v, const LineBounds& bounds, LineSpan& span);

} // namespace chart
