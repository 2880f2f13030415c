#pragma once
// The two-property state solver: the full state of moist air from any two of
// the seven properties, each as the text the user typed, at the working
// pressure of the window that solves.

#include "moistair/searches.h"
#include "point/propertykind.h"
#include "ui/dialogs.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace chart {
struct LineSpan;
struct LineBounds;
}

namespace point {

enum class Reporting { Silent, WithMessages };
enum class SpanBounds { Chart, Fixed };

struct SolveOptions {
    Reporting reporting = Reporting::Silent;
    SpanBounds spanBounds = SpanBounds::Chart;
};

// One state of moist air, in display order: dry bulb, wet bulb and dew point
// in deg F, relative humidity in percent, enthalpy in Btu/lb of dry air,
// specific volume in cu ft/lb of dry air, humidity ratio in lb/lb, vapour
// pressure in inches of mercury.
struct MoistAirState {
    double db = 0, wb = 0, rh = 0, h = 0, v = 0, hr = 0, dp = 0, pv = 0;
};

// The values of a state in display order, as every window lists them.
inline constexpr std::size_t stateValueCount = 8;
using StateValues = std::array<double, stateValueCount>;
StateValues inDisplayOrder(const MoistAirState& state);
MoistAirState fromDisplayOrder(const StateValues& values);

// What the solver works with: the values and effects of the window whose
// point it solves. The main window and the mixing window each have their own
// working pressure, result fields and line span; both read the main window's
// working-pressure text. The separators of the user's locale have no default:
// every window that solves says which it reads.
struct SolveContext {
    SolveContext(char localeDecimal, std::string localeGrouping)
        : localeDecimal(localeDecimal), localeGrouping(std::move(localeGrouping))
    {
    }

    const std::string* pressureText = nullptr;  // the main window's workingPressureText
    double* atm = nullptr;                      // the window's working pressure, refreshed by every solve
    moistair::WetBulbFields* fields = nullptr;  // the window's result fields of the wet-bulb solvers
    chart::LineSpan* span = nullptr;            // the window's line span
    // Reads the chart limits now chosen and the working pressure into the
    // main window's state and gives the bounds of a span along a line of the
    // chart, with the window's notifications (Chart bounds only).
    std::function<chart::LineBounds()> chartBounds;
    ui::Dialogs* dialogs = nullptr;             // for the messages
    std::function<void()> clearbusy;            // the main window's busy indicator
    std::function<void()> focusChart;           // the chart surface takes the focus
    // The test that "Locate point" makes between the guards and the solve
    // proper; none for the other users.
    std::function<bool()> drawnChartTest;
    char localeDecimal;                         // the decimal separator the user may type besides the point
    std::string localeGrouping;                 // the grouping separator the user may type in the whole part
};

// A property that the user gives: its kind, as chosen in its list (nothing
// when none is chosen), and its value as typed.
struct GivenProperty {
    std::optional<PropertyKind> kind;
    std::string text;
};

// Solves the state from the two given properties. Gives nothing when the
// solve is refused or fails; with WithMessages the user has been told why.
std::optional<MoistAirState> solvepoint(const GivenProperty& first, const GivenProperty& second,
                                        const SolveOptions& options, SolveContext& solver);

} // namespace point
