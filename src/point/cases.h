#pragma once
// The cases of the two-property state solver, one for each unordered pair of
// property kinds.

#include "point/solvepoint.h"

namespace point {

// What a case works with besides its two values.
struct CaseContext {
    double atm = 0;                           // working pressure of the solve
    SpanBounds spanBounds = SpanBounds::Chart;
    SolveContext& solver;                      // for the line cases: span, bounds, result fields
    moistair::WetBulbFields& fields;          // the window's result fields of the wet-bulb solvers
    chart::LineSpan& span;                    // the window's line span
};

// Runs the case of the kinds first < second with their values as read
// (state holds 0 in every field). Puts the two values into their fields,
// tests their ranges and, when both pass, computes the rest of the state.
// Returns false when the case fails; a value out of range, or a pair with
// no case, returns true with the state incomplete, for the final check to
// refuse.
bool solveCase(PropertyKind first, double firstValue, PropertyKind second, double secondValue, CaseContext& context,
               MoistAirState& state);

} // namespace point
