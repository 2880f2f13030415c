#include "chart/linespans.h"

#include "moistair/bisect.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"

#include <cmath>
#include <limits>

// Every step of a walk runs with its failures skipped: a property that
// cannot be computed keeps the value it had at the previous step (0 at the
// first). The chart coordinates are plain double arithmetic: before the
// first chart the scale factors are 0 and the coordinates come out infinite
// or undefined, which the comparisons below treat as IEEE arithmetic does.

namespace chart {

using moistair::SearchParams;
using moistair::SearchResult;
using moistair::skipOnFailure;

double LineSpan::lowEnd() const { return numtext::leadingNumberOr0(low); }
double LineSpan::highEnd() const { return numtext::leadingNumberOr0(high); }

namespace {

// The walks with chart bounds test y against the previous y: an undefined
// value differs from nothing, and equal infinities do not differ.
bool differs(double y, double previousY)
{
    return !std::isnan(y) && !std::isnan(previousY) && y != previousY;
}

// Where a point falls on the chart surface, and where the point evaluated
// before it fell (0, 0 before the first).
struct Placing {
    double x = 0, y = 0;
    double previousX = 0, previousY = 0;

    void place(const ChartFrame& frame, double db, double hr)
    {
        x = frame.dbtox(db);
        y = frame.hrtoy(hr);
    }
    void moveOn()
    {
        previousX = x;
        previousY = y;
    }
};

// The interval found so far; written to the caller's span only when a
// point was found.
struct Found {
    bool any = false;
    double low = 0, high = 0;

    void writeTo(LineSpan& span) const
    {
        if (!any)
            return;
        span.low = numtext::generalText(low);
        span.high = numtext::generalText(high);
    }
};

bool walkRh(double rh, const LineBounds& bounds, LineSpan& span)
{
    rh = numtext::round15(rh);
    const ChartLimits limits = bounds.limits();
    Found found;
    if (rh >= 0 && rh <= 100) {
        Placing at;
        double hr = 0;
        double db = 0;
        do {
            if (db <= 120)
                db = db + 1;
            skipOnFailure([&] { hr = moistair::psychro_wrh(db, rh, bounds.atm); });
            bool inside = limits.contains(db, hr);
            if (bounds.chart) {
                at.place(*bounds.chart, db, hr);
                inside = inside && at.previousX > 0 && (found.any || at.y > 0);
            }
            if (inside) {
                if (!found.any)
                    found.low = db - 1;
                found.any = true;
                found.high = db;
            }
            at.moveOn();
        } while (db <= 120);
    }
    found.writeTo(span);
    if (!found.any && bounds.lineNotFound)
        bounds.lineNotFound();
    return found.any;
}

// Steps above 120 deg F never count; of those, only the last one matters,
// as the previous point of the first step that can count. A higher limit
// typed far above 120 therefore starts the walk at the dry bulb of its
// sequence (start - 1, start - 2, ...) just above 122, which also ends the
// walk on a limit so large that subtracting 1 no longer changes it.
double enthalpyWalkStart(double hdb)
{
    if (!(hdb > 122))
        return hdb;
    const double fraction = std::fmod(hdb, 1.0);
    return fraction == 0 ? 122 : 121 + fraction;
}

bool walkEnthalpy(double h, double start, const LineBounds& bounds, LineSpan& span)
{
    h = numtext::round15(h);
    const ChartLimits limits = bounds.limits();
    Found found;
    Placing at;
    double wb = 0, hr = 0, rh = 0;
    double db = start;
    do {
        db = db - 1;
        skipOnFailure([&] { wb = moistair::psychro_wb(db, h, bounds.atm); });
        skipOnFailure([&] { hr = moistair::psychro_w(db, wb, bounds.atm); });
        skipOnFailure([&] { rh = moistair::psychro_rh(db, wb, bounds.atm); });
        bool inside = db <= 120 && limits.contains(db, hr) && hr > 0 && hr <= 0.03 && rh >= 0 && rh <= 100;
        if (bounds.chart) {
            at.place(*bounds.chart, db, hr);
            inside = inside && differs(at.y, at.previousY) && at.previousX > 0;
        }
        if (inside) {
            if (!found.any)
                found.high = db + 2;
            found.any = true;
            found.low = db - 1;
        }
        at.moveOn();
    } while (!(db < limits.ldb || db < 0));
    found.writeTo(span);
    return found.any;
}

// The wet bulb at which air of dry bulb db has specific volume v, searched
// only when v lies strictly between the volumes at wet bulbs 0 and 120 (a
// test that cannot be computed lets the search run). Unbracketed when the
// search did not run, or could not be computed.
SearchResult wetBulbOnVolumeLine(double db, double v, double atm)
{
    auto volume = [&](double wb) { return moistair::psychro_v(db, wb, atm); };
    SearchParams params;
    SearchResult search = moistair::unbracketed(params);
    bool bracketed = true;
    skipOnFailure([&] { bracketed = volume(params.lo) < v && v < volume(params.hi); });
    if (bracketed)
        skipOnFailure([&] { search = moistair::bisectsearch(volume, v, params); });
    return search;
}

// Below this dry bulb, far below absolute zero, air with a positive humidity
// ratio has a negative volume: no point of a volume line can count there,
// and the walk ends whatever lower limit was typed.
constexpr double noVolumeBelow = -500;

bool walkVolume(double v, double start, const LineBounds& bounds, LineSpan& span)
{
    v = numtext::round15(v);
    if (!(v > 0 && v <= 78))
        return false;
    const ChartLimits limits = bounds.limits();
    Found found;
    Placing at;
    double hr = 0, rh = 0;
    double db = start;
    do {
        db = db - 1;
        const SearchResult search = wetBulbOnVolumeLine(db, v, bounds.atm);
        if (search.converged()) {
            const double wb = search.x;
            skipOnFailure([&] { hr = moistair::psychro_w(db, wb, bounds.atm); });
            skipOnFailure([&] { rh = moistair::psychro_rh(db, wb, bounds.atm); });
            bool inside = db <= 120 && limits.contains(db, hr) && hr > 0 && rh <= 100;
            if (bounds.chart) {
                at.place(*bounds.chart, db, hr);
                inside = inside && differs(at.y, at.previousY) && at.previousX > 0;
            }
            if (inside) {
                if (!found.any)
                    found.high = db + 1;
                found.any = true;
                found.low = db;
            }
            at.moveOn();
        }
        if (bounds.chart) {
            if (db >= 120) {
                if (bounds.walkStopped)
                    bounds.walkStopped();
                return false;
            }
            if (search.exhausted() && at.previousX > 0 && at.previousY > 0)
                break;
        } else if (search.exhausted()) {
            break;
        }
    } while (!(db < limits.ldb || db < noVolumeBelow));
    found.writeTo(span);
    return found.any;
}

// The enthalpy and volume walks step down from the higher dry-bulb limit to
// the lower one: limits that are not finite numbers would never end them.
bool walkable(const ChartLimits& limits)
{
    return std::isfinite(limits.ldb) && std::isfinite(limits.hdb);
}

} // namespace

bool rhlinespan(double rh, const LineBounds& bounds, LineSpan& span)
{
    return walkRh(rh, bounds, span);
}

// The enthalpy and volume walks start from the higher dry-bulb limit, 120
// for the fixed bounds.
bool hlinespan(double h, const LineBounds& bounds, LineSpan& span)
{
    const ChartLimits limits = bounds.limits();
    if (!walkable(limits))
        return false;
    return walkEnthalpy(h, enthalpyWalkStart(limits.hdb), bounds, span);
}

bool spvollinespan(double v, const LineBounds& bounds, LineSpan& span)
{
    const ChartLimits limits = bounds.limits();
    if (!walkable(limits))
        return false;
    return walkVolume(v, limits.hdb, bounds, span);
}

} // namespace chart
