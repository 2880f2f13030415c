#pragma once
// The mapping from (dry bulb, humidity ratio) to chart-surface coordinates.

namespace moistair {

// Coordinates in twips with y growing downward: ldb falls at W/12, hdb at
// 11W/12, lhr at 4700H/6000 and hhr at 200H/6000. A scale factor of 0 (no
// chart drawn yet) gives infinite or undefined coordinates, by IEEE
// arithmetic.
struct ChartFrame {
    double W = 0, H = 0;
    double ldb = 0, lhr = 0;
    double is1 = 0, is2 = 0;

    double x0() const { return W / 12; }
    double y0() const { return 4700 * H / 6000; }
    double rightEdge() const { return 11 * W / 12; }
    double topEdge() const { return 200 * H / 6000; }
    double dbtox(double db) const { return W / 12 + W * (db - ldb) / is2; }
    double hrtoy(double hr) const { return 4700 * H / 6000 - H * (hr - lhr) / is1; }
};

} // namespace moistair
