#include "point/marking.h"

#include "chart/drawcontext.h"
#include "chart/form1.h"
#include "numtext/numtext.h"
#include "point/readout.h"
#include "ui/colour.h"

#include <QLineEdit>

namespace point {

void markLocatedPoint(chart::Form1& main, const PointTexts& point)
{
    blankReadout(main);
    main.setbusy();

    // The frame of the chart as the lists now give its limits; a list that
    // does not hold a number counts as 0.
    const chart::ChosenLimits chosen = chart::chosenLimits(main.limitTexts());
    const auto [ldb, hdb, lhr, hhr] = chosen;
    const chart::ChartFrame frame = chart::frameOf(main.W(), main.H(), chosen);

    auto read = [](const std::string& text) { return numtext::leadingNumberOr0(text); };
    MoistAirState state;
    state.db = read(point.db);
    state.rh = read(point.rh);
    state.wb = read(point.wb);
    state.h = read(point.h);
    state.v = read(point.v);
    state.hr = read(point.hr);
    state.dp = read(point.dp);
    state.pv = read(point.pv);

    const bool inside = state.rh <= 100 && lhr <= state.hr && state.hr <= hhr && ldb <= state.db && state.db <= hdb;
    if (inside) {
        const float x = float(frame.dbtox(state.db));
        const float y = float(frame.hrtoy(state.hr));
        ui::ChartSurface& surface = main.surface();
        for (int r = 40; r > 2; r -= 2)
            surface.circle(x, y, r, ui::palette::red);
        surface.print({main.Text7->text().toStdString()});
        showReadout(main, state);
    } else {
        main.dialogs().message("The point as per input parameters is out of chart limits", ui::Buttons::Ok);
    }
}

} // namespace point
