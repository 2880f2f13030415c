// Drawing a whole chart: the limit tests and their messages, the same-chart
// rule, the frame and the two grids.
#include "chart/drawchart.h"
#include "moistair/psychro.h"
#include "moistair/searches.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/doubles/scripteddialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using chart::DrawContext;
using chart::MainState;
using Op = ui::RecordingSurface::Operation;

constexpr double W = 28800;
constexpr double H = 16200;

struct Limits {
    const char* ldb;
    const char* hdb;
    const char* lhr;
    const char* hhr;
};

class Drawing : public ::testing::Test {
protected:
    Drawing() { state.workingPressureText = "29.92126"; }

    DrawContext context(Limits limits)
    {
        return {state, surface, W, H, {limits.ldb, limits.hdb, limits.lhr, limits.hhr, '.'},
                [this] { ++busy; }, [this] { --busy; }};
    }

    // Sets the state as a draw with these limits does before the grids.
    DrawContext framed(Limits limits, double pressure = 29.92126)
    {
        DrawContext ctx = context(limits);
        state.atm = pressure;
        chart::readChartLimits(state, ctx.limits);
        const chart::ChartFrame drawn = chart::frameOf(W, H, state.limits);
        state.is1 = drawn.is1;
        state.is2 = drawn.is2;
        return ctx;
    }

    std::vector<Op> greyLines() const
    {
        std::vector<Op> grey;
        for (const Op& op : surface.lines())
            if (op.colour == ui::palette::lightGrey)
                grey.push_back(op);
        return grey;
    }

    MainState state;
    ui::RecordingSurface surface;
    ui::ScriptedDialogs dialogs;
    int busy = 0;
};

// The humidity ratio at which a horizontal line lies.
double humidityRatioAt(const MainState& s, double y) { return s.limits.lhr + (4700 * H / 6000 - y) * s.is1 / H; }

// The dry bulb at which a vertical line lies.
double dryBulbAt(const MainState& s, double x) { return s.limits.ldb + (x - W / 12) * s.is2 / W; }

TEST_F(Drawing, HumidityRatioGridForEveryLimitPair)
{
    struct Case { Limits limits; double step; std::size_t count; double first, last; };
    const Case cases[] = {
        {{"0", "120", "0", "0.010"}, 0.0002, 49, 0.0002, 0.0098},
        {{"0", "120", "0", "0.020"}, 0.0005, 40, 0.0005, 0.020},
        {{"0", "120", "0", "0.030"}, 0.001, 30, 0.001, 0.030},
        {{"0", "120", "0.010", "0.020"}, 0.0002, 49, 0.0102, 0.0198},
        {{"0", "120", "0.010", "0.030"}, 0.001, 20, 0.011, 0.030},
        {{"0", "120", "0.020", "0.030"}, 0.0002, 49, 0.0202, 0.0298},
    };
    for (const Case& c : cases) {
        surface.forgetLog();
        DrawContext ctx = framed(c.limits);
        chart::drawhumidityratiogrid(ctx);
        const std::vector<Op> lines = greyLines();
        SCOPED_TRACE(std::string(c.limits.lhr) + " to " + c.limits.hhr);
        ASSERT_EQ(lines.size(), c.count);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].y1, lines[i].y2);
            EXPECT_NEAR(humidityRatioAt(state, lines[i].y1), state.limits.lhr + (i + 1) * c.step, 1e-12);
            EXPECT_EQ(lines[i].x2, 11 * W / 12);
        }
        EXPECT_NEAR(humidityRatioAt(state, lines.front().y1), c.first, 1e-12);
        EXPECT_NEAR(humidityRatioAt(state, lines.back().y1), c.last, 1e-12);
    }
}

TEST_F(Drawing, HumidityRatioLinesStartOnTheSaturationCurve)
{
    // Lines below 0.0008, whose dew point lies below 0 deg F, cross the chart.
    DrawContext low = framed({"0", "120", "0", "0.010"});
    chart::drawhumidityratiogrid(low);
    const std::vector<Op> lowLines = greyLines();
    ASSERT_GT(lowLines.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lowLines[i].x1, W / 12) << i;
    EXPECT_GT(lowLines[3].x1, W / 12);

    surface.forgetLog();
    DrawContext ctx = framed({"0", "120", "0", "0.030"});
    chart::drawhumidityratiogrid(ctx);
    for (const Op& line : greyLines()) {
        const double hr = humidityRatioAt(state, line.y1);
        const std::optional<double> saturation = moistair::dbwithrhandhr(100, hr, 29.92126);
        if (saturation) // on the curve
            EXPECT_NEAR(dryBulbAt(state, line.x1), *saturation, 1e-9) << hr;
        else // below 0 deg F of dew point: across the whole width
            EXPECT_EQ(line.x1, W / 12) << hr;
    }
}

TEST_F(Drawing, HumidityRatioLinesBeyondTheChartAreFullWidthOnlyNearTheBottom)
{
    // On a chart of 0 to 10 deg F every line lies less than 0.01 above the
    // lower limit: those that meet the curve beyond 10 deg F cross the chart.
    DrawContext ctx = framed({"0", "10", "0", "0.010"});
    chart::drawhumidityratiogrid(ctx);
    for (const Op& line : greyLines()) {
        const std::optional<double> saturation = moistair::dbwithrhandhr(100, humidityRatioAt(state, line.y1), 29.92126);
        if (!saturation || *saturation > 10) {
            EXPECT_EQ(line.x1, W / 12);
        }
    }
    EXPECT_EQ(greyLines().size(), 49u);

    // Above 0.01 over the lower limit, a line meeting the curve beyond the
    // chart is left out.
    surface.forgetLog();
    DrawContext narrow = framed({"0", "50", "0", "0.030"});
    chart::drawhumidityratiogrid(narrow);
    for (const Op& line : greyLines())
        EXPECT_LE(humidityRatioAt(state, line.y1), 0.01 + 1e-12);
}

TEST_F(Drawing, AtTheHighestPressureTheUpperHumidityLinesCrossTheWholeChart)
{
    DrawContext ctx = framed({"0", "120", "0", "0.030"}, 147.65);
    chart::drawhumidityratiogrid(ctx);
    int fullWidth = 0;
    for (const Op& line : greyLines())
        if (humidityRatioAt(state, line.y1) >= 0.015 - 1e-12) {
            EXPECT_EQ(line.x1, W / 12);
            ++fullWidth;
        }
    EXPECT_EQ(fullWidth, 16); // 0.015 to 0.030
}

TEST_F(Drawing, DryBulbGridForEverySpan)
{
    struct Case { Limits limits; double step; std::size_t count; double last; };
    const Case cases[] = {
        {{"0", "10", "0", "0.030"}, 0.125, 80, 10},
        {{"0", "20", "0", "0.030"}, 0.25, 80, 20},
        {{"0", "30", "0", "0.030"}, 0.5, 60, 30},
        {{"0", "40", "0", "0.030"}, 0.5, 80, 40},
        {{"0", "50", "0", "0.030"}, 0.5, 100, 50},  // the bound met exactly, passed by the sum
        {{"0", "60", "0", "0.030"}, 1, 60, 60},
        {{"10", "80", "0", "0.030"}, 1, 70, 80},
        {{"0", "80", "0", "0.030"}, 1, 80, 80},
        {{"30", "120", "0", "0.030"}, 1, 90, 120},
        {{"0", "100", "0", "0.030"}, 1, 100, 100}, // the same at 100
        {{"0", "110", "0", "0.030"}, 1, 109, 109},
        {{"0", "120", "0", "0.030"}, 1, 119, 119},
    };
    for (const Case& c : cases) {
        surface.forgetLog();
        DrawContext ctx = framed(c.limits);
        chart::drawdrybulbgrid(ctx);
        std::vector<Op> lines = greyLines();
        SCOPED_TRACE(std::string(c.limits.ldb) + " to " + c.limits.hdb);
        ASSERT_EQ(lines.size(), c.count);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_NEAR(dryBulbAt(state, lines[i].x1), state.limits.ldb + (i + 1) * c.step, 1e-9);
        EXPECT_NEAR(dryBulbAt(state, lines.back().x1), c.last, 1e-9);
    }
}

TEST_F(Drawing, DryBulbLinesEndOnTheSaturationCurveOrTheTopEdge)
{
    DrawContext ctx = framed({"0", "120", "0", "0.030"});
    chart::drawdrybulbgrid(ctx);
    for (const Op& line : greyLines()) {
        const double db = dryBulbAt(state, line.x1);
        const double saturation = moistair::psychro_wrh(std::round(db), 100, 29.92126);
        EXPECT_EQ(line.y1, 4700 * H / 6000);
        if (saturation > 0.03)
            EXPECT_EQ(line.y2, 200 * H / 6000) << db;
        else
            EXPECT_NEAR(humidityRatioAt(state, line.y2), saturation, 1e-12) << db;
    }

    // Below the lower humidity limit a dry bulb gets no line.
    surface.forgetLog();
    DrawContext upper = framed({"0", "120", "0.020", "0.030"});
    chart::drawdrybulbgrid(upper);
    EXPECT_GT(dryBulbAt(state, greyLines().front().x1), 76);
}

TEST_F(Drawing, TheLimitTestsInTheirOrder)
{
    struct Case { Limits limits; const char* message; };
    const Case cases[] = {
        {{"15", "120", "0", "0.030"}, "Choose Lower Dry bulb temperature for chart only from the drop down menu"},
        {{"abc", "120", "0", "0.030"}, "Choose Lower Dry bulb temperature for chart only from the drop down menu"},
        {{"0", "125", "x", "0.030"}, "Choose Higher Dry bulb temperature for chart only from the drop down menu"},
        {{"0", "", "0", "0.030"}, "Choose Higher Dry bulb temperature for chart only from the drop down menu"},
        {{"0", "120", "x", "0.030"}, "Choose Lower humidity ratio for chart only from the drop down menu"},
        {{"0", "120", "0", "0.03x"}, "Choose Higher humidity ratio for chart only from the drop down menu"},
        {{"0", "120", "0.015", "0.5"}, "Choose Lower humidity ratio for chart only from the drop down menu"},
        {{"0", "120", "0", "0.04"}, "Choose Higher humidity ratio for chart only from the drop down menu"},
        {{"50", "50", "0", "0.030"},
         "Higher limit of dry bulb temperature must be greater than lower limit of dry bulb temperature"},
        {{"60", "50", "0", "0.030"},
         "Higher limit of dry bulb temperature must be greater than lower limit of dry bulb temperature"},
        {{"0", "120", "0.030", "0.030"},
         "Higher limit of humidity ratio must be greater than lower limit of humidity ratio"},
    };
    for (const Case& c : cases) {
        ui::ScriptedDialogs scripted;
        state = MainState{};
        DrawContext ctx = context(c.limits);
        EXPECT_FALSE(chart::checkchartlimits(ctx, scripted));
        ASSERT_EQ(scripted.messages().size(), 1u);
        EXPECT_EQ(scripted.messages()[0].text, c.message);
        EXPECT_EQ(scripted.messages()[0].buttons, ui::Buttons::OkCancel);
        EXPECT_EQ(scripted.messages()[0].title, "");
    }
}

TEST_F(Drawing, ARefusedDrawTouchesNothing)
{
    DrawContext ctx = context({"0", "120", "0.030", "0.010"});
    state.chartType = chart::ChartType::Standard;
    chart::drawchart(ctx, dialogs);
    EXPECT_TRUE(surface.log().empty());
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(state.is1, 0);
}

TEST_F(Drawing, TheSameChartIsNotDrawnAgain)
{
    state.drawnLowerDryBulbText = "0";
    state.drawnHigherDryBulbText = "120";
    state.drawnLowerHumidityRatioText = "0";
    state.drawnHigherHumidityRatioText = "0.03";
    state.chartType = chart::ChartType::Blank;
    DrawContext ctx = context({"0", "120", "0", "0.030"});
    chart::drawchart(ctx, dialogs);
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(surface.log().size(), 1u);
    EXPECT_EQ(surface.log()[0].kind, ui::RecordingSurface::Kind::Focus);
    EXPECT_EQ(state.drawnLowerDryBulbText, "0");
    EXPECT_EQ(state.drawnHigherHumidityRatioText, "0.03");
}

TEST_F(Drawing, ABlankChartFromStartToEnd)
{
    // A draw before any type is chosen draws the blank chart too.
    const std::optional<chart::ChartType> types[] = {chart::ChartType::Blank, std::nullopt};
    for (const std::optional<chart::ChartType>& type : types) {
        SCOPED_TRACE(type ? "blank" : "none chosen");
        surface.forgetLog();
        state.drawnLowerDryBulbText = "121";
        state.chartType = type;
        DrawContext ctx = context({"0", "120", "0", "0.030"});
        chart::drawchart(ctx, dialogs);

        const auto& log = surface.log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front().kind, ui::RecordingSurface::Kind::Clear);
        // The bottom axis first, then the grid, then the left axis.
        const std::vector<Op> lines = surface.lines();
        ASSERT_GT(lines.size(), 31u);
        EXPECT_FALSE(lines[0].colour.has_value());
        EXPECT_EQ(lines[0].y1, 4700 * H / 6000);
        EXPECT_EQ(lines[0].x2, 11 * W / 12);
        EXPECT_FALSE(lines[31].colour.has_value());
        EXPECT_EQ(lines[31].x2, W / 12);
        EXPECT_EQ(lines[31].y2, 200 * H / 6000);
        // Frame factors and the drawn limits.
        EXPECT_DOUBLE_EQ(state.is1, 0.04);
        EXPECT_DOUBLE_EQ(state.is2, 144);
        EXPECT_EQ(state.drawnLowerDryBulbText, "0");
        EXPECT_EQ(state.drawnHigherDryBulbText, "120");
        EXPECT_EQ(state.drawnLowerHumidityRatioText, "0");
        EXPECT_EQ(state.drawnHigherHumidityRatioText, "0.03");
        EXPECT_EQ(busy, 0); // set once, cleared once
        // The blank chart has the saturation curve alone among the families.
        for (const Op& line : lines) {
            EXPECT_NE(line.colour, ui::palette::darkRed);
            EXPECT_NE(line.colour, ui::palette::lightMagenta);
        }
        int labels = 0;
        for (const Op& text : surface.texts())
            labels += text.text.rfind("Rh=", 0) == 0;
        EXPECT_EQ(labels, 1);
    }
}

} // namespace
