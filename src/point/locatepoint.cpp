#include "point/locatepoint.h"

#include "chart/drawchart.h"
#include "point/readout.h"
#include "point/records.h"

namespace point {

std::optional<LocatedPoint> locatePoint(PointContext& context, const PointInputs& inputs)
{
    SolveWindow window = mainSolveWindow(context);
    window.drawnChartTest = [&context] { return chart::checkdrawnlimits(context.draw, context.dialogs); };
    const std::optional<MoistAirState> point = solvepoint(inputs.kind1, inputs.text1, inputs.kind2, inputs.text2,
                                                          {Reporting::WithMessages, SpanBounds::Chart}, window);
    if (!point)
        return std::nullopt;
    const chart::MainState& state = context.draw.state;
    return LocatedPoint{*point, pressureRowCaption(state.pressureUnit),
                        pressureRowValue(state.typedPressureText, window.localeDecimal)};
}

} // namespace point
