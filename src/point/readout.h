#pragma once
// The main window's live readout: the full state of the point given by the
// two chosen properties and their values, shown as soon as they change.

#include "point/pointcontext.h"
#include "point/solvepoint.h"

namespace point {

// What the main window's solves work with: its working pressure and its text,
// its result fields and line span, the chart limits now chosen, its dialogs,
// busy indicator and chart surface. A silent solve leaves the dialogs, the
// busy indicator and the focus alone, also where a span along a line of the
// chart finds no point or stops.
SolveContext mainSolveContext(PointContext& context, Reporting reporting);

// The readout blanked but for the vapour pressure, which keeps the value of
// the last point shown.
ReadoutTexts blankedReadout();
// All eight properties of the state, as the readout shows them.
ReadoutTexts readoutOf(const MoistAirState& state);

// Blanks the readout, then shows the point's state when the two chosen
// properties and their values give one; stops silently otherwise: it never
// shows a message nor moves the focus, which would take what the user types.
void updateReadout(PointContext& context, const PointInputs& inputs);

} // namespace point
