#include "chart/curves.h"

#include "moistair/bisect.h"
#include "moistair/psychro.h"
#include "moistair/searches.h"

#include <cmath>

// Every tracing maps its points with the chart's frame and draws a segment to
// a point only when that point (not the previous one) passes the line's
// tests, so a line entering the chart starts just outside its edge. The first
// point of a walk never starts a segment: the previous point is (0, 0) then.
// Each step carries what the step before it left: the previous point, and
// the value of every property whose computation fails at this step. The
// relative-humidity walk also takes its next dry bulb from the humidity ratio
// of the point before.

namespace chart {
namespace {

using moistair::skipOnFailure;

struct SurfacePoint {
    double x = 0;
    double y = 0;
};

SurfacePoint pointOnChart(const ChartFrame& frame, double db, double w)
{
    return {frame.dbtox(db), frame.hrtoy(w)};
}

// A segment grows on the screen as soon as it is drawn.
void drawSegment(ui::ChartSurface& surface, SurfacePoint from, SurfacePoint to, ui::Colour colour)
{
    surface.line(from.x, from.y, to.x, to.y, colour);
    surface.refresh();
}

// Prints the label at the surface's current position, the end of the segment
// just drawn, and ends the printed line.
void printLabel(ui::ChartSurface& surface, const char* text, double value)
{
    surface.print({text, value});
}

// Each family reads the limits and the pressure afresh; the chart's limits
// have been tested, all numbers, before any family is drawn.
void readFamilyInputs(DrawContext& ctx)
{
    readChartLimits(ctx.state, ctx.limits);
    readWorkingPressure(ctx.state);
}

// Relative-humidity curves

// The next dry bulb of a relative-humidity walk: steps of 0.1 until one
// degree past ldb, of 1 across the chart, and of 0.1 again within one degree
// of hdb or once the previous point w came within 0.001 of hhr. Each rule sees
// db as the rules before it left it.
double nextRhDryBulb(const MainState& state, double db, double w)
{
    if (db - state.limits.ldb < 1)
        db = db + 0.1;
    if (db - state.limits.ldb >= 1 && state.limits.hhr - w > 0.001 && state.limits.hdb - db > 1)
        db = db + 1;
    if (state.limits.hhr - w <= 0.001)
        db = db + 0.1;
    if (state.limits.hdb - db <= 1)
        db = db + 0.1;
    return db;
}

// Wet-bulb lines

// Whether a line walked in whole degrees draws a segment to the point at db.
bool wholeDegreeSegmentDue(const ChartLimits& limits, double db, const LinePoint& point, SurfacePoint at,
                           SurfacePoint previous)
{
    return db <= 120 && limits.contains(db, point.w) && at.y != previous.y && 0 < point.w
           && point.w <= 0.03 && previous.x > 0 && 0 <= point.rh && point.rh <= 100;
}

// Specific-volume lines

// The wet bulb at which air of dry bulb db has specific volume v. The search
// runs only when v lies strictly between the volumes at wet bulbs 0 and 120;
// one whose property computation fails counts as not run.
moistair::SearchResult wetBulbOfVolume(double db, double v, double atm)
{
    moistair::SearchResult search = moistair::unbracketed(moistair::SearchParams{});
    skipOnFailure([&] { search = moistair::searchWetBulbOfVolume(db, v, atm); });
    return search;
}

// Whether a volume line draws a segment to the point at db: no upper bound of
// 0.03 on w and no lower bound on rh, unlike the whole-degree lines.
bool volumeSegmentDue(const ChartLimits& limits, double db, const LinePoint& point, SurfacePoint at,
                      SurfacePoint previous)
{
    return db <= 120 && limits.contains(db, point.w) && at.y != previous.y && point.w > 0
           && previous.x > 0 && point.rh <= 100;
}

// The volume of the first line: the whole number nearest to the volume at the
// chart's top-right corner (ties to even, the default rounding mode) plus 1;
// 0 when that volume cannot be found.
double topVolume(const MainState& state)
{
    double top = 0;
    skipOnFailure([&] { top = moistair::spvolwithdbandhr(state.limits.hdb, state.limits.hhr, state.atm); });
    if (top > 0)
        top = std::nearbyint(top) + 1;
    return top;
}

// The spacing of the volume lines, by the volume of the first line.
double volumeSpacing(double top)
{
    if (top > 50)
        return 2;
    if (top > 20)
        return 1;
    if (top > 10)
        return 0.5;
    if (top > 5)
        return 0.2;
    if (top > 0)
        return 0.1;
    return 0;
}

// Lines of greater volume are not traced.
constexpr double largestVolume = 78;

// The first volume of the family's sequence top, top - spacing, ... that is
// at most the largest volume plus one spacing: the lines above are passed over
// in one step, which matters at absurdly low pressures, where the top volume
// is billions. The remainder is exact, so with the whole volumes and spacings
// there this is the volume that stepping down would reach.
double firstVolumeNotAbove(double top, double spacing)
{
    if (top > largestVolume + spacing)
        return largestVolume + std::fmod(top - largestVolume, spacing);
    return top;
}

} // namespace

bool traceRhCurve(DrawContext& ctx, double rh, double& w)
{
    const MainState& state = ctx.state;
    const ChartFrame frame = ctx.frame();
    double db = 0;
    SurfacePoint previous;
    bool drawn = false;
    do {
        db = nextRhDryBulb(state, db, w);
        skipOnFailure([&] { w = moistair::psychro_wrh(db, rh, state.atm); });
        SurfacePoint at = pointOnChart(frame, db, w);
        if (previous.x > 0 && frame.limits.contains(db, w)) {
            drawSegment(ctx.surface, previous, at, ui::palette::green);
            // A segment counts as the curve drawn only for a relative
            // humidity of at most 100 (a value just above 100 may pass the
            // input test, whose reading rounds it to 100) and an end below
            // the surface's top edge, as every point within the limits is.
            if (rh <= 100 && at.y > 0)
                drawn = true;
        }
        previous = at;
    } while (db <= 120);
    if (drawn)
        printLabel(ctx.surface, "Rh=", rh);
    return drawn;
}

void drawrhlines(DrawContext& ctx)
{
    readFamilyInputs(ctx);
    double w = 0;
    double rh = 100;
    do {
        traceRhCurve(ctx, rh, w);
        rh = rh > 20 ? rh - 20 : rh - 10;
    } while (rh >= 10);
}

void drawsatline(DrawContext& ctx)
{
    readFamilyInputs(ctx);
    double w = 0;
    traceRhCurve(ctx, 100, w);
}

bool traceWholeDegreeLine(DrawContext& ctx, const LineLook& look, const LinePointAt& pointAt)
{
    const MainState& state = ctx.state;
    const ChartFrame frame = ctx.frame();
    double db = state.limits.hdb;
    LinePoint point;
    SurfacePoint previous;
    bool drawn = false;
    do {
        db = db - 1;
        pointAt(db, point);
        SurfacePoint at = pointOnChart(frame, db, point.w);
        if (wholeDegreeSegmentDue(frame.limits, db, point, at, previous)) {
            drawSegment(ctx.surface, previous, at, look.colour);
            if (look.place == LabelPlace::EndOfFirstSegment && !drawn)
                printLabel(ctx.surface, look.label, look.value);
            drawn = true;
        }
        previous = at;
    } while (db >= 0 && db >= state.limits.ldb);
    if (drawn && look.place == LabelPlace::EndOfLastSegment)
        printLabel(ctx.surface, look.label, look.value);
    return drawn;
}

bool traceWetBulbLine(DrawContext& ctx, double wb)
{
    const double atm = ctx.state.atm;
    auto pointAt = [wb, atm](double db, LinePoint& point) {
        skipOnFailure([&] { point.w = moistair::psychro_w(db, wb, atm); });
        skipOnFailure([&] { point.rh = moistair::psychro_rh(db, wb, atm); });
    };
    return traceWholeDegreeLine(ctx, {ui::palette::darkRed, "WB=", wb, LabelPlace::EndOfLastSegment}, pointAt);
}

bool traceEnthalpyLine(DrawContext& ctx, double h)
{
    const double atm = ctx.state.atm;
    double wb = 0; // the wet bulb of the last point whose wet bulb was found
    auto pointAt = [h, atm, &wb](double db, LinePoint& point) {
        skipOnFailure([&] { wb = moistair::psychro_wb(db, h, atm); });
        skipOnFailure([&] { point.w = moistair::psychro_w(db, wb, atm); });
        skipOnFailure([&] { point.rh = moistair::psychro_rh(db, wb, atm); });
    };
    return traceWholeDegreeLine(ctx, {ui::palette::grey, "h=", h, LabelPlace::EndOfFirstSegment}, pointAt);
}

void drawwblines(DrawContext& ctx)
{
    readFamilyInputs(ctx);
    for (double wb = 10; wb <= 120; wb = wb + 10)
        traceWetBulbLine(ctx, wb);
}

bool traceVolumeLine(DrawContext& ctx, double v)
{
    const MainState& state = ctx.state;
    const ChartFrame frame = ctx.frame();
    double db = state.limits.hdb;
    LinePoint point;
    SurfacePoint previous;
    bool drawn = false;
    do {
        db = db - 0.1;
        moistair::SearchResult search = wetBulbOfVolume(db, v, state.atm);
        if (search.converged()) {
            double t = search.x;
            skipOnFailure([&] { point.w = moistair::psychro_w(db, t, state.atm); });
            skipOnFailure([&] { point.rh = moistair::psychro_rh(db, t, state.atm); });
            SurfacePoint at = pointOnChart(frame, db, point.w);
            if (volumeSegmentDue(frame.limits, db, point, at, previous)) {
                ctx.surface.line(previous.x, previous.y, at.x, at.y, ui::palette::lightMagenta);
                if (!drawn)
                    printLabel(ctx.surface, "v=", v);
                drawn = true;
                ctx.surface.refresh();
            }
            previous = at;
        }
        // A search that runs out once the line is under way ends the walk.
        if (previous.x > 0 && previous.y > 0 && search.exhausted())
            break;
    } while (db >= state.limits.ldb);
    return drawn;
}

void drawspvollines(DrawContext& ctx)
{
    readFamilyInputs(ctx);
    double top = topVolume(ctx.state);
    const double spacing = volumeSpacing(top);
    top = firstVolumeNotAbove(top, spacing);
    double v = top;
    do {
        if (0 < v && v <= largestVolume)
            traceVolumeLine(ctx, v);
        top = top - spacing;
        v = top;
    } while (v >= 0.5);
}

} // namespace chart
