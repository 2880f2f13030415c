#include "chart/drawchart.h"

#include "chart/curves.h"
#include "chart/scales.h"
#include "moistair/psychro.h"
#include "moistair/searches.h"
#include "numtext/numtext.h"
#include "ui/colour.h"

#include <optional>

namespace chart {
namespace {

using moistair::skipOnFailure;

bool isDryBulbChoice(double db)
{
    for (int choice = 0; choice <= 120; choice += 10)
        if (db == choice)
            return true;
    return false;
}

bool isHumidityRatioChoice(double hr) { return hr == 0 || hr == 0.01 || hr == 0.02 || hr == 0.03; }

bool refuse(ui::Dialogs& dialogs, const char* message)
{
    dialogs.message(message, ui::Buttons::OkCancel);
    return false;
}

// The step of the humidity-ratio grid for the span hhr - lhr.
double humidityRatioGridStep(double span)
{
    if (span <= 0.01)
        return 0.0002;
    if (span >= 0.02 && span < 0.03)
        return 0.0005;
    return 0.001;
}

// The step of the dry-bulb grid for the span hdb - ldb.
double dryBulbGridStep(double span)
{
    if (span > 50)
        return 1;
    if (span > 20)
        return 0.5;
    if (span > 10)
        return 0.25;
    return 0.125;
}

// The scale of the chart about to be drawn, kept for every later drawing on it.
void keepScaleOfChart(DrawContext& ctx)
{
    const ChartFrame drawn = frameOf(ctx.W, ctx.H, ctx.state.limits);
    ctx.state.is1 = drawn.is1;
    ctx.state.is2 = drawn.is2;
}

// One horizontal grid line: from the saturation curve to the right edge when
// the curve crosses it inside the chart, else across the whole width, except
// above 0.01 over the lower limit where it meets the curve beyond the chart.
void drawHumidityRatioGridLine(DrawContext& ctx, const ChartFrame& frame, int i, double step)
{
    const MainState& s = ctx.state;
    const double y = frame.y0() - ctx.H * i * step / frame.is1;
    const std::optional<double> saturation = moistair::dbwithrhandhr(100, s.limits.lhr + i * step, s.atm);
    double from = frame.x0();
    if (saturation && *saturation >= s.limits.ldb && *saturation <= s.limits.hdb)
        from = frame.dbtox(*saturation);
    else if (saturation && *saturation > s.limits.hdb && !(i * step < 0.01))
        return;
    ctx.surface.line(from, y, frame.rightEdge(), y, ui::palette::lightGrey);
}

// One vertical grid line: from the bottom edge up to the saturation curve, or
// to the top edge when the curve lies above the chart.
void drawDryBulbGridLine(DrawContext& ctx, const ChartFrame& frame, int i, double step, double& saturation)
{
    const MainState& s = ctx.state;
    const double x = frame.x0() + ctx.W * i * step / frame.is2;
    skipOnFailure([&] { saturation = moistair::psychro_wrh(s.limits.ldb + i * step, 100, s.atm); });
    if (saturation >= s.limits.lhr && saturation <= s.limits.hhr)
        ctx.surface.line(x, frame.y0(), x, frame.hrtoy(saturation), ui::palette::lightGrey);
    else if (saturation > s.limits.hhr)
        ctx.surface.line(x, frame.y0(), x, frame.topEdge(), ui::palette::lightGrey);
}

void drawCurveFamilies(DrawContext& ctx)
{
    const bool standard = ctx.state.chartType == ChartType::Standard;
    if (standard)
        drawrhlines(ctx);
    else
        drawsatline(ctx);
    if (standard) {
        drawwblines(ctx);
        drawspvollines(ctx);
    }
}

} // namespace

bool checkchartlimits(DrawContext& ctx, ui::Dialogs& dialogs)
{
    MainState& s = ctx.state;
    // Each limit, converted just before its test, is taken only when its
    // whole text is a number of its list.
    struct ListTest {
        const std::string& text;
        double& limit;
        bool (*isChoice)(double);
        const char* message;
    };
    const ListTest listTests[] = {
        {ctx.limits.ldb, s.limits.ldb, isDryBulbChoice,
         "Choose Lower Dry bulb temperature for chart only from the drop down menu"},
        {ctx.limits.hdb, s.limits.hdb, isDryBulbChoice,
         "Choose Higher Dry bulb temperature for chart only from the drop down menu"},
        {ctx.limits.lhr, s.limits.lhr, isHumidityRatioChoice,
         "Choose Lower humidity ratio for chart only from the drop down menu"},
        {ctx.limits.hhr, s.limits.hhr, isHumidityRatioChoice,
         "Choose Higher humidity ratio for chart only from the drop down menu"},
    };
    for (const ListTest& test : listTests)
        if (!convertLimit(test.text, ctx.limits.localeDecimal, test.limit) || !test.isChoice(test.limit))
            return refuse(dialogs, test.message);
    if (s.limits.hdb <= s.limits.ldb)
        return refuse(dialogs, "Higher limit of dry bulb temperature must be greater than lower limit of dry bulb "
                               "temperature");
    if (s.limits.hhr <= s.limits.lhr)
        return refuse(dialogs, "Higher limit of humidity ratio must be greater than lower limit of humidity ratio");
    return true;
}

ChartLimits readDrawnLimits(const MainState& state)
{
    return {numtext::leadingNumberOr0(state.drawnLowerDryBulbText),
            numtext::leadingNumberOr0(state.drawnHigherDryBulbText),
            numtext::leadingNumberOr0(state.drawnLowerHumidityRatioText),
            numtext::leadingNumberOr0(state.drawnHigherHumidityRatioText)};
}

void forgetDrawnChart(MainState& state)
{
    state.drawnLowerDryBulbText = numtext::generalText(nochart);
}

bool isSameChart(const MainState& state, const ChartLimits& drawn)
{
    return drawn == state.limits;
}

bool isDrawnWith(const MainState& state, const LimitTexts& limits)
{
    ChartLimits chosen;
    return convertLimits(limits, chosen) && chosen == readDrawnLimits(state);
}

void tellDrawChartFirst(ui::Dialogs& dialogs)
{
    dialogs.message("First draw axis as per latest chart limits", ui::Buttons::OkCancel);
}

bool checkdrawnlimits(DrawContext& ctx, ui::Dialogs& dialogs)
{
    const ChartLimits drawn = readDrawnLimits(ctx.state);
    // Limits that are not all numbers are not those of any chart drawn.
    if (readChartLimits(ctx.state, ctx.limits) && isSameChart(ctx.state, drawn))
        return true;
    tellDrawChartFirst(dialogs);
    ctx.clearbusy();
    ctx.surface.takeFocus();
    return false;
}

void drawhumidityratiogrid(DrawContext& ctx)
{
    const MainState& s = ctx.state;
    const ChartFrame frame = ctx.frame();
    const double span = s.limits.hhr - s.limits.lhr;
    const double step = humidityRatioGridStep(span);
    const float margin = float(100 * ctx.H / 6000);
    for (int i = 1;; ++i) {
        drawHumidityRatioGridLine(ctx, frame, i, step);
        const float heightLeft = float(ctx.H * (span - i * step) / frame.is1);
        if (!(margin <= heightLeft))
            break;
    }
}

void drawdrybulbgrid(DrawContext& ctx)
{
    const MainState& s = ctx.state;
    const ChartFrame frame = ctx.frame();
    const double step = dryBulbGridStep(s.limits.hdb - s.limits.ldb);
    double saturation = 0;
    double runningX = frame.x0();
    for (int i = 1; runningX <= 10.9 * ctx.W / 12; ++i) {
        drawDryBulbGridLine(ctx, frame, i, step, saturation);
        runningX += ctx.W * step / frame.is2;
    }
}

void drawchart(DrawContext& ctx, ui::Dialogs& dialogs)
{
    MainState& s = ctx.state;
    const ChartLimits drawn = readDrawnLimits(s);
    readWorkingPressure(s);
    if (!checkchartlimits(ctx, dialogs))
        return;
    if (isSameChart(s, drawn)) {
        ctx.surface.takeFocus();
        return;
    }
    ctx.surface.clear();
    ctx.setbusy();
    keepScaleOfChart(ctx);
    const ChartFrame frame = ctx.frame();
    ctx.surface.line(frame.x0(), frame.y0(), frame.rightEdge(), frame.y0());
    drawhumidityratiogrid(ctx);
    ctx.surface.line(frame.x0(), frame.y0(), frame.x0(), frame.topEdge());
    drawdrybulbgrid(ctx);
    drawCurveFamilies(ctx);
    drawscales(ctx);
}

} // namespace chart
