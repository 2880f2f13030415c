// The scales, labels and captions of a chart and the end of its drawing, on
// the recording surface. Expected positions are worked out here from the
// chart's geometry, as fractions of W and H.

#include "chart/scales.h"

#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "ui/doubles/recordingsurface.h"

#include <gtest/gtest.h>

#include <cmath>

#include <optional>
#include <string>
#include <vector>

namespace {

using Op = ui::RecordingSurface::Operation;

constexpr double W = 28800;
constexpr double H = 16200;
constexpr double x0 = W / 12;
constexpr double y0 = 4700 * H / 6000;
constexpr double rightEdge = 11 * W / 12;
constexpr double topEdge = 200 * H / 6000;
constexpr double standardAtm = 29.92126;
// The surface keeps its current position in single precision.
constexpr double tol = 0.01;

using Limits = chart::ChartLimits;
constexpr Limits defaultChart{0, 120, 0, 0.03};

// A text expected at (x, y).
struct Placed {
    std::string text;
    double x, y;
};

class ScalesTest : public ::testing::Test {
protected:
    chart::MainState state;
    ui::RecordingSurface surface;
    int setbusyCalls = 0;
    int clearbusyCalls = 0;
    int focusesAtClearbusy = -1;

    chart::DrawContext context()
    {
        return {state, surface, W, H, {"", "", "", "", '.'},
                [this] { ++setbusyCalls; },
                [this] {
                    ++clearbusyCalls;
                    focusesAtClearbusy = surface.focusCount();
                }};
    }

    // The state as the first half of the drawing leaves it, with the limits
    // of an earlier chart still recorded.
    void prepare(Limits limits, double atm = standardAtm)
    {
        state.workingPressureText = numtext::generalText(atm);
        state.atm = atm;
        state.limits.ldb = limits.ldb;
        state.limits.hdb = limits.hdb;
        state.limits.lhr = limits.lhr;
        state.limits.hhr = limits.hhr;
        const chart::ChartFrame drawn = chart::frameOf(W, H, limits);
        state.is1 = drawn.is1;
        state.is2 = drawn.is2;
        state.pressureUnit = chart::PressureUnit::Default;
        state.typedPressureText = "29.92126";
        state.drawnLowerDryBulbText = "121";
        state.drawnHigherDryBulbText = "50";
        state.drawnLowerHumidityRatioText = "0.01";
        state.drawnHigherHumidityRatioText = "0.02";
    }

    void draw(Limits limits, double atm = standardAtm)
    {
        prepare(limits, atm);
        chart::DrawContext ctx = context();
        chart::drawscales(ctx);
    }

    std::vector<Op> textsWhere(bool (*test)(const Op&, double), double value) const
    {
        std::vector<Op> found;
        for (const Op& op : surface.texts())
            if (test(op, value))
                found.push_back(op);
        return found;
    }
    std::vector<Op> textsAtX(double x) const
    {
        return textsWhere([](const Op& op, double v) { return std::abs(op.x1 - v) < tol; }, x);
    }
    std::vector<Op> textsAtY(double y) const
    {
        return textsWhere([](const Op& op, double v) { return std::abs(op.y1 - v) < tol; }, y);
    }

    std::vector<Op> blueLines(bool vertical) const
    {
        std::vector<Op> found;
        for (const Op& op : surface.lines())
            if (op.colour == ui::palette::blue && (op.x1 == op.x2) == vertical)
                found.push_back(op);
        return found;
    }
};

void expectTexts(const std::vector<Op>& actual, const std::vector<Placed>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("text " + std::to_string(i) + " \"" + expected[i].text + "\"");
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_NEAR(actual[i].x1, expected[i].x, tol);
        EXPECT_NEAR(actual[i].y1, expected[i].y, tol);
    }
}

void expectLine(const Op& line, double x1, double y1, double x2, double y2)
{
    EXPECT_NEAR(line.x1, x1, 1e-6);
    EXPECT_NEAR(line.y1, y1, 1e-6);
    EXPECT_NEAR(line.x2, x2, 1e-6);
    EXPECT_NEAR(line.y2, y2, 1e-6);
}

std::string wholeLabel(double value)
{
    return " " + std::to_string(int(value)) + " ";
}

TEST_F(ScalesTest, DryBulbLabelsStepBySpanAndEndAtTheHigherLimit)
{
    struct Case {
        double ldb, hdb, step;
        double shift; // labels stand at the dry bulb shift left of their lines
    };
    const Case cases[] = {
        {0, 10, 1, 0.1},  {0, 20, 1, 0.1},    {40, 70, 5, 0.5},
        {0, 50, 5, 0.5},  {20, 80, 10, 0.5},  {0, 120, 10, 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ldb) + " to " + std::to_string(c.hdb));
        surface.forgetLog();
        draw({c.ldb, c.hdb, 0, 0.03});
        const chart::ChartFrame frame = chart::frameOf(W, H, {c.ldb, c.hdb, 0, 0.03});
        std::vector<Placed> expected{{wholeLabel(c.ldb), 450 * W / 6000, 4825 * H / 6000}};
        for (double db = c.ldb + c.step; db <= c.hdb; db += c.step)
            expected.push_back({wholeLabel(db), frame.dbtox(db - c.shift), 4825 * H / 6000});
        expectTexts(textsAtY(4825 * H / 6000), expected);
    }
}

TEST_F(ScalesTest, MajorDryBulbLinesRunToTheSaturationCurveOrTheTopEdge)
{
    struct Case {
        Limits limits;
        std::vector<double> toCurve; // dry bulbs whose line ends on the curve
        std::vector<double> toTop;   // dry bulbs whose line ends on the top edge
    };
    const Case cases[] = {
        {defaultChart, {10, 20, 30, 40, 50, 60, 70, 80}, {90, 100, 110, 120}},
        {{40, 70, 0.01, 0.02}, {60, 65, 70}, {}}, // 45 to 55 saturate below 0.01
        {{60, 120, 0, 0.01}, {}, {70, 80, 90, 100, 110, 120}},
        {{0, 20, 0.02, 0.03}, {}, {}},
    };
    for (const Case& c : cases) {
        const Limits& l = c.limits;
        SCOPED_TRACE(std::to_string(l.ldb) + " to " + std::to_string(l.hdb) + ", " + std::to_string(l.lhr) + " to " +
                     std::to_string(l.hhr));
        surface.forgetLog();
        draw(l);
        const chart::ChartFrame frame = chart::frameOf(W, H, l);
        const std::vector<Op> lines = blueLines(true);
        ASSERT_EQ(lines.size(), c.toCurve.size() + c.toTop.size());
        size_t i = 0;
        for (double db : c.toCurve) {
            const double ws = moistair::psychro_wrh(db, 100, standardAtm);
            expectLine(lines[i++], frame.dbtox(db), y0, frame.dbtox(db), frame.hrtoy(ws));
        }
        for (double db : c.toTop)
            expectLine(lines[i++], frame.dbtox(db), y0, frame.dbtox(db), topEdge);
    }
}

TEST_F(ScalesTest, HumidityRatioScaleStepsBySpanWithItsLastLineOnTheTopEdge)
{
    struct Case {
        double lhr, hhr;
        std::string lower;
        double step;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {0, 0.01, " 0 ", 0.002, {" .002 ", " .004 ", " .006 ", " .008 ", " .01 "}},
        {0.01, 0.02, " .01 ", 0.002, {" .012 ", " .014 ", " .016 ", " .018 ", " .02 "}},
        {0.02, 0.03, " .02 ", 0.002, {" .022 ", " .024 ", " .026 ", " .028 ", " .03 "}},
        {0, 0.02, " 0 ", 0.005, {" .005 ", " .01 ", " .015 ", " .02 "}},
        {0.01, 0.03, " .01 ", 0.005, {" .015 ", " .02 ", " .025 ", " .03 "}},
        {0, 0.03, " 0 ", 0.005, {" .005 ", " .01 ", " .015 ", " .02 ", " .025 ", " .03 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.lhr) + " to " + std::to_string(c.hhr));
        surface.forgetLog();
        draw({0, 120, c.lhr, c.hhr});
        const chart::ChartFrame frame = chart::frameOf(W, H, {0, 120, c.lhr, c.hhr});

        expectTexts(textsAtX(5550 * W / 6000), {{c.lower, 5550 * W / 6000, 4600 * H / 6000}});

        // Each label stands at the height of 0.0001 above its line.
        std::vector<Placed> expected;
        for (size_t i = 1; i <= c.labels.size(); ++i)
            expected.push_back({c.labels[i - 1], 5500 * W / 6000, frame.hrtoy(c.lhr + i * c.step + 0.0001)});
        expectTexts(textsAtX(5500 * W / 6000), expected);

        const std::vector<Op> lines = blueLines(false);
        ASSERT_EQ(lines.size(), c.labels.size());
        for (size_t i = 1; i <= lines.size(); ++i) {
            const double y = frame.hrtoy(c.lhr + i * c.step);
            expectLine(lines[i - 1], x0, y, rightEdge, y);
        }
        EXPECT_NEAR(lines.back().y1, topEdge, 1e-6);
    }
}

TEST_F(ScalesTest, BottomEdgeIsDrawnAgainInTheForegroundColourOverTheBlueLines)
{
    draw(defaultChart);
    std::vector<Op> lines = surface.lines();
    ASSERT_FALSE(lines.empty());
    const Op bottom = lines.back();
    lines.pop_back();
    EXPECT_FALSE(bottom.colour.has_value());
    expectLine(bottom, x0, y0, rightEdge, y0);
    for (const Op& line : lines)
        EXPECT_EQ(line.colour, ui::palette::blue);
}

TEST_F(ScalesTest, CaptionsAndLabelsOfTheDefaultChartFollowTheScalesInOrder)
{
    draw(defaultChart);
    const double xw = W / 6000;
    const double yh = H / 6000;
    const std::vector<Placed> expected = {
        {"Dry Bulb temp(Deg F)", 2750 * xw, 4950 * yh},
        {"H", 5750 * xw, 1200 * yh}, {"u", 5750 * xw, 1400 * yh}, {"m", 5750 * xw, 1600 * yh},
        {"i", 5750 * xw, 1800 * yh}, {"d", 5750 * xw, 2000 * yh}, {"i", 5750 * xw, 2200 * yh},
        {"t", 5750 * xw, 2400 * yh}, {"y", 5750 * xw, 2600 * yh},
        {"Ratio", 5700 * xw, 2800 * yh},
        {"(lb/lb of air)", 5675 * xw, 2900 * yh},
        {"Moist-air properties after ASHRAE",
         100 * xw, 5000 * yh},
        {"Atmos. pr=29.92126 In Hg", 100 * xw, 50 * yh},
        {"0", 400 * xw, 4600 * yh},
        {"0.2386", 250 * xw, 3900 * yh}, {"0.4735", 250 * xw, 3150 * yh}, {"0.7046", 250 * xw, 2400 * yh},
        {"0.9322", 250 * xw, 1650 * yh}, {"1.1562", 250 * xw, 900 * yh}, {"1.3768", 250 * xw, 200 * yh},
        {"V", 100 * xw, 1200 * yh}, {"a", 100 * xw, 1400 * yh}, {"p", 100 * xw, 1600 * yh},
        {"o", 100 * xw, 1800 * yh}, {"r", 100 * xw, 2000 * yh}, {"", 100 * xw, 2200 * yh},
        {"p", 100 * xw, 2400 * yh}, {"r", 100 * xw, 2600 * yh},
        {"(In hg)", 50 * xw, 2800 * yh},
    };
    const std::vector<Op> texts = surface.texts();
    const size_t scaleTexts = 13 + 7; // dry-bulb labels, then humidity-ratio labels
    ASSERT_EQ(texts.size(), scaleTexts + expected.size());
    expectTexts(std::vector<Op>(texts.begin() + scaleTexts, texts.end()), expected);
}

TEST_F(ScalesTest, PressureCaptionNamesTheUnitOfThePressureAsTyped)
{
    using Unit = chart::PressureUnit;
    struct Case {
        std::optional<Unit> unit;
        std::string typed, printed; // nothing printed when empty
    };
    const Case cases[] = {
        {Unit::Default, "29.92126", "Atmos. pr=29.92126 In Hg"},
        {Unit::InchesHg, "30.50", "Atmos. pr=30.50 In Hg"},
        {Unit::Psi, "14.7", "Atmos. pr=14.7 Pounds/sq inch"},
        {Unit::Elevation, "5000.0", "Site elevation=5000.0 ft"},
        {std::nullopt, "29.92126", ""}, // set with no unit chosen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        surface.forgetLog();
        prepare(defaultChart);
        state.pressureUnit = c.unit;
        state.typedPressureText = c.typed;
        std::vector<Placed> printed;
        if (!c.printed.empty())
            printed.push_back({c.printed, 100 * W / 6000, 50 * H / 6000});
        chart::DrawContext ctx = context();
        chart::printPressureCaption(ctx);
        expectTexts(surface.texts(), printed);

        surface.forgetLog();
        chart::drawscales(ctx);
        expectTexts(textsAtY(50 * H / 6000), printed);
    }
}

TEST_F(ScalesTest, OriginLabelOnlyWhenTheLowerHumidityRatioIsZero)
{
    struct Case {
        double lhr, hhr;
        bool origin;
    };
    const Case cases[] = {
        {0, 0.01, true}, {0, 0.03, true}, {0.01, 0.02, false}, {0.01, 0.03, false}, {0.02, 0.03, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.lhr) + " to " + std::to_string(c.hhr));
        surface.forgetLog();
        draw({0, 120, c.lhr, c.hhr});
        std::vector<Placed> expected;
        if (c.origin)
            expected.push_back({"0", 400 * W / 6000, 4600 * H / 6000});
        expectTexts(textsAtX(400 * W / 6000), expected);
    }
}

TEST_F(ScalesTest, VapourPressureLabelsOfTheHumidityRangeLeavingOutThoseWithoutValue)
{
    struct Label {
        std::string text;
        double k; // height above the origin, in H/6000
    };
    struct Case {
        Limits limits;
        double atm;
        std::vector<Label> labels;
    };
    const Case cases[] = {
        {{0, 120, 0, 0.01}, standardAtm,
         {{"0.0959", 950}, {"0.1912", 1850}, {"0.2859", 2750}, {"0.3800", 3650}, {"0.4735", 4500}}},
        {{0, 120, 0.01, 0.02}, standardAtm,
         {{"0.4735", 100}, {"0.5664", 950}, {"0.6587", 1850}, {"0.7504", 2750}, {"0.8416", 3650}, {"0.9322", 4500}}},
        {{0, 120, 0.02, 0.03}, standardAtm,
         {{"0.9322", 100}, {"1.0222", 950}, {"1.1117", 1850}, {"1.2006", 2750}, {"1.2890", 3650}, {"1.3768", 4500}}},
        {{0, 120, 0, 0.02}, standardAtm, {{"0.2386", 1150}, {"0.4735", 2300}, {"0.7046", 3450}, {"0.9322", 4500}}},
        {{0, 120, 0.01, 0.03}, standardAtm,
         {{"0.4735", 100}, {"0.7046", 1150}, {"0.9322", 2300}, {"1.1562", 3450}, {"1.3768", 4500}}},
        {{0, 120, 0, 0.03}, standardAtm,
         {{"0.2386", 800}, {"0.4735", 1550}, {"0.7046", 2300}, {"0.9322", 3050}, {"1.1562", 3800}, {"1.3768", 4500}}},
        // From 0.015 up the humidity ratio needs a wet bulb above 120.
        {{0, 120, 0, 0.03}, 147.65, {{"1.1775", 800}, {"2.3363", 1550}}},
        // At 0.004 the search runs out; the labels after it still print.
        {{0, 20, 0, 0.01}, 80, {{"0.2564", 950}, {"0.7644", 2750}, {"1.0159", 3650}, {"1.2659", 4500}}},
    };
    for (const Case& c : cases) {
        const Limits& l = c.limits;
        SCOPED_TRACE(std::to_string(l.lhr) + " to " + std::to_string(l.hhr) + " at " + std::to_string(c.atm));
        surface.forgetLog();
        draw(l, c.atm);
        std::vector<Placed> expected;
        for (const Label& label : c.labels)
            expected.push_back({label.text, 250 * W / 6000, y0 - label.k * H / 6000});
        expectTexts(textsAtX(250 * W / 6000), expected);
    }
}

TEST_F(ScalesTest, EndOfDrawingClearsTheBusyIndicatorTakesTheFocusAndRecordsTheLimits)
{
    struct Case {
        Limits limits;
        std::string drawnLowerDryBulbText, drawnHigherDryBulbText, drawnLowerHumidityRatioText, drawnHigherHumidityRatioText;
    };
    const Case cases[] = {
        {defaultChart, "0", "120", "0", "0.03"},
        {{30, 70, 0.01, 0.02}, "30", "70", "0.01", "0.02"},
        {{10, 20, 0.02, 0.03}, "10", "20", "0.02", "0.03"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.drawnLowerDryBulbText + " to " + c.drawnHigherDryBulbText);
        surface.forgetLog();
        clearbusyCalls = 0;
        setbusyCalls = 0;
        draw(c.limits);
        EXPECT_EQ(clearbusyCalls, 1);
        EXPECT_EQ(setbusyCalls, 0);
        EXPECT_EQ(focusesAtClearbusy, 0);
        EXPECT_EQ(surface.focusCount(), 1);
        EXPECT_EQ(surface.log().back().kind, ui::RecordingSurface::Kind::Focus);
        EXPECT_EQ(state.drawnLowerDryBulbText, c.drawnLowerDryBulbText);
        EXPECT_EQ(state.drawnHigherDryBulbText, c.drawnHigherDryBulbText);
        EXPECT_EQ(state.drawnLowerHumidityRatioText, c.drawnLowerHumidityRatioText);
        EXPECT_EQ(state.drawnHigherHumidityRatioText, c.drawnHigherHumidityRatioText);
    }
}

} // namespace
