#pragma once
// The line commands: one line of constant relative humidity, wet bulb,
// enthalpy or specific volume through a value the user typed, on the chart
// now on the surface.

#include "chart/drawcontext.h"
#include "ui/dialogs.h"

#include <string>

namespace chart {

enum class LineKind { RelativeHumidity, WetBulb, Enthalpy, SpecificVolume };

// Draws the line of the kind through the value typed as valueText, when the
// chart on the surface was drawn with the limits now chosen.
void drawConstantLine(DrawContext& ctx, ui::Dialogs& dialogs, LineKind kind, const std::string& valueText);

// Tells the user that the line asked for has no point in the chart or is not
// feasible; returns when the message has been closed.
void tellLineNotFeasible(ui::Dialogs& dialogs);

} // namespace chart
