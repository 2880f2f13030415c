#include "chart/linecommands.h"

#include "chart/curves.h"
#include "chart/drawchart.h"
#include "numtext/numtext.h"

namespace chart {
namespace {

// The value of the line: the typed text as a whole number, 0 when it is not one.
double lineValue(const std::string& text, char localeDecimal)
{
    return numtext::wholeNumber(text, localeDecimal).value_or(0.0);
}

// Whether the value may be traced, tested on its text of 15 digits.
bool passesInputTest(LineKind kind, double value)
{
    const double typed = numtext::round15(value);
    switch (kind) {
    case LineKind::RelativeHumidity:
        return typed >= 0 && typed <= 100;
    case LineKind::SpecificVolume:
        return typed > 0 && typed <= 78;
    case LineKind::WetBulb:
    case LineKind::Enthalpy:
        return true;
    }
    return false;
}

bool traceLine(DrawContext& ctx, LineKind kind, double value)
{
    switch (kind) {
    case LineKind::RelativeHumidity: {
        double w = 0;
        return traceRhCurve(ctx, value, w);
    }
    case LineKind::WetBulb:
        return traceWetBulbLine(ctx, value);
    case LineKind::Enthalpy:
        return traceEnthalpyLine(ctx, value);
    case LineKind::SpecificVolume:
        return traceVolumeLine(ctx, value);
    }
    return false;
}

void endCommand(DrawContext& ctx)
{
    ctx.clearbusy();
    ctx.surface.takeFocus();
}

} // namespace

void tellLineNotFeasible(ui::Dialogs& dialogs)
{
    dialogs.message("The line is either out of chart limits or is not feasible", ui::Buttons::Ok);
}

void drawConstantLine(DrawContext& ctx, ui::Dialogs& dialogs, LineKind kind, const std::string& valueText)
{
    ctx.setbusy();
    if (!checkdrawnlimits(ctx, dialogs))
        return;
    readWorkingPressure(ctx.state);
    const double value = lineValue(valueText, ctx.limits.localeDecimal);
    const bool drawnLine = passesInputTest(kind, value) && traceLine(ctx, kind, value);
    if (!drawnLine)
        tellLineNotFeasible(dialogs);
    endCommand(ctx);
}

} // namespace chart
