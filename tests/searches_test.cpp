// The searches built on the property functions: worked values to ten
// significant digits, step counts, and what each gives when its search finds
// no answer.

#include "moistair/bisect.h"
#include "moistair/psychro.h"
#include "moistair/searches.h"
#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace moistair;

namespace {

constexpr double kAtm = 29.92126;

// Half a unit in the tenth significant digit.
double tenDigits(double expected) { return 5e-10 * std::fabs(expected); }

// A humidity ratio that air of dry bulb 32 reaches at no wet bulb: it lies in
// the step of the saturation pressure from ice to water, just below 32.
double humidityRatioInTheIceWaterStep()
{
    return (psychro_w(32, 31.9996, kAtm) + psychro_w(32, 32, kAtm)) / 2;
}

SearchParams searchParams(double tolerance, Bracket bracket = Bracket::None)
{
    SearchParams params;
    params.tolerance = tolerance;
    params.bracket = bracket;
    return params;
}

// The searches behind the worked values, run directly for their step counts.
struct Search {
    std::string what;
    std::function<double(double)> f;
    double target;
    SearchParams params;
    SearchOutcome outcome;
    int steps;
    double x;
};

TEST(SearchesTest, StepCounts)
{
    auto wrh = [](double rh, double atm) {
        return [=](double db) { return psychro_wrh(db, rh, atm); };
    };
    auto w = [](double db) { return [=](double wb) { return psychro_w(db, wb, kAtm); }; };
    auto rh = [](double db) { return [=](double wb) { return psychro_rh(db, wb, kAtm); }; };
    auto v = [](double db) { return [=](double wb) { return psychro_v(db, wb, kAtm); }; };
    const SearchParams plain = searchParams(1e-07);
    const SearchParams bothEnds = searchParams(1e-07, Bracket::BothEnds);
    const SearchParams rhSearch = searchParams(1e-06);
    const auto converged = SearchOutcome::Converged;
    const auto exhausted = SearchOutcome::Exhausted;

    const std::vector<Search> cases = {
        {"db at rh 100, hr 0.01", wrh(100, kAtm), 0.01, plain, converged, 12, 57.27996826},
        {"db at rh 100, hr 0.02", wrh(100, kAtm), 0.02, plain, converged, 13, 76.87957764},
        {"db at rh 50, hr 0.01", wrh(50, kAtm), 0.01, plain, converged, 11, 77.3538208},
        {"db at rh 100, hr 0.03, atm 147.65", wrh(100, 147.65), 0.03, plain, exhausted, 100, 120},
        {"wb at db 120, hr 0.03", w(120), 0.03, bothEnds, converged, 13, 94.44282532},
        {"wb at db 100, hr 0.02", w(100), 0.02, bothEnds, converged, 14, 82.29286194},
        {"wb at db 75, rh 50", rh(75), 50, rhSearch, converged, 19, 62.41301045},
        {"wb at db 75, rh 100", rh(75), 100, rhSearch, converged, 2, 75},
        {"wb at db 75, v 13.6", v(75), 13.6, bothEnds, converged, 16, 56.85210943},
        {"wb at db 0, rh 50", rh(0), 50, rhSearch, exhausted, 100, std::ldexp(60.0, -100)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SearchResult result = bisectsearch(c.f, c.target, c.params);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.steps, c.steps);
        EXPECT_NEAR(result.x, c.x, tenDigits(c.x));
    }
    EXPECT_NEAR(psychro_rh(75, 62.41301045, kAtm), 50.00000023, tenDigits(50.00000023));
    EXPECT_NEAR(psychro_v(75, 0, kAtm), 13.17798038, tenDigits(13.17798038));
    EXPECT_NEAR(psychro_v(75, 120, kAtm), 15.47822556, tenDigits(15.47822556));
}

struct DryBulb {
    std::string what;
    double rh;
    double hr;
    double atm;
    std::optional<double> expected;
};

TEST(SearchesTest, DbWithRhAndHr)
{
    ASSERT_THROW(psychro_wrh(60, 100, psychro_pvs(60)), PsychroError);
    const std::vector<DryBulb> cases = {
        {"saturated, 0.01", 100, 0.01, kAtm, 57.27996826},
        {"saturated, 0.02", 100, 0.02, kAtm, 76.87957764},
        {"half saturated, 0.01", 50, 0.01, kAtm, 77.3538208},
        {"rh above 100 is not searched", 101, 0.01, kAtm, 60},
        {"rh below 0 is not searched", -1, 0.01, kAtm, 60},
        {"rh 0 is searched and runs out", 0, 0.01, kAtm, std::nullopt},
        {"hr 0 is never reached", 100, 0, kAtm, std::nullopt},
        {"hr beyond saturation at 120", 100, 0.03, 147.65, std::nullopt},
        {"hr in the ice-water step", 100, 0.0037745, kAtm, std::nullopt},
        // At this pressure psychro_wrh divides by zero at the first midpoint.
        {"a property function fails", 100, 0.01, psychro_pvs(60), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<double> db = dbwithrhandhr(c.rh, c.hr, c.atm);
        ASSERT_EQ(db.has_value(), c.expected.has_value());
        if (db) {
            EXPECT_NEAR(*db, *c.expected, tenDigits(*c.expected));
        }
    }
}

TEST(SearchesTest, SpvolWithDbAndHr)
{
    struct Case {
        std::string what;
        double db;
        double hr;
        double atm;
        double expected;
    };
    const std::vector<Case> cases = {
        {"top right corner", 120, 0.03, kAtm, 15.31173546},
        {"100, 0.02", 100, 0.02, kAtm, 14.55702964},
        {"unbracketed: the volume at wet bulb 60", 120, 0.03, 147.65, 2.909441632},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(spvolwithdbandhr(c.db, c.hr, c.atm), c.expected, tenDigits(c.expected));
    }
    EXPECT_THROW(spvolwithdbandhr(32, humidityRatioInTheIceWaterStep(), kAtm), PsychroError);
}

struct VapourPressure {
    std::string what;
    double db;
    double hr;
    double atm;
    std::string expected;
};

TEST(SearchesTest, PvWithDbAndHr)
{
    const std::string kept = "kept";
    const std::vector<VapourPressure> cases = {
        {"db 10, hr 0.03", 10, 0.03, kAtm, "1.3768"},
        {"db 10, hr 0.01", 10, 0.01, kAtm, "0.4735"},
        {"db 10, hr 0.002", 10, 0.002, kAtm, "0.0959"},
        {"db 60, hr 0.03", 60, 0.03, kAtm, "1.3768"},
        {"db 60, hr 0.01", 60, 0.01, kAtm, "0.4735"},
        {"db 60, hr 0.002", 60, 0.002, kAtm, "0.0959"},
        {"db 120, hr 0.03: upper bounds included", 120, 0.03, kAtm, "1.3768"},
        {"db 120, hr 0.01", 120, 0.01, kAtm, "0.4735"},
        {"db 120, hr 0.002", 120, 0.002, kAtm, "0.0959"},
        {"a vapour pressure that rounds to zero", 60, 1e-9, kAtm, "0.0000"},
        {"db 0 is out of range", 0, 0.01, kAtm, kept},
        {"db above 120 is out of range", 120.5, 0.01, kAtm, kept},
        {"hr 0 is out of range", 60, 0, kAtm, kept},
        {"hr above 0.03 is out of range", 60, 0.031, kAtm, kept},
        {"search runs out", 32, humidityRatioInTheIceWaterStep(), kAtm, ""},
        {"hr below that of wet bulb 0", 10, 0.002, 5, ""},
        {"hr above that of wet bulb 120", 80, 0.03, 147.65, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string result = kept;
        pvwithdbandhr(c.db, c.hr, c.atm, result);
        EXPECT_EQ(result, c.expected);
    }
}

using Solver = void (*)(double db, double second, double atm, WetBulbFields& fields);

constexpr double kUntouched = -7;

struct Solved {
    std::string what;
    Solver solver;
    double db;
    double second;
    double result; // kUntouched: the result field keeps its content
    double wb;     // kUntouched: the wet-bulb field keeps its content
};

TEST(SearchesTest, WetBulbSolvers)
{
    const double v0 = psychro_v(75, 0, kAtm);
    const double v120 = psychro_v(75, 120, kAtm);
    const double dewPointAtWb75 = psychro_dp(psychro_pv1(75, 75, kAtm));
    const std::vector<Solved> cases = {
        {"h from db 75, rh 50", hwithdbandrh, 75, 50, 28.10734586, kUntouched},
        {"dp from db 75, rh 50", dpwithdbandrh, 75, 50, 55.07964169, 62.41301045},
        {"v from db 75, rh 50", spvolwithdbandrh, 75, 50, 13.67396699, 62.41301045},
        {"hr from db 75, v 13.6", hrwithdbandspvol, 75, 13.6, 0.005817157657, 56.85210943},
        {"dp from db 75, v 13.6", dpwithdbandspvol, 75, 13.6, 42.9283167, 56.85210943},
        {"hr from db 75, h 28", hrwithdbandh, 75, 28, 0.009097611091, 62.2},
        {"dp from db 75, h 28", dpwithdbandh, 75, 28, 54.67049953, 62.2},
        {"v from db 75, h 28", spvolwithdbandh, 75, 28, 13.67096552, 62.2},

        {"rh above 100: wet bulb 60", hwithdbandrh, 75, 101, 26.42825412, kUntouched},
        {"v below the bracket: wet bulb 60", hrwithdbandspvol, 75, 13, 0.007701959356, 60},
        {"v below the bracket: dew point at 60", dpwithdbandspvol, 75, 13, 50.21876986, 60},
        {"v at wet bulb 0 fails the bracket", hrwithdbandspvol, 75, v0, 0.007701959356, 60},
        {"v at wet bulb 120 fails the bracket", hrwithdbandspvol, 75, v120, 0.007701959356, 60},
        {"rh 100 is searched", dpwithdbandrh, 75, 100, dewPointAtWb75, 75},
        {"rh just above 100 reads as 100", dpwithdbandrh, 75, 100.0000000000001, dewPointAtWb75, 75},
        {"search runs out: result at the last midpoint", hwithdbandrh, 0, 50, 0.8319063515,
         kUntouched},
        {"no dew point of a negative vapour pressure", dpwithdbandrh, 120, 150, kUntouched, 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WetBulbFields fields{kUntouched, kUntouched};
        c.solver(c.db, c.second, kAtm, fields);
        EXPECT_NEAR(fields.result, c.result, tenDigits(c.result));
        EXPECT_NEAR(fields.wb, c.wb, tenDigits(c.wb));
    }
}

TEST(SearchesTest, RelativeHumidity0IsSearched)
{
    WetBulbFields fields;
    spvolwithdbandrh(75, 0, kAtm, fields);
    EXPECT_NE(fields.wb, 60);
    EXPECT_NEAR(psychro_rh(75, fields.wb, kAtm), 0, 1e-06);
}

TEST(SearchesTest, WetBulbSolversPassOutputsRoundedTo15Digits)
{
    // psychro_wb's repeated subtraction ends a little below 62.2.
    ASSERT_NE(psychro_wb(75, 28, kAtm), 62.2);
    WetBulbFields fields;
    hrwithdbandh(75, 28, kAtm, fields);
    EXPECT_EQ(fields.wb, 62.2);
}

TEST(SearchesTest, FieldsHoldTheirContentsBetweenCalls)
{
    WetBulbFields fields;
    dpwithdbandrh(75, 50, kAtm, fields);
    double dewPoint = fields.result;

    dpwithdbandrh(120, 150, kAtm, fields);
    EXPECT_EQ(fields.result, dewPoint);
    EXPECT_EQ(fields.wb, 60);

    hwithdbandrh(75, 50, kAtm, fields);
    EXPECT_EQ(fields.wb, 60);
}

TEST(SearchesTest, AWetBulbThatCannotBeFoundIsTakenAsZeroWithoutStoppingTheCaller)
{
    // Below about -110 Btu/lb the walk down the saturation line leaves the scale.
    WetBulbFields fields{1.5, 2.5};
    EXPECT_NO_THROW(hrwithdbandh(75, -200, kAtm, fields));
    EXPECT_EQ(fields.wb, 0);
    EXPECT_DOUBLE_EQ(fields.result, numtext::round15(psychro_w(75, 0, kAtm)));
    EXPECT_NO_THROW(dpwithdbandh(75, -200, kAtm, fields));
    EXPECT_EQ(fields.wb, 0);
}

} // namespace
