#include "point/locatepoint.h"

#include "chart/drawchart.h"
#include "point/readout.h"
#include "point/records.h"

namespace point {

std::optional<LocatedPoint> locatePoint(PointContext& context, const PointInputs& inputs)
{
    SolveContext solver = mainSolveContext(context, Reporting::WithMessages);
    solver.drawnChartTest = [&context] { return chart::checkdrawnlimits(context.draw, context.dialogs); };
    const std::optional<MoistAirState> point = solvepoint(inputs.first, inputs.second,
                                                          {Reporting::WithMessages, SpanBounds::Chart}, solver);
    if (!point)
        return std::nullopt;
    const chart::MainState& state = context.draw.state;
    return LocatedPoint{*point, pressureRowCaption(state.pressureUnit),
                        pressureRowValue(state.typedPressureText, solver.localeDecimal)};
}

} // namespace point
