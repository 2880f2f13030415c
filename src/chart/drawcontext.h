#pragma once
// What every drawing on the chart works with: the main window's shared state,
// the chart surface, the extents W and H of the drawing, the chart limits as
// the lists show them, and the busy indicator.

#include "chart/mainstate.h"
#include "chart/chartframe.h"
#include "ui/chartsurface.h"

#include <functional>
#include <string>
#include <utility>

namespace chart {

// The texts of the four chart-limit lists: lower and higher dry bulb, lower
// and higher humidity ratio, with the decimal separator of the user's locale,
// which has no default.
struct LimitTexts {
    LimitTexts(std::string ldb, std::string hdb, std::string lhr, std::string hhr, char localeDecimal)
        : ldb(std::move(ldb)), hdb(std::move(hdb)), lhr(std::move(lhr)), hhr(std::move(hhr)),
          localeDecimal(localeDecimal)
    {
    }

    std::string ldb, hdb, lhr, hhr;
    char localeDecimal; // the decimal separator the user may type besides the point
};

struct DrawContext {
    MainState& state;
    ui::ChartSurface& surface;
    double W = 0;  // horizontal extent of the drawing on the chart surface, twips
    double H = 0;  // vertical extent of the drawing on the chart surface, twips
    LimitTexts limits;
    std::function<void()> setbusy;
    std::function<void()> clearbusy;

    // The frame of the chart last drawn, at the limits now in the state.
    ChartFrame frame() const { return {W, H, state.limits, state.is1, state.is2}; }
};

// The chart limits as the lists now show them; a list whose text is not a
// number gives 0.
ChartLimits chosenLimits(const LimitTexts& limits);

// Converts one limit text; a text that is not a number as a whole leaves the
// limit as it was and returns false.
bool convertLimit(const std::string& text, char localeDecimal, double& limit);

// Converts the four limit texts into the limits. A text that is not a number
// as a whole leaves its limit as it was. Returns whether all four converted.
bool convertLimits(const LimitTexts& texts, ChartLimits& limits);

// Converts the four limit texts into the state's ldb, hdb, lhr and hhr, as
// convertLimits does.
bool readChartLimits(MainState& state, const LimitTexts& limits);

// atm = the number in workingPressureText.
void readWorkingPressure(MainState& state);

} // namespace chart
