#include "point/locatepoint.h"

#include "chart/drawchart.h"
#include "point/readout.h"
#include "point/records.h"

namespace point {

bool checkdrawnlimits(PointContext& context)
{
    chart::DrawContext& draw = context.draw;
    const chart::ChartLimits drawn = chart::readDrawnLimits(draw.state);
    chart::readChartLimits(draw.state, draw.limits);
    if (chart::isSameChart(draw.state, drawn))
        return true;
    context.dialogs.message("First draw axis as per latest chart limits", ui::Buttons::OkCancel);
    draw.clearbusy();
    draw.surface.takeFocus();
    return false;
}

std::optional<LocatedPoint> locatePoint(PointContext& context, const PointInputs& inputs)
{
    SolveWindow window = mainSolveWindow(context);
    window.drawnChartTest = [&context] { return checkdrawnlimits(context); };
    const std::optional<MoistAirState> point = solvepoint(inputs.kind1, inputs.text1, inputs.kind2, inputs.text2,
                                                          {Reporting::WithMessages, SpanBounds::Chart}, window);
    if (!point)
        return std::nullopt;
    const chart::MainState& state = context.draw.state;
    return LocatedPoint{*point, pressureRowCaption(state.pressureUnitText, window.localeDecimal),
                        pressureRowValue(state.typedPressureText, window.localeDecimal)};
}

} // namespace point
