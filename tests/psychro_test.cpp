// The property functions of moist air: worked values to ten significant
// digits, and the arguments for which each has no result.

#include "moistair/psychro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace moistair;

namespace {

constexpr double kAtm = 29.92126;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Half a unit in the tenth significant digit.
double tenDigits(double expected) { return 5e-10 * std::fabs(expected); }

// The saturated enthalpy at x, the quantity psychro_wb steps down.
double saturatedEnthalpy(double x) { return psychro_h(x, x, kAtm); }

struct Worked {
    std::string what;
    std::function<double()> value;
    double expected;
};

TEST(PsychroTest, WorkedValues)
{
    const std::vector<Worked> cases = {
        {"pvs(0)", [] { return psychro_pvs(0); }, 0.03767171402},
        {"pvs(70)", [] { return psychro_pvs(70); }, 0.7396507096},
        {"pvs(120)", [] { return psychro_pvs(120); }, 3.450560201},
        {"pvs(31.9996), over ice", [] { return psychro_pvs(31.9996); }, 0.1804735189},
        {"pvs(32), over water", [] { return psychro_pvs(32); }, 0.1804939458},

        {"pv1(32, 32) is pvs(32)", [] { return psychro_pv1(32, 32, kAtm); }, 0.1804939458},
        {"pv1(40, 32), form for wb <= 32", [] { return psychro_pv1(40, 32, kAtm); }, 0.1046402271},
        {"pv1(40, 32.0001), form for wb > 32", [] { return psychro_pv1(40, 32.0001, kAtm); }, 0.09646514936},
        {"pv1(50, 20) is negative", [] { return psychro_pv1(50, 20, kAtm); }, -0.1816536798},
        {"rh(50, 20) is negative", [] { return psychro_rh(50, 20, kAtm); }, -50.0930709},
        {"pv1(120, 60) is negative", [] { return psychro_pv1(120, 60, kAtm); }, -0.1004773918},

        {"pv1(75, 62.5)", [] { return psychro_pv1(75, 62.5, kAtm); }, 0.4404819586},
        {"w(75, 62.5)", [] { return psychro_w(75, 62.5, kAtm); }, 0.009293206855},
        {"h(75, 62.5)", [] { return psychro_h(75, 62.5, kAtm); }, 28.16955626},
        {"rh(75, 62.5)", [] { return psychro_rh(75, 62.5, kAtm); }, 50.30321819},
        {"v(75, 62.5)", [] { return psychro_v(75, 62.5, kAtm); }, 13.67519681},
        {"dp(pv1(75, 62.5))", [] { return psychro_dp(psychro_pv1(75, 62.5, kAtm)); }, 55.24572387},
        {"rh(75, 80) above 100", [] { return psychro_rh(75, 80, kAtm); }, 123.8220811},

        {"dp(0.18035), first quadratic", [] { return psychro_dp(0.18035); }, 31.99520633},
        {"dp(0.18036), second quadratic", [] { return psychro_dp(0.18036); }, 32.21388742},
        {"dp(0.1)", [] { return psychro_dp(0.1); }, 19.44080543},
        {"dp(0.5)", [] { return psychro_dp(0.5); }, 58.75897224},

        {"wrh(75, 50)", [] { return psychro_wrh(75, 50, kAtm); }, 0.009236357321},
        {"wrh(75, 100)", [] { return psychro_wrh(75, 100, kAtm); }, 0.01875116811},
        {"wrh(120, 100)", [] { return psychro_wrh(120, 100, kAtm); }, 0.08107754801},
        {"wrh(120, 100) at 147.65", [] { return psychro_wrh(120, 100, 147.65); }, 0.01488341034},
        {"wrh(0, 0)", [] { return psychro_wrh(0, 0, kAtm); }, 0},
        {"wrh(75, 0)", [] { return psychro_wrh(75, 0, kAtm); }, 0},
        {"wrh(120, 0) at 147.65", [] { return psychro_wrh(120, 0, 147.65); }, 0},

        {"atm(0)", [] { return psychro_atm(0); }, 29.92134992},
        {"atm(5000)", [] { return psychro_atm(5000); }, 24.89610783},
        {"atm(38650)", [] { return psychro_atm(38650); }, 5.900917108},

        {"hs(62.2)", [] { return saturatedEnthalpy(62.2); }, 27.94250159},
        {"hs(62.3)", [] { return saturatedEnthalpy(62.3); }, 28.01391447},
        {"hs(75)", [] { return saturatedEnthalpy(75); }, 38.51940326},
        {"hs(76)", [] { return saturatedEnthalpy(76); }, 39.48515699},
        {"wb(75, 28)", [] { return psychro_wb(75, 28, kAtm); }, 62.2},
        {"wb(75, hs(75)): the stop test is strict",
         [] { return psychro_wb(75, saturatedEnthalpy(75), kAtm); }, 74.9},
        {"wb(75, 50): h above hs(db)", [] { return psychro_wb(75, 50, kAtm); }, 76},
        {"wb(120, 0) walks down", [] { return psychro_wb(120, 0, kAtm); }, -3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(c.value(), c.expected, tenDigits(c.expected));
    }
}

// A trial whose saturated enthalpy equals h does not stop the walk: the fine
// pass, stepping down from 63 by repeated subtraction of 0.1, goes on to the
// next trial, so the result is one step lower.
TEST(PsychroTest, WetBulbStopTestIsStrictInTheFinePass)
{
    double trial = 63;
    for (int i = 0; i < 8; ++i)
        trial = trial - 0.1;
    ASSERT_NEAR(trial, 62.2, 1e-12);
    EXPECT_NEAR(psychro_wb(75, saturatedEnthalpy(trial), kAtm), 62.1, tenDigits(62.1));
}

// The saturation pressure switches from ice to water where the absolute
// temperature reaches 273.15 K, just below 32 deg F, and the humidity ratio
// of saturated air steps there.
TEST(PsychroTest, SaturationStepsFromIceToWater)
{
    double lastOverIce = 31.999606664314541;
    double firstOverWater = 31.99960666431457;
    ASSERT_LT((lastOverIce + 459.67) * 0.555556, 273.15);
    ASSERT_GE((firstOverWater + 459.67) * 0.555556, 273.15);
    EXPECT_NEAR(psychro_wrh(lastOverIce, 100, kAtm), 0.0037743102, 5e-11);
    EXPECT_NEAR(psychro_wrh(firstOverWater, 100, kAtm), 0.0037746785, 5e-11);
}

TEST(PsychroTest, UnderflowingSaturationPressureIsZero)
{
    EXPECT_EQ(psychro_pvs(-450), 0);
}

// A failure row: each of these has no result and must throw.
struct Failure {
    std::string what;
    std::function<double()> call;
};

TEST(PsychroTest, FailuresThrow)
{
    // Air of dry bulb 2788.3... and wet bulb 0 at pressure 0.02 has a vapour
    // pressure equal to that pressure.
    constexpr double dbWithPvEqualToAtm = 0x1.5c8a0ba88288p+11;
    ASSERT_EQ(psychro_pv1(dbWithPvEqualToAtm, 0, 0.02), 0.02);
    // At 100% the vapour pressure in atmospheres equals the pressure's.
    double atmEqualToPva = psychro_pvs(75);
    ASSERT_EQ((psychro_pvs(75) * 0.03342105) * 100 / 100, atmEqualToPva * 0.03342105);

    const std::vector<Failure> cases = {
        {"pvs at absolute zero", [] { return psychro_pvs(-459.67); }},
        {"pvs below absolute zero", [] { return psychro_pvs(-500); }},
        {"pvs of NaN", [] { return psychro_pvs(kNaN); }},
        {"pvs of infinity", [] { return psychro_pvs(kInf); }},

        {"pv1 with failing pvs(wb)", [] { return psychro_pv1(50, -500, kAtm); }},
        {"pv1 with atm = pvs(wb), wb <= 32", [] { return psychro_pv1(50, 20, psychro_pvs(20)); }},
        {"pv1 with atm = pvs(wb), wb > 32", [] { return psychro_pv1(80, 70, psychro_pvs(70)); }},
        {"pv1 with NaN dry bulb", [] { return psychro_pv1(kNaN, 20, kAtm); }},

        {"w with failing pv1", [] { return psychro_w(50, -500, kAtm); }},
        {"w with pv = atm", [=] { return psychro_w(dbWithPvEqualToAtm, 0, 0.02); }},

        {"h with failing w", [] { return psychro_h(50, -500, kAtm); }},
        {"v with failing w", [] { return psychro_v(50, -500, kAtm); }},
        {"v at atm 0", [] { return psychro_v(50, 20, 0); }},
        {"v overflowing", [] { return psychro_v(1e308, 50, 1e-300); }},

        {"rh with failing pv1", [] { return psychro_rh(50, -500, kAtm); }},
        {"rh with failing pvs(db)", [] { return psychro_rh(-500, 20, kAtm); }},
        {"rh with pvs(db) = 0", [] { return psychro_rh(-450, 20, kAtm); }},

        {"dp of 0", [] { return psychro_dp(0); }},
        {"dp of a negative pressure", [] { return psychro_dp(psychro_pv1(50, 20, kAtm)); }},
        {"dp of NaN", [] { return psychro_dp(kNaN); }},

        {"wrh with failing pvs(db)", [] { return psychro_wrh(-500, 50, kAtm); }},
        {"wrh with atm x 0.03342105 = pva", [=] { return psychro_wrh(75, 100, atmEqualToPva); }},
        {"wrh at rh 0 and atm 0", [] { return psychro_wrh(75, 0, 0); }},
        {"wrh with NaN rh", [] { return psychro_wrh(75, kNaN, kAtm); }},

        {"atm above 145,446 ft", [] { return psychro_atm(150000); }},
        {"atm overflowing", [] { return psychro_atm(-1e300); }},
        {"atm of NaN", [] { return psychro_atm(kNaN); }},

        {"wb with failing w", [] { return psychro_wb(75, 28, 0); }},
        {"wb walking down to absolute zero", [] { return psychro_wb(75, -200, kAtm); }},
        {"wb with NaN dry bulb", [] { return psychro_wb(kNaN, 28, kAtm); }},
        {"wb with NaN enthalpy", [] { return psychro_wb(75, kNaN, kAtm); }},
        {"wb with NaN pressure", [] { return psychro_wb(75, 28, kNaN); }},
        {"wb with infinite dry bulb", [] { return psychro_wb(kInf, 28, kAtm); }},
        {"wb with infinite enthalpy", [] { return psychro_wb(75, kInf, kAtm); }},
        // Walks that would take seconds, years, or never end.
        {"wb from a dry bulb of 1e8", [] { return psychro_wb(1e8, 28, kAtm); }},
        {"wb from a dry bulb of 1e15", [] { return psychro_wb(1e15, 28, kAtm); }},
        {"wb from a dry bulb too large to step", [] { return psychro_wb(1e17, 28, kAtm); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(c.call(), PsychroError);
    }
}

} // namespace
