#include "point/readout.h"

#include "chart/linecommands.h"
#include "chart/linespans.h"
#include "numtext/numtext.h"
#include "ui/localenumbers.h"

namespace point {

SolveContext mainSolveContext(PointContext& context, Reporting reporting)
{
    chart::DrawContext& draw = context.draw;
    chart::MainState& state = draw.state;
    SolveContext solver(ui::localeDecimal(), ui::localeGrouping());
    solver.pressureText = &state.workingPressureText;
    solver.atm = &state.atm;
    solver.fields = &state.wetBulb;
    solver.span = &state.span;
    // A span along a line of the chart reads the limits now chosen and the
    // working pressure into the shared state, and places the line by the
    // scale of the chart drawn last.
    solver.chartBounds = [&context, reporting] {
        chart::DrawContext& draw = context.draw;
        chart::MainState& state = draw.state;
        chart::readChartLimits(state, draw.limits);
        chart::readWorkingPressure(state);
        chart::LineBounds bounds;
        bounds.atm = state.atm;
        bounds.chart = draw.frame();
        if (reporting == Reporting::Silent)
            return bounds;
        bounds.lineNotFound = [&context] { chart::tellLineNotFeasible(context.dialogs); };
        bounds.walkStopped = [&draw] {
            draw.clearbusy();
            draw.surface.takeFocus();
        };
        return bounds;
    };
    solver.dialogs = &context.dialogs;
    solver.clearbusy = draw.clearbusy;
    solver.focusChart = [&draw] { draw.surface.takeFocus(); };
    return solver;
}

ReadoutTexts blankedReadout()
{
    ReadoutTexts texts;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
        texts[i] = "";
    return texts;
}

ReadoutTexts readoutOf(const MoistAirState& state)
{
    ReadoutTexts texts;
    const StateValues values = inDisplayOrder(state);
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = numtext::formatprop(values[i]);
    return texts;
}

void updateReadout(PointContext& context, const PointInputs& inputs)
{
    context.showReadout(blankedReadout());
    SolveContext solver = mainSolveContext(context, Reporting::Silent);
    const std::optional<MoistAirState> point = solvepoint(inputs.first, inputs.second,
                                                          {Reporting::Silent, SpanBounds::Chart}, solver);
    if (point)
        context.showReadout(readoutOf(*point));
}

} // namespace point
