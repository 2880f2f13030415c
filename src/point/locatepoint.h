#pragma once
// "Locate point": the point of the two chosen properties and their values,
// solved with a message for every refusal and failure, for the result window
// "Locate point" to show.

#include "point/pointcontext.h"
#include "point/solvepoint.h"

#include <optional>
#include <string>

namespace point {

// The main window's test that the chart on the surface was drawn with the
// limits now chosen; reads both sets of limits into the shared state. When it
// fails the user is told to draw the chart first.
bool checkdrawnlimits(PointContext& context);

// A located point: its state and the pressure row that goes with it.
struct LocatedPoint {
    MoistAirState state;
    std::string pressureCaption; // by the unit in which the pressure was given
    std::string pressureValue;   // the pressure as the user typed it
};

// Solves the point for "Locate point"; nothing when the solve is refused or
// fails, the user having been told why.
std::optional<LocatedPoint> locatePoint(PointContext& context, const PointInputs& inputs);

} // namespace point
