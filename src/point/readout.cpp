#include "point/readout.h"

#include "chart/drawcontext.h"
#include "chart/form1.h"
#include "chart/mainstate.h"
#include "moistair/linespans.h"
#include "numtext/numtext.h"
#include "point/locatepoint.h"
#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>

namespace point {

SolveWindow mainSolveWindow(chart::Form1& form)
{
    SolveWindow window;
    window.pressureText = &form.state.workingPressureText;
    window.atm = &form.state.atm;
    window.fields = &form.state.wetBulb;
    window.span = &form.state.span;
    // A span along a line of the chart reads the limits now chosen and the
    // working pressure into the shared state, and places the line by the
    // scale of the chart drawn last.
    window.chartBounds = [&form] {
        chart::MainState& state = form.state;
        chart::readChartLimits(state, form.limitTexts());
        chart::readWorkingPressure(state);
        moistair::ChartBounds bounds;
        bounds.ldb = state.ldb;
        bounds.hdb = state.hdb;
        bounds.lhr = state.lhr;
        bounds.hhr = state.hhr;
        bounds.W = form.W();
        bounds.H = form.H();
        bounds.is1 = state.is1;
        bounds.is2 = state.is2;
        bounds.atm = state.atm;
        bounds.lineNotFound = [&form] {
            form.dialogs().message("The line is either out of chart limits or is not feasible", ui::Buttons::Ok);
        };
        bounds.walkStopped = [&form] {
            form.clearbusy();
            form.surface().takeFocus();
        };
        return bounds;
    };
    window.dialogs = &form.dialogs();
    window.clearbusy = [&form] { form.clearbusy(); };
    window.focusChart = [&form] { form.surface().takeFocus(); };
    window.localeDecimal = ui::localeDecimal();
    window.localeGrouping = ui::localeGrouping();
    return window;
}

void blankReadout(chart::Form1& form)
{
    for (QLabel* label : {form.Label13, form.Label14, form.Label15, form.Label16, form.Label17, form.Label18,
                          form.Label24})
        label->clear();
}

void showReadout(chart::Form1& form, const MoistAirState& state)
{
    const std::pair<QLabel*, double> shown[] = {
        {form.Label13, state.db}, {form.Label14, state.wb}, {form.Label15, state.rh}, {form.Label16, state.h},
        {form.Label17, state.v},  {form.Label18, state.hr}, {form.Label24, state.dp}, {form.Label26, state.pv},
    };
    for (const auto& [label, value] : shown)
        label->setText(QString::fromStdString(numtext::formatprop(value)));
}

void updatereadout(chart::Form1& form)
{
    blankReadout(form);
    SolveWindow window = mainSolveWindow(form);
    const std::optional<MoistAirState> point =
        solvepoint(ui::listIndex(form.Combo1), form.Text4->text().toStdString(), ui::listIndex(form.Combo2),
                   form.Text5->text().toStdString(), {Reporting::Silent, SpanBounds::Chart}, window);
    if (point)
        showReadout(form, *point);
}

void attach(chart::Form1& form)
{
    form.hooks.updatereadout = [&form] { updatereadout(form); };
    form.hooks.locatePoint = [&form] { Command14_Click(form); };
}

} // namespace point
