#include "point/cases.h"

#include "moistair/bisect.h"
#include "chart/linespans.h"
#include "moistair/psychro.h"
#include "moistair/searches.h"
#include "numtext/numtext.h"

#include <cmath>
#include <initializer_list>
#include <limits>

// Every step of a case runs with its failures skipped: a property that
// cannot be computed keeps the value it held (0 at the start of the solve).

namespace point {
namespace {

using moistair::Bracket;
using moistair::ConvergenceTest;
using moistair::SearchParams;
using moistair::SearchResult;
using moistair::skipOnFailure;
using moistair::SlopeProbe;

// The kinds by their short names, as the tables below use them.
constexpr PropertyKind DB = PropertyKind::DryBulb, WB = PropertyKind::WetBulb, RH = PropertyKind::RelativeHumidity,
                       HR = PropertyKind::HumidityRatio, H = PropertyKind::Enthalpy, DP = PropertyKind::DewPoint,
                       V = PropertyKind::SpecificVolume;

double& field(MoistAirState& state, PropertyKind kind)
{
    switch (kind) {
    case DB: return state.db;
    case WB: return state.wb;
    case RH: return state.rh;
    case HR: return state.hr;
    case H: return state.h;
    case DP: return state.dp;
    case V: return state.v;
    }
    return state.v;
}

// The accepted range of a value: lower < value <= upper, tested on the value
// rounded to 15 significant digits.
struct Range {
    double lower, upper;
    bool accepts(double value) const
    {
        const double typed = numtext::round15(value);
        return lower < typed && typed <= upper;
    }
};

Range rangeOf(PropertyKind kind, PropertyKind other)
{
    switch (kind) {
    case DB: return {0, 120};
    case WB: return {0, 120};
    case RH: return {0, 100};
    case HR: return {0, 0.03};
    case H: return {0, other == WB || other == RH ? 62.0 : 61.9};
    case DP: return {-55, other == WB ? 89.0 : 120.0};
    case V: return {0, 78};
    }
    return {0, 78};
}

using Property = double (*)(double db, double wb, double atm);

double dewPointOf(double db, double wb, double atm)
{
    return moistair::psychro_dp(moistair::psychro_pv1(db, wb, atm));
}

// Fills every field that the case was not given and has not set, each from
// the dry bulb and the wet bulb.
void completeFromDbAndWb(MoistAirState& s, double atm, std::initializer_list<PropertyKind> known)
{
    auto isKnown = [&](PropertyKind kind) {
        for (PropertyKind k : known)
            if (k == kind)
                return true;
        return false;
    };
    const std::pair<PropertyKind, Property> computed[] = {
        {RH, moistair::psychro_rh}, {H, moistair::psychro_h}, {HR, moistair::psychro_w},
        {V, moistair::psychro_v},   {DP, dewPointOf},
    };
    for (const auto& entry : computed)
        if (!isKnown(entry.first))
            skipOnFailure([&] { field(s, entry.first) = entry.second(s.db, s.wb, atm); });
}

SearchParams searchParams(double lo, double hi, double tolerance, SlopeProbe probe, Bracket bracket = Bracket::None)
{
    SearchParams params;
    params.lo = lo;
    params.hi = hi;
    params.tolerance = tolerance;
    params.probe = probe;
    params.bracket = bracket;
    return params;
}

// One search of a case. A search whose function cannot be computed has no
// answer: it counts as exhausted, so that its case fails.
template <class F>
SearchResult runSearch(F&& f, double target, const SearchParams& params)
{
    SearchResult result{moistair::unbracketed(params).x, moistair::SearchOutcome::Exhausted, params.stepCap};
    skipOnFailure([&] { result = moistair::bisectsearch(f, target, params); });
    return result;
}

// Dry bulb with wet bulb, and dry bulb with enthalpy: no search.
bool direct(MoistAirState& s, PropertyKind second, double atm)
{
    if (second == H)
        skipOnFailure([&] { s.wb = moistair::psychro_wb(s.db, s.h, atm); });
    completeFromDbAndWb(s, atm, {DB, WB, second});
    return true;
}

// Dry bulb known: the wet bulb at which the second property, at that dry
// bulb, has its value.
struct WetBulbSearch {
    PropertyKind second;
    Property property;
    Bracket bracket;
};
constexpr WetBulbSearch wetBulbSearches[] = {
    {RH, moistair::psychro_rh, Bracket::BothEnds},
    {HR, moistair::psychro_w, Bracket::BothEnds},
    {V, moistair::psychro_v, Bracket::LowerEnd},
};

bool wetBulbWithDryBulb(MoistAirState& s, const WetBulbSearch& c, double atm)
{
    // The humidity ratio of a relative humidity comes from the inputs.
    if (c.second == RH)
        skipOnFailure([&] { s.hr = moistair::psychro_wrh(s.db, s.rh, atm); });
    auto f = [&](double wb) { return c.property(s.db, wb, atm); };
    const SearchResult search = runSearch(f, field(s, c.second), searchParams(0, 120, 1e-07, SlopeProbe::Probe, c.bracket));
    if (search.exhausted())
        return false;
    s.wb = search.x;
    completeFromDbAndWb(s, atm, {DB, WB, c.second, c.second == RH ? HR : c.second});
    return true;
}

// Wet bulb known: the dry bulb at which the second property, at that wet
// bulb, has its value.
struct DryBulbSearch {
    PropertyKind second;
    Property property;
    SlopeProbe probe;
};
constexpr DryBulbSearch dryBulbSearches[] = {
    {RH, moistair::psychro_rh, SlopeProbe::Falling},
    {HR, moistair::psychro_w, SlopeProbe::Probe},
    {H, moistair::psychro_h, SlopeProbe::Probe},
    {V, moistair::psychro_v, SlopeProbe::Probe},
};

bool dryBulbWithWetBulb(MoistAirState& s, const DryBulbSearch& c, double atm)
{
    auto f = [&](double db) { return c.property(db, s.wb, atm); };
    const SearchResult search = runSearch(f, field(s, c.second), searchParams(0, 120, 1e-07, c.probe));
    if (search.exhausted())
        return false;
    s.db = search.x;
    completeFromDbAndWb(s, atm, {DB, WB, c.second});
    return true;
}

// The vapour pressure whose dew point is dp; the search's last value when no
// vapour pressure up to the saturation pressure at about 94.35 deg F has it.
double vapourPressureOfDewPoint(double dp)
{
    auto f = [](double pv) { return moistair::psychro_dp(pv); };
    return runSearch(f, dp, searchParams(0, 1.628817, 1e-07, SlopeProbe::Probe)).x;
}

bool dryBulbWithDewPoint(MoistAirState& s, double atm)
{
    const double pv = vapourPressureOfDewPoint(s.dp);
    auto f = [&](double wb) { return moistair::psychro_pv1(s.db, wb, atm); };
    const SearchResult search = runSearch(f, pv, searchParams(0, 120, 1e-07, SlopeProbe::Probe, Bracket::BothEnds));
    if (search.exhausted())
        return false;
    s.wb = search.x;
    completeFromDbAndWb(s, atm, {DB, WB, DP});
    return true;
}

bool wetBulbWithDewPoint(MoistAirState& s, double atm)
{
    const double pv = vapourPressureOfDewPoint(s.dp);
    auto f = [&](double db) { return moistair::psychro_pv1(db, s.wb, atm); };
    const SearchResult search = runSearch(f, pv, searchParams(0, 120, 1e-07, SlopeProbe::Probe));
    if (search.exhausted())
        return false;
    s.db = search.x;
    completeFromDbAndWb(s, atm, {DB, WB, DP});
    return true;
}

bool relativeHumidityWithHumidityRatio(MoistAirState& s, double atm)
{
    auto onLine = [&](double db) { return moistair::psychro_wrh(db, s.rh, atm); };
    const SearchResult dryBulb = runSearch(onLine, s.hr, searchParams(0, 120, 1e-07, SlopeProbe::Probe));
    if (dryBulb.exhausted())
        return false;
    s.db = dryBulb.x;

    // The wet bulb is searched on the relative humidity, between the wet
    // bulbs whose humidity ratios enclose the given one.
    const SearchParams params = searchParams(0, 120, 1e-07, SlopeProbe::Probe);
    bool bracketed = true;
    skipOnFailure([&] {
        bracketed = moistair::psychro_w(s.db, params.lo, atm) < s.hr && s.hr < moistair::psychro_w(s.db, params.hi, atm);
    });
    auto rh = [&](double wb) { return moistair::psychro_rh(s.db, wb, atm); };
    const SearchResult wetBulb = bracketed ? runSearch(rh, s.rh, params) : moistair::unbracketed(params);
    if (wetBulb.exhausted())
        return false;
    s.wb = wetBulb.x;
    completeFromDbAndWb(s, atm, {DB, WB, RH, HR});
    return true;
}

// Along a line of constant relative humidity, enthalpy or specific volume:
// the dry bulb, within the line's span, at which the second property, given
// by an inner solver at the trial dry bulb, has its value.
using InnerSolver = void (*)(double db, double lineValue, double atm, moistair::WetBulbFields& fields);

struct LineSearch {
    PropertyKind line;
    PropertyKind second;
    InnerSolver inner;
    double tolerance;
    SlopeProbe direction;
};
constexpr LineSearch lineSearches[] = {
    {RH, H, moistair::hwithdbandrh, 1e-05, SlopeProbe::Rising},
    {RH, DP, moistair::dpwithdbandrh, 1e-05, SlopeProbe::Rising},
    {RH, V, moistair::spvolwithdbandrh, 1e-05, SlopeProbe::Rising},
    {H, HR, moistair::hrwithdbandh, 0.0001, SlopeProbe::Falling},
    {H, DP, moistair::dpwithdbandh, 0.001, SlopeProbe::Falling},
    {H, V, moistair::spvolwithdbandh, 1e-05, SlopeProbe::Rising},
    {V, HR, moistair::hrwithdbandspvol, 1e-05, SlopeProbe::Falling},
    {V, DP, moistair::dpwithdbandspvol, 0.001, SlopeProbe::Falling},
};

bool walkLine(PropertyKind line, double value, const chart::LineBounds& bounds, chart::LineSpan& span)
{
    switch (line) {
    case RH: return chart::rhlinespan(value, bounds, span);
    case H: return chart::hlinespan(value, bounds, span);
    default: return chart::spvollinespan(value, bounds, span);
    }
}

// Walks the line for its span; returns whether a point of it lay inside the
// bounds (otherwise the span is the one an earlier walk left).
bool findLineSpan(PropertyKind line, double value, CaseContext& context)
{
    if (context.spanBounds == SpanBounds::Fixed)
        return walkLine(line, value, chart::LineBounds(context.atm), context.span);
    // Without a window to give them, the bounds of a chart with no limits and
    // no scale.
    chart::LineBounds bounds(context.atm, chart::ChartFrame{});
    if (context.solver.chartBounds)
        bounds = context.solver.chartBounds();
    return walkLine(line, value, bounds, context.span);
}

bool alongLine(MoistAirState& s, const LineSearch& c, CaseContext& context)
{
    const double atm = context.atm;
    const double lineValue = field(s, c.line);
    const double target = field(s, c.second);
    moistair::WetBulbFields& fields = context.fields;

    // With the fixed bounds a line with no point inside them has no state at
    // all: searching the span an earlier stream left would make one up.
    if (!findLineSpan(c.line, lineValue, context) && context.spanBounds == SpanBounds::Fixed)
        return false;
    SearchParams params = searchParams(context.span.lowEnd(), context.span.highEnd(), c.tolerance, c.direction);
    params.convergence = ConvergenceTest::AtSecondTrial;

    // The dew point along the enthalpy line: where the line's humidity ratio
    // is 0 or less its dew point has no value, and the trial counts as lying
    // below every dew point (the value falls as the dry bulb rises).
    const bool dewPointOfEnthalpyLine = c.line == H && c.second == DP;
    auto f = [&](double db) {
        const double before = fields.result;
        if (dewPointOfEnthalpyLine)
            fields.result = std::numeric_limits<double>::quiet_NaN();
        skipOnFailure([&] { c.inner(db, lineValue, atm, fields); });
        if (std::isnan(fields.result)) {
            fields.result = before;
            return -std::numeric_limits<double>::infinity();
        }
        return fields.result;
    };
    // The relative-humidity line is searched only for a relative humidity
    // from 0 to 100; otherwise the case goes on at the middle of the span.
    const bool searched = c.line != RH || (lineValue >= 0 && lineValue <= 100);
    double last = 0;
    SearchResult search = moistair::unbracketed(params);
    if (searched) {
        auto traced = [&](double db) { return last = f(db); };
        search = runSearch(traced, target, params);
    }

    if (dewPointOfEnthalpyLine) {
        // Its step count is not tested: the last dew point must lie within
        // half a degree of the given one.
        if (!(std::fabs(last - target) < 0.5))
            return false;
    } else if (search.exhausted()) {
        return false;
    }
    s.db = search.x;
    if (c.line == RH && c.second == H)
        skipOnFailure([&] { s.wb = moistair::psychro_wb(s.db, s.h, atm); });
    else
        s.wb = fields.wb;
    completeFromDbAndWb(s, atm, {DB, WB, c.line, c.second});
    return true;
}

} // namespace

bool solveCase(PropertyKind first, double firstValue, PropertyKind second, double secondValue, CaseContext& context,
               MoistAirState& state)
{
    if (first >= second)
        return true;
    field(state, first) = firstValue;
    field(state, second) = secondValue;
    if (!rangeOf(first, second).accepts(firstValue) || !rangeOf(second, first).accepts(secondValue))
        return true;

    const double atm = context.atm;
    if (first == DB && (second == WB || second == H))
        return direct(state, second, atm);
    if (first == DB && second == DP)
        return dryBulbWithDewPoint(state, atm);
    if (first == WB && second == DP)
        return wetBulbWithDewPoint(state, atm);
    if (first == RH && second == HR)
        return relativeHumidityWithHumidityRatio(state, atm);
    if (first == DB)
        for (const WetBulbSearch& c : wetBulbSearches)
            if (c.second == second)
                return wetBulbWithDryBulb(state, c, atm);
    if (first == WB)
        for (const DryBulbSearch& c : dryBulbSearches)
            if (c.second == second)
                return dryBulbWithWetBulb(state, c, atm);
    for (const LineSearch& c : lineSearches)
        if ((c.line == first && c.second == second) || (c.line == second && c.second == first))
            return alongLine(state, c, context);
    return true; // humidity ratio with dew point, refused before any case
}

} // namespace point
