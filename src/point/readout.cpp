#include "point/readout.h"

#include "chart/form1.h"
#include "chart/mainstate.h"
#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>

namespace point {
namespace {

using chart::PropertyKind;

void blankReadout(chart::Form1& form)
{
    for (QLabel* label : {form.Label13, form.Label14, form.Label15, form.Label16, form.Label17, form.Label18,
                          form.Label24})
        label->clear();
}

bool isHumidityRatioWithDewPoint(int first, int second)
{
    auto hr = static_cast<int>(PropertyKind::HumidityRatio);
    auto dp = static_cast<int>(PropertyKind::DewPoint);
    return (first == hr && second == dp) || (first == dp && second == hr);
}

} // namespace

void updatereadout(chart::Form1& form)
{
    blankReadout(form);
    int first = ui::listIndex(form.Combo1);
    int second = ui::listIndex(form.Combo2);
    if (first == second || isHumidityRatioWithDewPoint(first, second))
        return;
    if (form.Text4->text().isEmpty() || form.Text5->text().isEmpty())
        return;
    // The point itself is solved by the two-property state solver.
}

void attach(chart::Form1& form)
{
    form.hooks.updatereadout = [&form] { updatereadout(form); };
}

} // namespace point
