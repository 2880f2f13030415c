// The line spans: the dry-bulb interval in which a line of constant relative
// humidity, enthalpy or specific volume lies inside the chart or the fixed
// bounds.

#include "chart/linespans.h"
#include "moistair/psychro.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace chart;
using moistair::propertyCalls;

namespace {

constexpr double kAtm = 29.92126;

// The main window's extents, twips.
constexpr double kW = 15000;
constexpr double kH = 9000;

// Chart bounds with the limits chosen, on a chart drawn with the limits
// drawn (no chart drawn: scale factors 0, as all four limits 0 give).
struct Chart {
    double ldb = 0, hdb = 120, lhr = 0, hhr = 0.03;
    std::optional<ChartLimits> drawn = ChartLimits{0, 120, 0, 0.03};
    int messages = 0;
    int stops = 0;

    LineBounds bounds()
    {
        ChartFrame frame = frameOf(kW, kH, drawn.value_or(ChartLimits{}));
        frame.limits = {ldb, hdb, lhr, hhr};
        LineBounds b(kAtm, frame);
        b.lineNotFound = [this] { ++messages; };
        b.walkStopped = [this] { ++stops; };
        return b;
    }
};

Chart drawnWith(double ldb, double hdb, double lhr = 0, double hhr = 0.03)
{
    Chart chart;
    chart.ldb = ldb;
    chart.hdb = hdb;
    chart.lhr = lhr;
    chart.hhr = hhr;
    chart.drawn = ChartLimits{ldb, hdb, lhr, hhr};
    return chart;
}

Chart noChartDrawn()
{
    Chart chart;
    chart.drawn.reset();
    return chart;
}

enum class Line { Rh, H, V };

using Span = std::optional<std::pair<std::string, std::string>>;

const char* name(Line line) { return line == Line::Rh ? "rh" : line == Line::H ? "h" : "v"; }

void walk(Line line, double value, const LineBounds& bounds, LineSpan& span)
{
    switch (line) {
    case Line::Rh: rhlinespan(value, bounds, span); break;
    case Line::H: hlinespan(value, bounds, span); break;
    case Line::V: spvollinespan(value, bounds, span); break;
    }
}

// The span a walk leaves when the pair held "old" and "old" before: nullopt
// when it was left as it was.
Span spanOf(const LineSpan& span)
{
    if (span.low == "old" && span.high == "old")
        return std::nullopt;
    return std::pair{span.low, span.high};
}

Span chartSpan(Line line, double value, Chart& chart)
{
    LineSpan span{"old", "old"};
    walk(line, value, chart.bounds(), span);
    return spanOf(span);
}

Span fixedSpan(Line line, double value)
{
    LineSpan span{"old", "old"};
    walk(line, value, LineBounds(kAtm), span);
    return spanOf(span);
}

Span ends(const char* low, const char* high) { return std::pair<std::string, std::string>{low, high}; }

struct Worked {
    Line line;
    double value;
    Span chart;
    Span fixed;
    Span beforeAnyChart;
};

TEST(LineSpansTest, WorkedValues)
{
    const std::vector<Worked> table = {
        {Line::Rh, 50, ends("1", "112"), ends("0", "112"), std::nullopt},
        {Line::Rh, 100, ends("1", "88"), ends("0", "88"), std::nullopt},
        {Line::H, 20, ends("49", "85"), ends("49", "85"), ends("82", "85")},
        {Line::H, 30, ends("64", "120"), ends("64", "121"), std::nullopt},
        {Line::V, 13.5, ends("65", "77"), ends("65", "77"), ends("76", "77")},
        {Line::V, 14, ends("78", "96"), ends("78", "96"), ends("95", "96")},
    };
    for (const Worked& w : table) {
        SCOPED_TRACE(std::string(name(w.line)) + " " + std::to_string(w.value));
        Chart drawn;
        EXPECT_EQ(chartSpan(w.line, w.value, drawn), w.chart);
        EXPECT_EQ(drawn.messages, 0);
        EXPECT_EQ(fixedSpan(w.line, w.value), w.fixed);
        Chart none = noChartDrawn();
        EXPECT_EQ(chartSpan(w.line, w.value, none), w.beforeAnyChart);
        // Only the relative-humidity line tells that it found nothing.
        EXPECT_EQ(none.messages, w.line == Line::Rh ? 1 : 0);
        EXPECT_EQ(none.stops + drawn.stops, 0);
    }
}

struct Guard {
    Line line;
    double value;
    bool walked;
};

// The relative humidity is walked from 0 to 100 and the volume above 0 up to
// 78, both tested on the value's 15 significant digits. A value that is not
// walked computes and writes nothing; only the relative-humidity line on the
// chart tells the user.
TEST(LineSpansTest, Guards)
{
    const std::vector<Guard> table = {
        {Line::Rh, 0, true},
        {Line::Rh, 100, true},
        {Line::Rh, 100.0000000000001, true}, // 100 in 15 digits
        {Line::Rh, 100.000000000001, false},
        {Line::Rh, -0.001, false},
        {Line::V, 78, true},
        {Line::V, 78.00000000000001, true}, // 78 in 15 digits
        {Line::V, 78.0000000000001, false},
        {Line::V, 0, false},
        {Line::V, -1, false},
        {Line::V, 79, false},
        {Line::H, -1000, true},
    };
    for (const Guard& g : table) {
        SCOPED_TRACE(std::string(name(g.line)) + " " + std::to_string(g.value));
        Chart chart;
        LineSpan chartPair{"old", "old"};
        std::uint64_t before = propertyCalls();
        walk(g.line, g.value, chart.bounds(), chartPair);
        EXPECT_EQ(propertyCalls() > before, g.walked);
        if (!g.walked) {
            EXPECT_FALSE(spanOf(chartPair));
        }
        EXPECT_EQ(chart.messages, g.line == Line::Rh && !spanOf(chartPair) ? 1 : 0);

        LineSpan fixedPair{"old", "old"};
        before = propertyCalls();
        walk(g.line, g.value, LineBounds(kAtm), fixedPair);
        EXPECT_EQ(propertyCalls() > before, g.walked);
        if (!g.walked) {
            EXPECT_FALSE(spanOf(fixedPair));
        }
    }
}

struct ChartCase {
    std::string what;
    Chart chart;
    Line line;
    double value;
    Span span;
};

Chart chosen(Chart chart, double ldb, double hdb, double lhr = 0, double hhr = 0.03)
{
    chart.ldb = ldb;
    chart.hdb = hdb;
    chart.lhr = lhr;
    chart.hhr = hhr;
    return chart;
}

TEST(LineSpansTest, ChartLimits)
{
    const std::vector<ChartCase> table = {
        // On a chart 10 degrees wide the point before ldb lies at x = 0
        // exactly, so the step at ldb is never accepted.
        {"rh 50, chart 50 to 60", drawnWith(50, 60), Line::Rh, 50, ends("50", "60")},
        {"rh 50, chart 50 to 70", drawnWith(50, 70), Line::Rh, 50, ends("49", "70")},
        {"rh 50, chart 10 to 20", drawnWith(10, 20), Line::Rh, 50, ends("10", "20")},
        // Limits chosen after the chart was drawn: their bounds, the drawn
        // chart's scale.
        {"rh 50, chart 0 to 120, 50 to 60 chosen", chosen(Chart{}, 50, 60), Line::Rh, 50, ends("49", "60")},
        // A line wholly below the chart.
        {"rh 50, chart 0 to 60 above 0.020", drawnWith(0, 60, 0.02, 0.03), Line::Rh, 50, std::nullopt},
        // A higher limit of 121 typed into its list: the relative-humidity
        // walk accepts its last step, the enthalpy walk nothing above 120.
        {"rh 10, 121 chosen", chosen(Chart{}, 0, 121), Line::Rh, 10, ends("1", "121")},
        {"h 30, 130 chosen", chosen(Chart{}, 0, 130), Line::H, 30, ends("64", "122")},
        {"h 30, 1e300 chosen", chosen(Chart{}, 0, 1e300), Line::H, 30, ends("64", "122")},
        {"h 30, 130.5 chosen", chosen(Chart{}, 0, 130.5), Line::H, 30, ends("64.5", "121.5")},
        {"h 20, 20.5 to 84.5 chosen", chosen(Chart{}, 20.5, 84.5), Line::H, 20, ends("48.5", "84.5")},
        {"v 13.5, -400 chosen", chosen(Chart{}, -400, 120), Line::V, 13.5, ends("65", "77")},
        {"v 13.5, -1e300 chosen", chosen(Chart{}, -1e300, 120), Line::V, 13.5, ends("65", "77")},
        {"v 14, 120.5 chosen", chosen(Chart{}, 0, 120.5), Line::V, 14, ends("78.5", "96.5")},
    };
    for (ChartCase c : table) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(chartSpan(c.line, c.value, c.chart), c.span);
        EXPECT_EQ(c.chart.messages, c.line == Line::Rh && !c.span ? 1 : 0);
        EXPECT_EQ(c.chart.stops, 0);
    }
}

// Above 120 nothing is accepted, and only the last step above 120 counts, as
// the previous point of the first step that can be accepted: the enthalpy
// walk's span is the same from every higher limit of the same fraction,
// however far above.
TEST(LineSpansTest, EnthalpyWalkFromFarAboveTheChart)
{
    for (double fraction : {0.0, 0.25, 0.5}) {
        Chart nearest = chosen(Chart{}, 0, fraction == 0 ? 122 : 121 + fraction);
        const Span expected = chartSpan(Line::H, 30, nearest);
        for (double hdb : {122.0, 123.0, 130.0, 1e6}) {
            SCOPED_TRACE(hdb + fraction);
            Chart chart = chosen(Chart{}, 0, hdb + fraction);
            EXPECT_EQ(chartSpan(Line::H, 30, chart), expected);
        }
    }
}

// The volume walk on a higher limit of 121 or more ends at its first step:
// nothing is written, and the busy indicator and focus are seen to once.
TEST(LineSpansTest, VolumeWalkStopsAboveTheChart)
{
    for (double hdb : {121.0, 130.0, 1e300}) {
        SCOPED_TRACE(hdb);
        Chart chart = chosen(Chart{}, 0, hdb);
        EXPECT_EQ(chartSpan(Line::V, 14, chart), std::nullopt);
        EXPECT_EQ(chart.stops, 1);
        EXPECT_EQ(chart.messages, 0);
    }
}

// Dry-bulb limits that are not finite numbers give no span at once: the walks
// down from them would never end.
TEST(LineSpansTest, EnthalpyAndVolumeWalksNeedFiniteDryBulbLimits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [ldb, hdb] : {std::pair{0.0, nan}, std::pair{0.0, inf}, std::pair{nan, 120.0}, std::pair{-inf, 120.0}}) {
        SCOPED_TRACE(std::to_string(ldb) + " to " + std::to_string(hdb));
        for (Line line : {Line::H, Line::V}) {
            Chart chart = chosen(Chart{}, ldb, hdb);
            EXPECT_EQ(chartSpan(line, 14, chart), std::nullopt);
            EXPECT_EQ(chart.stops + chart.messages, 0);
        }
    }
}

// Each window keeps its pair: a walk that finds nothing leaves what an
// earlier walk of any line found, and a first walk that finds nothing leaves
// both ends reading 0.
TEST(LineSpansTest, PairKeptWhenNothingFound)
{
    LineSpan span;
    Chart none = noChartDrawn();
    rhlinespan(50, none.bounds(), span);
    EXPECT_EQ(span.lowEnd(), 0);
    EXPECT_EQ(span.highEnd(), 0);

    hlinespan(20, LineBounds(kAtm), span);
    EXPECT_EQ(span.lowEnd(), 49);
    EXPECT_EQ(span.highEnd(), 85);
    spvollinespan(14, none.bounds(), span);
    EXPECT_EQ(span.lowEnd(), 95);
    EXPECT_EQ(span.highEnd(), 96);
    rhlinespan(50, none.bounds(), span);
    hlinespan(30, none.bounds(), span);
    spvollinespan(78, LineBounds(kAtm), span);
    EXPECT_EQ(span.low, "95");
    EXPECT_EQ(span.high, "96");

    // An end below 0 is written with its sign.
    hlinespan(0.5, LineBounds(kAtm), span);
    EXPECT_EQ(span.low, "-1");
    EXPECT_EQ(span.lowEnd(), -1);
}

} // namespace
