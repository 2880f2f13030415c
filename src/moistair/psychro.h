#pragma once
// The property functions of moist air in English units: temperatures in
// deg F, pressures in inches of mercury, humidity ratio in lb/lb of dry air,
// enthalpy in Btu/lb of dry air, specific volume in cu ft/lb of dry air,
// relative humidity in percent, elevation in feet. Each result depends on the
// arguments alone (the functions only count their calls, for measuring), and
// each throws PsychroError where its arithmetic has no result.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace moistair {

class PsychroError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one step of an operation whose failing steps are skipped: when the
// step fails with PsychroError, whatever it was to set keeps its value.
template <class Step>
void skipOnFailure(Step&& step)
{
    try {
        step();
    } catch (const PsychroError&) {
    }
}

// The number of property-function calls made so far, for measuring.
std::uint64_t propertyCalls();

// Saturation vapour pressure over ice (below 273.15 K) or over water.
double psychro_pvs(double temp);
// Vapour pressure from dry bulb and wet bulb.
double psychro_pv1(double db, double wb, double atm);
// Humidity ratio from dry bulb and wet bulb.
double psychro_w(double db, double wb, double atm);
// Specific enthalpy from dry bulb and wet bulb.
double psychro_h(double db, double wb, double atm);
// Dry bulb from specific enthalpy and humidity ratio: the enthalpy relation of
// psychro_h solved for the dry bulb. Throws where it has no result.
double dbwithhandhr(double h, double hr);
// Relative humidity from dry bulb and wet bulb; not limited to 0..100.
double psychro_rh(double db, double wb, double atm);
// Specific volume from dry bulb and wet bulb.
double psychro_v(double db, double wb, double atm);
// Dew point from vapour pressure.
double psychro_dp(double this_pv);
// Humidity ratio from dry bulb and relative humidity.
double psychro_wrh(double db, double rh, double atm);
// Wet bulb from dry bulb and enthalpy, stepping down the saturation line.
double psychro_wb(double db, double h, double atm);
// Barometric pressure at a site elevation.
double psychro_atm(double elev);

} // namespace moistair
