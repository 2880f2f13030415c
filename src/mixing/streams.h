#pragma once
// One stream column of the mixing window: the state of a stream's air from
// two of its properties, its pressure row, the saturation vapour pressure at
// its dry bulb and its dry-air, water-vapour and moist-air mass flows, all as
// the texts the column shows.

#include "chart/mainstate.h"
#include "point/solvepoint.h"

#include <optional>
#include <string>

namespace mixing {

// What the user gave for one stream: its two properties and the air flow in
// acfm, as typed (its leading number, the locale's decimal separator taken as
// well as the point).
struct StreamInput {
    point::GivenProperty first, second;
    std::string acfm;
};

// The texts of a solved stream's column. A step that failed leaves its text
// empty.
struct StreamColumn {
    // The caption of the pressure row, by the main window's pressure unit;
    // empty for a unit without a caption, which leaves the row's caption as
    // it is.
    std::string pressureCaption;
    std::string prvalue;                       // the pressure as the user typed it in that unit
    std::string db, wb, rh, h, v, hr, dp, pv;  // the state of the air
    std::string pvs;                           // saturation vapour pressure at the dry bulb, inHg
    std::string dryair, vapour, moistair;      // mass flows, lb/min
};

// What a stream's solve works with: the main window's working-pressure text,
// and the mixing window's own working pressure, result fields and line span.
point::SolveContext streamSolveContext(const chart::MainState& main, double& atm, moistair::WetBulbFields& fields,
                                     chart::LineSpan& span);

// Solves one stream at the main window's working pressure, without a message
// and within the fixed bounds of the mixing window. Gives nothing when the
// input gives no valid state: two equal properties, humidity ratio with dew
// point, an empty value, a search that runs out or a state that fails the
// validity check. solver.atm takes the working pressure of the main window's
// workingPressureText whenever the input passes those first refusals.
std::optional<StreamColumn> solveStream(const StreamInput& input, const chart::MainState& main,
                                        point::SolveContext& solver);

} // namespace mixing
