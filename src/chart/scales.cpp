#include "chart/scales.h"

#include "chart/pressureunit.h"
#include "moistair/psychro.h"
#include "moistair/searches.h"
#include "numtext/numtext.h"
#include "ui/colour.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace chart {
namespace {

// A fixed place on the chart, measured from the origin (x0, y0): across in
// twelfths and in six-thousandths of W, upward in six-thousandths of H.
struct Placement {
    double twelfthsW;       // x0 + twelfthsW * W / 12
    double sixThousandthsW; //    + sixThousandthsW * W / 6000
    double up;              // y0 - up * H / 6000
};

double placementX(const DrawContext& ctx, Placement at)
{
    return ctx.frame().x0() + at.twelfthsW * ctx.W / 12 + at.sixThousandthsW * ctx.W / 6000;
}

double placementY(const DrawContext& ctx, Placement at)
{
    return ctx.frame().y0() - at.up * ctx.H / 6000;
}

// Prints the items as one line whose top-left corner is at (x, y).
void printAt(DrawContext& ctx, double x, double y, std::initializer_list<ui::PrintItem> items)
{
    ctx.surface.setCurrentPosition(x, y);
    ctx.surface.print(items);
}

void printAt(DrawContext& ctx, Placement at, std::initializer_list<ui::PrintItem> items)
{
    printAt(ctx, placementX(ctx, at), placementY(ctx, at), items);
}

struct Caption {
    const char* text;
    Placement at;
};

void printCaptions(DrawContext& ctx, const std::vector<Caption>& captions)
{
    for (const Caption& caption : captions)
        printAt(ctx, caption.at, {caption.text});
}

// The credit line shares its height with the dry-bulb caption, which begins
// near the middle of the chart: it is kept short enough to end well before.
constexpr const char* creditLine = "Moist-air properties after ASHRAE";

// The captions of the two axes, the right one written downward a letter at a
// time, and the credit line below the chart.
const std::vector<Caption> axisCaptions = {
    {"Dry Bulb temp(Deg F)", {4.5, 0, -250}},
    {"H", {-0.8, 5650, 3500}},
    {"u", {-0.8, 5650, 3300}},
    {"m", {-0.8, 5650, 3100}},
    {"i", {-0.8, 5650, 2900}},
    {"d", {-0.8, 5650, 2700}},
    {"i", {-0.8, 5650, 2500}},
    {"t", {-0.8, 5650, 2300}},
    {"y", {-0.8, 5650, 2100}},
    {"Ratio", {-0.9, 5650, 1900}},
    {"(lb/lb of air)", {-0.95, 5650, 1800}},
    {creditLine, {-0.8, 0, -300}},
};

// The caption of the vapour-pressure scale, written downward a letter at a
// time; the gap between the words is printed as an empty line.
const std::vector<Caption> vapourPressureCaption = {
    {"V", {-0.8, 0, 3500}},
    {"a", {-0.8, 0, 3300}},
    {"p", {-0.8, 0, 3100}},
    {"o", {-0.8, 0, 2900}},
    {"r", {-0.8, 0, 2700}},
    {"", {-0.8, 0, 2500}},
    {"p", {-0.8, 0, 2300}},
    {"r", {-0.8, 0, 2100}},
    {"(In hg)", {-0.9, 0, 1900}},
};

constexpr Placement pressureCaptionPlace{-0.8, 0, 4650};

// The labels of the vapour-pressure scale: each at the height of a humidity
// ratio w, a little above its line, giving the vapour pressure of air at the
// chart's higher dry bulb with that humidity ratio. One list per humidity
// range.
struct VapourPressureLabel {
    double w;
    double up; // y0 - up * H / 6000
};
struct VapourPressureScale {
    double lhr, hhr;
    std::vector<VapourPressureLabel> labels;
};
const std::vector<VapourPressureScale> vapourPressureScales = {
    {0, 0.01, {{0.002, 950}, {0.004, 1850}, {0.006, 2750}, {0.008, 3650}, {0.010, 4500}}},
    {0.01, 0.02, {{0.010, 100}, {0.012, 950}, {0.014, 1850}, {0.016, 2750}, {0.018, 3650}, {0.020, 4500}}},
    {0.02, 0.03, {{0.020, 100}, {0.022, 950}, {0.024, 1850}, {0.026, 2750}, {0.028, 3650}, {0.030, 4500}}},
    {0, 0.02, {{0.005, 1150}, {0.010, 2300}, {0.015, 3450}, {0.020, 4500}}},
    {0.01, 0.03, {{0.010, 100}, {0.015, 1150}, {0.020, 2300}, {0.025, 3450}, {0.030, 4500}}},
    {0, 0.03, {{0.005, 800}, {0.010, 1550}, {0.015, 2300}, {0.020, 3050}, {0.025, 3800}, {0.030, 4500}}},
};
constexpr double vapourPressureLabelTwelfths = -0.5;

// Degrees between dry-bulb labels: 10 on spans over 50, 5 over 20, else 1.
double dryBulbStep(double span)
{
    if (span > 50)
        return 10;
    if (span > 20)
        return 5;
    return 1;
}

// Humidity ratio between right-hand labels. The span is taken on the
// doubles, so 0.03 - 0.02, just under 0.01, takes the finer step.
double humidityRatioStep(double span)
{
    return span > 0.01 ? 0.005 : 0.002;
}

// The blue line of a labelled dry bulb, from the bottom edge up to the
// saturation curve, or to the top edge when the curve lies above the chart;
// none when the curve lies below it, or when the saturation humidity ratio
// has no value.
void drawMajorDryBulbLine(DrawContext& ctx, double db, double x)
{
    const MainState& state = ctx.state;
    const ChartFrame frame = ctx.frame();
    std::optional<double> saturation;
    moistair::skipOnFailure([&] { saturation = moistair::psychro_wrh(db, 100, state.atm); });
    if (!saturation)
        return;
    const double ws = *saturation;
    if (state.limits.lhr <= ws && ws <= state.limits.hhr)
        ctx.surface.line(x, frame.y0(), x, frame.hrtoy(ws), ui::palette::blue);
    else if (ws > state.limits.hhr)
        ctx.surface.line(x, frame.y0(), x, frame.topEdge(), ui::palette::blue);
}

void drawDryBulbScale(DrawContext& ctx)
{
    const MainState& state = ctx.state;
    const ChartFrame frame = ctx.frame();
    const double span = state.limits.hdb - state.limits.ldb;
    const double step = dryBulbStep(span);
    const double count = span / step;
    const double labelY = frame.y0() + 125 * ctx.H / 6000;
    printAt(ctx, {-0.1, 0, -125}, {state.limits.ldb});
    // Labels of the coarser steps stand further left of their lines.
    const double labelShift = (span > 20 ? 0.5 : 0.1) * ctx.W / frame.is2;
    for (int i = 1; i <= count; ++i) {
        const double db = state.limits.ldb + i * step;
        const double x = frame.dbtox(db);
        printAt(ctx, x - labelShift, labelY, {std::round(db)});
        drawMajorDryBulbLine(ctx, db, x);
    }
}

// The humidity-ratio labels at the right edge, each just above a blue line
// across the chart; then the bottom edge again, over the feet of the blue
// dry-bulb lines.
void drawHumidityRatioScale(DrawContext& ctx)
{
    const MainState& state = ctx.state;
    const ChartFrame frame = ctx.frame();
    printAt(ctx, {-0.6, 5350, 100}, {state.limits.lhr});
    const double span = state.limits.hhr - state.limits.lhr;
    const double step = humidityRatioStep(span);
    const long count = std::lround(span / step);
    const double labelX = placementX(ctx, {-0.4, 5200, 0});
    for (long i = 1; i <= count; ++i) {
        const double w = state.limits.lhr + i * step;
        const double y = frame.hrtoy(w);
        printAt(ctx, labelX, y - 0.0001 * ctx.H / frame.is1, {w});
        ctx.surface.line(frame.x0(), y, frame.rightEdge(), y, ui::palette::blue);
    }
    ctx.surface.line(frame.x0(), frame.y0(), frame.rightEdge(), frame.y0());
}

void printOriginLabel(DrawContext& ctx)
{
    if (ctx.state.limits.lhr == 0)
        printAt(ctx, {-0.2, 0, 100}, {"0"});
}

// One label; left out when the search finds no vapour pressure.
void printVapourPressureLabel(DrawContext& ctx, VapourPressureLabel label)
{
    std::string text;
    moistair::skipOnFailure([&] { moistair::pvwithdbandhr(ctx.state.limits.hdb, label.w, ctx.state.atm, text); });
    if (!text.empty())
        printAt(ctx, {vapourPressureLabelTwelfths, 0, label.up}, {text});
}

void drawVapourPressureScale(DrawContext& ctx)
{
    for (const VapourPressureScale& scale : vapourPressureScales) {
        if (scale.lhr != ctx.state.limits.lhr || scale.hhr != ctx.state.limits.hhr)
            continue;
        for (const VapourPressureLabel& label : scale.labels)
            printVapourPressureLabel(ctx, label);
    }
}

// The busy indicator off, the focus to the chart, and the limits of the chart
// now on the surface recorded for the later comparison with the lists.
void endDrawing(DrawContext& ctx)
{
    if (ctx.clearbusy)
        ctx.clearbusy();
    ctx.surface.takeFocus();
    MainState& state = ctx.state;
    state.drawnLowerDryBulbText = numtext::generalText(state.limits.ldb);
    state.drawnHigherDryBulbText = numtext::generalText(state.limits.hdb);
    state.drawnLowerHumidityRatioText = numtext::generalText(state.limits.lhr);
    state.drawnHigherHumidityRatioText = numtext::generalText(state.limits.hhr);
}

} // namespace

// The chart is laid out in fractions of W and H while its texts keep their
// size. Right of the chart, the humidity-ratio caption begins at 5675/6000 of
// W and takes less than five line heights; below it, the credit line begins
// at 5000/6000 of H and takes one. Each ends a line or more short of the
// edge. The extents are whole twips, and never below one, so that the
// drawing's loops end on any surface.
Extents extentsToShowWhole(double visibleWidth, double visibleHeight, double lineHeight)
{
    return {std::max(1.0, std::floor((visibleWidth - 6 * lineHeight) * 6000 / 5675)),
            std::max(1.0, std::floor((visibleHeight - 2 * lineHeight) * 6000 / 5000))};
}

void printStartCaption(DrawContext& ctx)
{
    const PressureUnitInfo& defaultUnit = pressureUnitInfo(PressureUnit::Default);
    printAt(ctx, pressureCaptionPlace,
            {defaultUnit.chartQuantity, numtext::leadingNumberOr0(ctx.state.workingPressureText), " ",
             defaultUnit.chartUnit});
}

// A pressure set with no unit chosen has no caption.
void printPressureCaption(DrawContext& ctx)
{
    const std::optional<PressureUnit> unit = ctx.state.pressureUnit;
    if (!unit)
        return;
    const PressureUnitInfo& caption = pressureUnitInfo(*unit);
    printAt(ctx, pressureCaptionPlace, {caption.chartQuantity, ctx.state.typedPressureText, " ", caption.chartUnit});
}

void drawscales(DrawContext& ctx)
{
    drawDryBulbScale(ctx);
    drawHumidityRatioScale(ctx);
    printCaptions(ctx, axisCaptions);
    printPressureCaption(ctx);
    printOriginLabel(ctx);
    drawVapourPressureScale(ctx);
    printCaptions(ctx, vapourPressureCaption);
    endDrawing(ctx);
}

} // namespace chart
