#pragma once
// The main window's live readout: the full state of the point given by the
// two chosen properties and their values, shown as soon as they change.

namespace chart {
class Form1;
}

namespace point {

// Blanks the readout, then shows the point's state when the two chosen
// properties and their values give one; stops silently otherwise.
void updatereadout(chart::Form1& form);

// Connects the main window's point commands and readout to this module.
void attach(chart::Form1& form);

} // namespace point
