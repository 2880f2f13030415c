#pragma once
// "Locate point": the point of the two chosen properties and their values,
// solved with a message for every refusal and failure, for the result window
// "Locate point" to show.

#include "point/pointcontext.h"
#include "point/solvepoint.h"

#include <optional>
#include <string>

namespace point {

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
