#pragma once
// Marking a located point on the chart: a red dot and the point's
// identification where the point lies, by the chart limits now chosen.

#include "point/pointcontext.h"
#include "ui/chartsurface.h"

#include <array>
#include <string>

namespace point {

// The values of a point as the result window shows them, in display order.
using PointTexts = std::array<std::string, stateValueCount>;

// When the point lies within the chart limits now chosen in the main window
// (relative humidity at most 100), marks it on the chart surface and shows it
// in the readout; otherwise says that it is out of chart limits and leaves
// the readout blank but for the vapour pressure.
void markLocatedPoint(PointContext& context, const PointTexts& point);

// Marks (x, y) with red circles centred on it, of radii largestRadius (an
// even number) down to 4 in steps of 2, then prints the label with its upper
// left corner at the centre, where the last circle leaves the current
// position.
void markConcentric(ui::ChartSurface& surface, float x, float y, int largestRadius, const std::string& label);

} // namespace point
