#pragma once
// The state that the main window shares with every other window and operation:
// texts, flags and numbers that the operations read and write. Values pass
// between operations as these texts and are read back as numbers.

#include "chart/chartframe.h"
#include "chart/linespans.h"
#include "chart/pressureunit.h"
#include "moistair/searches.h"

#include <optional>
#include <string>

namespace chart {

// The lower dry bulb that drawnLowerDryBulbText holds when no chart is drawn.
inline constexpr double nochart = 121;

// The working pressure at standard sea level, inches of mercury.
inline constexpr double standardPressure = 29.92126;
inline constexpr const char* standardPressureText = "29.92126";

// The two types of chart: every curve family, or the saturation curve alone.
enum class ChartType { Standard, Blank };

struct MainState {
    // Texts that hold what the operations pass to one another.
    std::string workingPressureText;          // working pressure, inches of mercury
    std::string typedPressureText;            // the pressure as the user typed it, in pressureUnit
    std::string drawnLowerDryBulbText;        // lower dry bulb of the chart on the surface; "121" when none
    std::string drawnHigherDryBulbText;       // higher dry bulb of the chart on the surface
    std::string drawnLowerHumidityRatioText;  // lower humidity ratio of the chart on the surface
    std::string drawnHigherHumidityRatioText; // higher humidity ratio of the chart on the surface

    // Flags.
    // The unit of the pressure last set; none when it was set with no unit
    // chosen.
    std::optional<PressureUnit> pressureUnit = PressureUnit::Default;
    // The type of the chart being drawn; none before the first choice, which
    // draws as a blank chart.
    std::optional<ChartType> chartType;

    // Numbers.
    double atm = 0;     // working pressure, inches of mercury
    ChartLimits limits; // the chart limits chosen, as last read from the lists
    double is1 = 0; // vertical scale factor of the chart last drawn; 0 before any
    double is2 = 0; // horizontal scale factor of the chart last drawn; 0 before any

    // Result fields that the solvers keep from one call to the next.
    moistair::WetBulbFields wetBulb;
    LineSpan span; // dry-bulb interval of the line the solver last walked
};

} // namespace chart
