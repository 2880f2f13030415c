#include "point/locatepoint.h"

#include "chart/drawchart.h"
#include "chart/form1.h"
#include "numtext/numtext.h"
#include "point/form3.h"
#include "point/readout.h"
#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>

namespace point {
namespace {

QString shown(double value)
{
    return QString::fromStdString(numtext::formatprop(value));
}

} // namespace

bool checkdrawnlimits(chart::Form1& form)
{
    chart::MainState& state = form.state;
    const chart::DrawnLimits drawn = chart::readDrawnLimits(state);
    chart::readChartLimits(state, form.limitTexts());
    if (chart::isSameChart(state, drawn))
        return true;
    form.dialogs().message("First draw axis as per latest chart limits", ui::Buttons::OkCancel);
    form.clearbusy();
    form.surface().takeFocus();
    return false;
}

void Command14_Click(chart::Form1& form)
{
    SolveWindow window = mainSolveWindow(form);
    window.drawnChartTest = [&form] { return checkdrawnlimits(form); };
    const std::optional<MoistAirState> point =
        solvepoint(ui::listIndex(form.Combo1), form.Text4->text().toStdString(), ui::listIndex(form.Combo2),
                   form.Text5->text().toStdString(), {Reporting::WithMessages, SpanBounds::Chart}, window);
    if (!point)
        return;

    auto* result = new Form3(form);
    const std::pair<QLabel*, double> values[] = {
        {result->Label7, point->db},  {result->Label8, point->wb},  {result->Label9, point->rh},
        {result->Label10, point->h},  {result->Label11, point->v}, {result->Label12, point->hr},
        {result->Label13, point->dp}, {result->Label19, point->pv},
    };
    for (const auto& [label, value] : values)
        label->setText(shown(value));
    result->Label20->setText(QString::fromStdString(pressureRowCaption(form.state.pressureUnitText, window.localeDecimal)));
    result->Label21->setText(QString::fromStdString(pressureRowValue(form.state.typedPressureText, window.localeDecimal)));

    form.setEnabled(false);
    form.setLocatePointWindow(result);
    result->show();
}

} // namespace point
