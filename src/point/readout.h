#pragma once
// The main window's live readout: the full state of the point given by the
// two chosen properties and their values, shown as soon as they change.

#include "point/solvepoint.h"

namespace chart {
class Form1;
}

namespace point {

// What the main window's solves work with: its working pressure and its text,
// its result fields and line span, the chart limits now chosen, its dialogs,
// busy indicator and chart surface.
SolveWindow mainSolveWindow(chart::Form1& form);

// Blanks the readout but for the vapour pressure, which keeps the value of
// the last point shown.
void blankReadout(chart::Form1& form);
// Shows all eight properties of the state in the readout.
void showReadout(chart::Form1& form, const MoistAirState& state);

// Blanks the readout, then shows the point's state when the two chosen
// properties and their values give one; stops silently otherwise.
void updatereadout(chart::Form1& form);

// Connects the main window's point commands and readout to this module.
void attach(chart::Form1& form);

} // namespace point
