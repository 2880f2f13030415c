#pragma once
// "Locate point": the point of the two chosen properties and their values,
// solved with a message for every refusal and failure and shown in the
// result window "Locate point".

namespace chart {
class Form1;
}

namespace point {

// The main window's test that the chart on the surface was drawn with the
// limits now chosen; reads both sets of limits into the shared state. When it
// fails the user is told to draw the chart first.
bool checkdrawnlimits(chart::Form1& form);

// The click of "Locate point": on success the result window shows the point
// and the main window is disabled until the result window is left.
void Command14_Click(chart::Form1& form);

} // namespace point
