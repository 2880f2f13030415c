#include "point/marking.h"

#include "numtext/numtext.h"
#include "point/readout.h"
#include "ui/colour.h"

namespace point {

void markLocatedPoint(PointContext& context, const PointTexts& point)
{
    chart::DrawContext& draw = context.draw;
    context.showReadout(blankedReadout());
    draw.setbusy();

    // The frame of the chart as the lists now give its limits; a list that
    // does not hold a number counts as 0.
    const chart::ChartFrame frame = chart::frameOf(draw.W, draw.H, chart::chosenLimits(draw.limits));

    StateValues values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = numtext::leadingNumberOr0(point[i]);
    const MoistAirState state = fromDisplayOrder(values);

    if (state.rh <= 100 && frame.limits.contains(state.db, state.hr)) {
        markConcentric(draw.surface, float(frame.dbtox(state.db)), float(frame.hrtoy(state.hr)), 40,
                       context.pointIdentification);
        context.showReadout(readoutOf(state));
    } else {
        context.dialogs.message("The point as per input parameters is out of chart limits", ui::Buttons::Ok);
    }
}

void markConcentric(ui::ChartSurface& surface, float x, float y, int largestRadius, const std::string& label)
{
    for (int r = largestRadius; r >= 4; r -= 2)
        surface.circle(x, y, r, ui::palette::red);
    surface.print({label});
}

} // namespace point
