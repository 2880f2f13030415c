#pragma once
// The dry-bulb interval in which a line of constant relative humidity,
// enthalpy or specific volume lies inside given bounds: those of the chart,
// or fixed ones. Each walks its line in steps of 1 deg F of dry bulb and
// leaves the interval in the caller's LineSpan, which the two-property state
// solver then searches.

#include "moistair/chartframe.h"

#include <functional>
#include <string>

namespace moistair {

// The low and high end of the interval, in deg F, kept as the texts of the
// numbers between calls. A walk that finds no point leaves both as they were;
// before any span has been found both read 0.
struct LineSpan {
    std::string low;
    std::string high;

    double lowEnd() const;
    double highEnd() const;
};

// The bounds of the main window's chart: the limits now chosen in its lists,
// the scale factors of the chart drawn last (0 before any) and the extents of
// the drawing, which place each point of the line on the chart surface.
struct ChartBounds {
    double ldb = 0, hdb = 0;  // dry-bulb limits, deg F
    double lhr = 0, hhr = 0;  // humidity-ratio limits, lb/lb
    double W = 0, H = 0;      // extents of the drawing on the chart surface, twips
    double is1 = 0, is2 = 0;  // vertical and horizontal scale factors
    double atm = 0;           // working pressure, inches of mercury

    // Tells the user that a relative-humidity line has no point in the chart
    // (or that its relative humidity lies outside 0 to 100); returns when the
    // user has closed the message.
    std::function<void()> lineNotFound;
    // The volume walk stopped on a higher dry-bulb limit of 121 or more: the
    // busy indicator is cleared and the chart surface takes the focus.
    std::function<void()> walkStopped;

    ChartFrame frame() const { return {W, H, ldb, lhr, is1, is2}; }
};

// The fixed bounds of the mixing window: dry bulb 0 to 120, humidity ratio 0
// to 0.03, no chart surface.
struct FixedBounds {
    double atm = 0; // working pressure, inches of mercury
};

// Each operation takes the value of its line as it reads back from its text
// of 15 significant digits, and updates span only when a point of the line
// lies inside the bounds; it returns whether one did.

// Line of constant relative humidity rh, percent: walked only for rh from 0
// to 100; with chart bounds, a walk that finds nothing tells the user.
bool rhlinespan(double rh, const ChartBounds& bounds, LineSpan& span);
bool rhlinespan(double rh, const FixedBounds& bounds, LineSpan& span);

// Line of constant specific enthalpy h, Btu/lb of dry air. With chart bounds
// whose dry-bulb limits are not finite numbers, nothing is walked (as for the
// volume line).
bool hlinespan(double h, const ChartBounds& bounds, LineSpan& span);
bool hlinespan(double h, const FixedBounds& bounds, LineSpan& span);

// Line of constant specific volume v, cu ft/lb of dry air: walked only for v
// above 0 and up to 78.
bool spvollinespan(double v, const ChartBounds& bounds, LineSpan& span);
bool spvollinespan(double v, const FixedBounds& bounds, LineSpan& span);

} // namespace moistair
