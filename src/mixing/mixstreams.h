#pragma once
// The adiabatic mixing of the two streams: the mixed column of the mixing
// window, computed from the two stream columns as they show their values.

#include <optional>
#include <string>

namespace mixing {

// What the mixing reads of one stream column: whether it is solved, and the
// texts as the cells show them.
struct StreamTexts {
    bool solved = false;  // the column holds a complete state
    std::string acfm;     // the air flow as the user typed it
    std::string h, hr;    // enthalpy and humidity ratio
    std::string dryair, vapour, moistair; // mass flows, lb/min
};

// The texts of the mixed column. A property that could not be computed
// leaves its text empty.
struct MixedColumn {
    std::string acfm;                          // total air flow
    std::string prvalue;                       // the pressure as the user typed it
    std::string db, wb, rh, h, v, hr, dp, pv;  // the state of the mixed air
    std::string pvs;                           // saturation vapour pressure at the mixed dry bulb
    std::string dryair, vapour, moistair;      // mass flows, lb/min
};

// Mixes the two streams when both are solved and both air flows are
// positive. The mixed enthalpy and humidity ratio are the streams' means
// weighted by their moist-air flows; the dry bulb follows from them, the
// other properties from dry bulb and wet bulb. Every step works with the
// values as the cells before it show them. typedPressure is the pressure as
// the user typed it; pressureText the working pressure in inches of mercury,
// which becomes atm. What the user typed (the air flows, the typed pressure)
// may use the locale's decimal separator as well as the point. Gives nothing,
// and leaves atm as it was, when the streams cannot be mixed: a stream not
// solved, an air flow not positive or not a number a double can hold, or a
// mixed flow too small to show.
std::optional<MixedColumn> mixstreams(const StreamTexts& stream1, const StreamTexts& stream2,
                                      const std::string& typedPressure, const std::string& pressureText,
                                      double& atm, char localeDecimal);

} // namespace mixing
