#pragma once
// The chart's frame: its four limits, and the scale by which a chart drawn
// with them maps (dry bulb, humidity ratio) to chart-surface coordinates.

namespace chart {

// Four chart limits: lower and higher dry bulb, deg F; lower and higher
// humidity ratio, lb/lb.
struct ChartLimits {
    double ldb = 0, hdb = 0, lhr = 0, hhr = 0;

    // Whether the point lies within the limits, the limits included.
    bool contains(double db, double hr) const { return ldb <= db && db <= hdb && lhr <= hr && hr <= hhr; }
    bool operator==(const ChartLimits&) const = default;
};

// Coordinates in twips with y growing downward: ldb falls at W/12, hdb at
// 11W/12, lhr at 4700H/6000 and hhr at 200H/6000 of the chart whose scale
// factors is1 (vertical) and is2 (horizontal) the frame holds. A scale factor
// of 0 (no chart drawn yet) gives infinite or undefined coordinates, by IEEE
// arithmetic.
struct ChartFrame {
    double W = 0, H = 0; // extents of the drawing on the chart surface, twips
    ChartLimits limits;
    double is1 = 0, is2 = 0;

    double x0() const { return W / 12; }
    double y0() const { return 4700 * H / 6000; }
    double rightEdge() const { return 11 * W / 12; }
    double topEdge() const { return 200 * H / 6000; }
    double dbtox(double db) const { return W / 12 + W * (db - limits.ldb) / is2; }
    double hrtoy(double hr) const { return 4700 * H / 6000 - H * (hr - limits.lhr) / is1; }
};

// The frame of a chart drawn with the limits on a drawing of W by H twips:
// the scale factors as the limits give them.
ChartFrame frameOf(double W, double H, const ChartLimits& limits);

} // namespace chart
