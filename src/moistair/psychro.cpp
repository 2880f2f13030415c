#include "moistair/psychro.h"

#include <cmath>
#include <cstdint>

// Every formula below is evaluated in the order its parentheses give, with
// products and quotients written in a row taken left to right: the searches
// compare results against tolerances as small as 1e-07, so the order fixes
// their outcome. Doubles do not trap, so each operation that has no result
// (division by zero, logarithm of zero or less, a negative number to a
// fractional power, overflow, a non-numeric argument) is tested for here and
// throws PsychroError.

namespace moistair {
namespace {

std::uint64_t propertyCallCount = 0;

// A value that is not a finite number means an argument was not a number or
// a step overflowed.
double finite(double value, const char* what)
{
    if (!std::isfinite(value))
        throw PsychroError(std::string(what) + ": no finite result");
    return value;
}

double quotient(double numerator, double denominator, const char* what)
{
    if (denominator == 0)
        throw PsychroError(std::string(what) + ": division by zero");
    finite(numerator, what);
    finite(denominator, what);
    return finite(numerator / denominator, what);
}

double logarithm(double value, const char* what)
{
    if (!(value > 0))
        throw PsychroError(std::string(what) + ": logarithm of zero or less");
    return finite(std::log(value), what);
}

double fractionalPower(double base, double exponent, const char* what)
{
    if (!(base >= 0))
        throw PsychroError(std::string(what) + ": negative number to a fractional power");
    return finite(std::pow(base, exponent), what);
}

// The saturation pressure is Hyland and Wexler's (1983), as ASHRAE gives it:
// ln p = C1/T + C2 + C3 T + C4 T^2 + C5 T^3 (+ C6 T^4) + C7 ln T, with T in
// kelvin. Their constants give p in pascals; the constant terms here are
// theirs less ln 1000, so that p comes out in kilopascals.

// The exponent over ice, T in kelvin below 273.15 (C2 = 6.3925247 - ln 1000).
double iceExponent(double T, double L)
{
    return ((((-9.484024e-13 * T + 2.0747825e-09) * T + 6.2215701e-07) * (T * T))
            + ((quotient(-5674.5359, T, "psychro_pvs") - 0.51523058) + (-0.009677843 * T)))
           + 4.1635019 * L;
}

// The exponent over liquid water, T at 273.15 K or above (C2 = 1.3914993 -
// ln 1000).
double waterExponent(double T, double L)
{
    return ((((-1.4452093e-08 * T + 4.1764768e-05) * T - 0.048640239) * T)
            + (quotient(-5800.2206, T, "psychro_pvs") - 5.516256))
           + 6.5459673 * L;
}

// Saturated enthalpy: air at x deg F whose wet bulb equals its dry bulb.
double saturatedEnthalpy(double x, double atm)
{
    return 0.24 * x + (1061 + 0.444 * x) * psychro_w(x, x, atm);
}

// More trials than any walk from a dry bulb of a few hundred degrees or less
// can need (down to absolute zero), yet few enough to fail within
// milliseconds: a walk from a dry bulb far above that, or with a step too
// small to change the trial temperature, would take years or never end.
constexpr int mostTrials = 100000;

// The first trial of start, start - step, start - 2 step, ... whose saturated
// enthalpy is below h, less one more step.
double walkBelow(double start, double step, double h, double atm)
{
    double x = start;
    for (int trials = 1; trials <= mostTrials; ++trials) {
        double hs = saturatedEnthalpy(x, atm);
        double lowered = x - step;
        if (hs < h)
            return lowered;
        x = lowered;
    }
    throw PsychroError("psychro_wb: no wet bulb within reach of the dry bulb");
}

} // namespace

double psychro_pvs(double temp)
{
    ++propertyCallCount;
    // Kelvin from deg F, 5/9 as written to six places.
    double T = (temp + 459.67) * 0.555556;
    double L = logarithm(T, "psychro_pvs");
    double x = finite(T < 273.15 ? iceExponent(T, L) : waterExponent(T, L), "psychro_pvs");
    // Kilopascals to inches of mercury: 29.92126 inHg is 101.325 kPa.
    return finite(std::exp(x) * 29.92126 / 101.325, "psychro_pvs");
}

// At a wet bulb at or below freezing, the psychrometer equation, its
// coefficient 0.0005704 per kelvin (a difference in deg F over 1.8); above
// it, Carrier's relation: the humidity ratio of air saturated at the wet bulb
// less the sensible heat given up in cooling to it over the latent heat
// (Btu/lb), turned into a vapour pressure. 0.62198 is the ratio of the
// molecular masses of water vapour and dry air.
double psychro_pv1(double db, double wb, double atm)
{
    ++propertyCallCount;
    double pws = psychro_pvs(wb);
    double Ws = quotient(pws, atm - pws, "psychro_pv1") * 0.62198;
    if (wb <= 32)
        return finite(pws - ((0.0005704 * atm) * (db - wb)) / 1.8, "psychro_pv1");
    double D = 1093.049 + 0.441 * (db - wb);
    double N = 0.24 + 0.441 * Ws;
    double W = Ws - quotient(N * (db - wb), D, "psychro_pv1");
    return finite(atm * quotient(W, 0.62198 + W, "psychro_pv1"), "psychro_pv1");
}

double psychro_w(double db, double wb, double atm)
{
    ++propertyCallCount;
    double pv = psychro_pv1(db, wb, atm);
    return quotient(0.62198 * pv, atm - pv, "psychro_w");
}

// Btu/lb of dry air: 0.24 the specific heat of dry air, 1061 the enthalpy of
// water vapour at 0 deg F and 0.444 its specific heat.
double psychro_h(double db, double wb, double atm)
{
    ++propertyCallCount;
    double W = psychro_w(db, wb, atm);
    return finite(0.24 * db + (1061 + 0.444 * db) * W, "psychro_h");
}

double dbwithhandhr(double h, double hr)
{
    return finite((h - 1061 * hr) / (0.24 + 0.444 * hr), "dbwithhandhr");
}

double psychro_rh(double db, double wb, double atm)
{
    ++propertyCallCount;
    double pv = psychro_pv1(db, wb, atm);
    return quotient(100 * pv, psychro_pvs(db), "psychro_rh");
}

// The ideal-gas volume of the dry air and its vapour: 0.754 cu ft inHg per
// lb and degree Rankine (deg F + 459.7); 7000 W the humidity ratio in grains
// per lb, and 7000/4360 (1.606) the ratio of the molecular masses of dry air
// and water vapour.
double psychro_v(double db, double wb, double atm)
{
    ++propertyCallCount;
    double W = psychro_w(db, wb, atm);
    double volumeAtOneInch = (0.754 * (db + 459.7)) * (1 + (7000 * W) / 4360);
    return quotient(volumeAtOneInch, atm, "psychro_v");
}

// The dew point in the logarithm of the vapour pressure in inches of
// mercury: below 0.18036 inHg (32 deg F) ASHRAE's correlation over ice,
// written for inches; above it, a quadratic fit over water.
double psychro_dp(double this_pv)
{
    ++propertyCallCount;
    double a = logarithm(this_pv, "psychro_dp");
    if (this_pv < 0.18036)
        return finite((71.98 + 24.873 * a) + 0.8927 * (a * a), "psychro_dp");
    return finite((79.047 + 30.579 * a) + 1.8893 * (a * a), "psychro_dp");
}

// 0.03342105 is 1/29.92126: the vapour pressure and the pressure in
// atmospheres.
double psychro_wrh(double db, double rh, double atm)
{
    ++propertyCallCount;
    double pva = ((psychro_pvs(db) * 0.03342105) * rh) / 100;
    return quotient(pva * 0.62198, (atm * 0.03342105) - pva, "psychro_wrh");
}

double psychro_wb(double db, double h, double atm)
{
    ++propertyCallCount;
    finite(db, "psychro_wb");
    finite(h, "psychro_wb");
    finite(atm, "psychro_wb");
    double belowCoarse = walkBelow(db, 1, h, atm);
    double belowFine = walkBelow(belowCoarse + 2, 0.1, h, atm);
    return belowFine + 0.1;
}

// The standard atmosphere: 14.696 psi at sea level, falling with the
// elevation in feet to the power 5.2559; 2.03602 inches of mercury to the
// psi.
double psychro_atm(double elev)
{
    ++propertyCallCount;
    double base = 1 - 6.8754e-06 * elev;
    return finite((14.696 * fractionalPower(base, 5.2559, "psychro_atm")) * 2.03602, "psychro_atm");
}

std::uint64_t propertyCalls() { return propertyCallCount; }

} // namespace moistair
