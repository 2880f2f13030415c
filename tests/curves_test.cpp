// The curve families of the chart and the tracings of single lines, drawn on
// the recording surface over a chart framed as drawchart frames it.
#include "chart/curves.h"
#include "moistair/bisect.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/qtchartsurface.h"

#include <QApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using chart::DrawContext;
using moistair::psychro_rh;
using moistair::psychro_w;
using moistair::psychro_wrh;
using Kind = ui::RecordingSurface::Kind;
using Operation = ui::RecordingSurface::Operation;

struct Limits {
    const char* ldb;
    const char* hdb;
    const char* lhr;
    const char* hhr;
};

const Limits standardLimits{"0", "120", "0", "0.030"};

class Curves : public ::testing::Test {
protected:
    static constexpr double W = 28800;
    static constexpr double H = 16200;

    // The state as drawchart leaves it for the families: limits, pressure
    // and frame factors; the returned context reads the same limit texts.
    DrawContext framed(Limits limits, const char* pressure = "29.92126")
    {
        state.workingPressureText = pressure;
        state.atm = numtext::leadingNumberOr0(pressure);
        state.limits.ldb = *numtext::wholeNumber(limits.ldb, '.');
        state.limits.hdb = *numtext::wholeNumber(limits.hdb, '.');
        state.limits.lhr = *numtext::wholeNumber(limits.lhr, '.');
        state.limits.hhr = *numtext::wholeNumber(limits.hhr, '.');
        frame = chart::frameOf(W, H, state.limits);
        state.is1 = frame.is1;
        state.is2 = frame.is2;
        return {state, surface, W, H, {limits.ldb, limits.hdb, limits.lhr, limits.hhr, '.'}, {}, {}};
    }

    double xOf(double db) const { return frame.dbtox(db); }
    double yOf(double w) const { return frame.hrtoy(w); }
    double dbAt(double x) const { return frame.limits.ldb + (x - frame.x0()) * frame.is2 / W; }
    double x0() const { return frame.x0(); }
    double y0() const { return frame.y0(); }

    std::vector<std::string> labels() const
    {
        std::vector<std::string> found;
        for (const Operation& text : surface.texts())
            found.push_back(text.text);
        return found;
    }

    // Each label with the line drawn last before it, at whose end it stands.
    std::vector<std::pair<Operation, Operation>> labelsWithTheirLines() const
    {
        std::vector<std::pair<Operation, Operation>> found;
        Operation last;
        for (const Operation& op : surface.log()) {
            if (op.kind == Kind::Line)
                last = op;
            if (op.kind == Kind::Text) {
                EXPECT_FLOAT_EQ(op.x1, float(last.x2)) << op.text;
                EXPECT_FLOAT_EQ(op.y1, float(last.y2)) << op.text;
                found.push_back({op, last});
            }
        }
        return found;
    }

    chart::MainState state;
    chart::ChartFrame frame; // of the chart framed last
    ui::RecordingSurface surface;
};

// The number a label prints after its text: "WB= 50 " -> 50.
double labelValue(const std::string& label)
{
    return numtext::leadingNumberOr0(label.substr(label.find('=') + 1));
}

// ---------------------------------------------------------------------------
// Relative-humidity curves

TEST_F(Curves, RhCurveStartsAtTheSecondPointOfItsWalk)
{
    // The walk starts at 0 with a step of 0.1; a previous humidity ratio
    // within 0.001 of the upper limit adds another 0.1 to that step. The
    // first point never starts a segment.
    struct Case {
        double carriedW;
        double firstDb, secondDb;
    };
    for (Case c : {Case{0, 0.1, 0.1 + 0.1}, Case{0.5, 0.1 + 0.1, 0.1 + 0.1 + 0.1},
                   Case{0.0295, 0.1 + 0.1, 0.1 + 0.1 + 0.1}, Case{0.0285, 0.1, 0.1 + 0.1}}) {
        SCOPED_TRACE(c.carriedW);
        surface.forgetLog();
        DrawContext ctx = framed(standardLimits);
        double w = c.carriedW;
        ASSERT_TRUE(chart::traceRhCurve(ctx, 60, w));
        Operation first = surface.lines().front();
        EXPECT_DOUBLE_EQ(first.x1, xOf(c.firstDb));
        EXPECT_DOUBLE_EQ(first.y1, yOf(psychro_wrh(c.firstDb, 60, state.atm)));
        EXPECT_DOUBLE_EQ(first.x2, xOf(c.secondDb));
        EXPECT_DOUBLE_EQ(first.y2, yOf(psychro_wrh(c.secondDb, 60, state.atm)));
    }
}

TEST_F(Curves, RhCurveStepsByTenthsNearTheEdgesAndByDegreesAcross)
{
    // Steps, read from the segments drawn, by the dry bulb where a segment
    // starts: 0.1 up to one degree past ldb, 1 across the chart, 0.1 once the
    // previous point came within 0.001 of hhr or within a degree of hdb.
    struct Case {
        double rh;
        double fromDb, toDb; // segments starting in this range
        double step;
    };
    for (Case c : {Case{100, 0, 0.95, 0.1}, Case{100, 2, 80, 1}, Case{10, 2, 117, 1},
                   Case{10, 119.1, 120, 0.1}}) {
        SCOPED_TRACE(testing::Message() << c.rh << "% from " << c.fromDb);
        surface.forgetLog();
        DrawContext ctx = framed(standardLimits);
        double w = 0;
        chart::traceRhCurve(ctx, c.rh, w);
        int checked = 0;
        for (const Operation& segment : surface.lines()) {
            double start = dbAt(segment.x1);
            if (start < c.fromDb || start > c.toDb)
                continue;
            EXPECT_NEAR(dbAt(segment.x2) - start, c.step, 1e-9) << "at " << start;
            ++checked;
        }
        EXPECT_GT(checked, 0);
    }
    // The 100 percent curve leaves through the top: its last segments, where
    // the humidity ratio is within 0.001 of hhr, step by 0.1.
    surface.forgetLog();
    DrawContext ctx = framed(standardLimits);
    double w = 0;
    chart::traceRhCurve(ctx, 100, w);
    Operation last = surface.lines().back();
    EXPECT_GE(psychro_wrh(dbAt(last.x1), 100, state.atm), 0.029);
    EXPECT_NEAR(dbAt(last.x2) - dbAt(last.x1), 0.1, 1e-9);
}

TEST_F(Curves, RhCurveEntersTheChartFromJustOutsideIt)
{
    enum class Edge { Left, Bottom };
    struct Case {
        Limits limits;
        double rh;
        Edge edge;
    };
    for (Case c : {Case{{"20", "60", "0", "0.010"}, 100, Edge::Left}, Case{{"0", "120", "0.010", "0.020"}, 100, Edge::Bottom},
                   Case{{"0", "120", "0.010", "0.020"}, 40, Edge::Bottom}}) {
        SCOPED_TRACE(testing::Message() << c.limits.ldb << " " << c.limits.lhr << " " << c.rh);
        surface.forgetLog();
        DrawContext ctx = framed(c.limits);
        double w = 0;
        ASSERT_TRUE(chart::traceRhCurve(ctx, c.rh, w));
        Operation first = surface.lines().front();
        if (c.edge == Edge::Left) {
            // One step of 0.1 before the left axis.
            EXPECT_LT(first.x1, x0());
            EXPECT_GE(first.x2, x0());
            EXPECT_NEAR(dbAt(first.x2) - dbAt(first.x1), 0.1, 1e-9);
        } else {
            // From the last point below the bottom axis, one degree before.
            EXPECT_GT(first.y1, y0());
            EXPECT_LE(first.y2, y0());
            EXPECT_NEAR(dbAt(first.x2) - dbAt(first.x1), 1, 1e-9);
            EXPECT_LT(psychro_wrh(dbAt(first.x1), c.rh, state.atm), state.limits.lhr);
        }
    }
}

TEST_F(Curves, RhLabelStandsAtTheLastPointInsideTheChart)
{
    enum class Exit { Top, Right };
    struct Case {
        Limits limits;
        double rh;
        Exit exit;
        const char* label;
    };
    for (Case c : {Case{standardLimits, 100, Exit::Top, "Rh= 100 "}, Case{standardLimits, 10, Exit::Right, "Rh= 10 "},
                   Case{{"0", "60", "0", "0.010"}, 100, Exit::Top, "Rh= 100 "},
                   Case{{"0", "60", "0", "0.010"}, 20, Exit::Right, "Rh= 20 "}}) {
        SCOPED_TRACE(testing::Message() << c.limits.hdb << " " << c.rh);
        surface.forgetLog();
        DrawContext ctx = framed(c.limits);
        double w = 0;
        ASSERT_TRUE(chart::traceRhCurve(ctx, c.rh, w));
        auto labelled = labelsWithTheirLines();
        ASSERT_EQ(labelled.size(), 1u);
        EXPECT_EQ(labelled[0].first.text, c.label);
        EXPECT_EQ(surface.log().back().kind, Kind::Text);
        double db = dbAt(labelled[0].second.x2);
        if (c.exit == Exit::Top) {
            EXPECT_LE(psychro_wrh(db, c.rh, state.atm), state.limits.hhr);
            EXPECT_GT(psychro_wrh(db + 0.1, c.rh, state.atm), state.limits.hhr);
        } else {
            // Within the last step of 0.1 up to hdb.
            EXPECT_LE(db, state.limits.hdb + 1e-9);
            EXPECT_GT(db, state.limits.hdb - 0.1 - 1e-9);
        }
    }
}

TEST_F(Curves, RhCurveWithoutAPointInsideDrawsNothing)
{
    DrawContext ctx = framed({"0", "30", "0.020", "0.030"});
    double w = 0;
    EXPECT_FALSE(chart::traceRhCurve(ctx, 10, w));
    EXPECT_TRUE(surface.log().empty());
}

TEST_F(Curves, RhFamilyCarriesTheHumidityRatioIntoTheNextCurve)
{
    // The 100 percent curve ends above hhr, so the 80 percent curve starts
    // with an extra 0.1: its first segment runs from 0.2 to 0.3.
    DrawContext ctx = framed(standardLimits);
    chart::drawrhlines(ctx);
    const auto& log = surface.log();
    auto label = std::find_if(log.begin(), log.end(), [](const Operation& op) { return op.kind == Kind::Text; });
    auto next = std::find_if(label, log.end(), [](const Operation& op) { return op.kind == Kind::Line; });
    ASSERT_NE(next, log.end());
    EXPECT_DOUBLE_EQ(next->x1, xOf(0.1 + 0.1));
    EXPECT_DOUBLE_EQ(next->x2, xOf(0.1 + 0.1 + 0.1));
    EXPECT_DOUBLE_EQ(next->y2, yOf(psychro_wrh(0.1 + 0.1 + 0.1, 80, state.atm)));
}

// ---------------------------------------------------------------------------
// The families at the standard limits and pressure

TEST_F(Curves, FamiliesDrawTheirLinesInTheirColourEachSegmentRepainted)
{
    struct Case {
        const char* name;
        std::function<void(DrawContext&)> draw;
        ui::Colour colour;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases{
        {"drawrhlines", chart::drawrhlines, ui::palette::green,
         {"Rh= 100 ", "Rh= 80 ", "Rh= 60 ", "Rh= 40 ", "Rh= 20 ", "Rh= 10 "}},
        {"drawsatline", chart::drawsatline, ui::palette::green, {"Rh= 100 "}},
        // 100 and 110 lie above hhr within the dry-bulb range, 120 above hdb - 2.
        {"drawwblines", chart::drawwblines, ui::palette::darkRed,
         {"WB= 10 ", "WB= 20 ", "WB= 30 ", "WB= 40 ", "WB= 50 ", "WB= 60 ", "WB= 70 ", "WB= 80 ", "WB= 90 "}},
        // Top 16 (corner about 15.31), spacing 0.5; the chart's volumes run
        // from about 11.58 (0 deg F, dry) to the corner.
        {"drawspvollines", chart::drawspvollines, ui::palette::lightMagenta,
         {"v= 15 ", "v= 14.5 ", "v= 14 ", "v= 13.5 ", "v= 13 ", "v= 12.5 ", "v= 12 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        surface.forgetLog();
        DrawContext ctx = framed(standardLimits);
        c.draw(ctx);
        EXPECT_EQ(labels(), c.labels);
        const auto& log = surface.log();
        ASSERT_FALSE(log.empty());
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].kind != Kind::Line)
                continue;
            EXPECT_EQ(log[i].colour, c.colour);
            // A repaint follows each segment, after its label if it has one.
            std::size_t j = i + 1;
            while (j < log.size() && log[j].kind == Kind::Text)
                ++j;
            ASSERT_LT(j, log.size());
            EXPECT_EQ(log[j].kind, Kind::Refresh);
        }
        EXPECT_EQ(surface.refreshCount(), surface.count(Kind::Line));
        EXPECT_EQ(surface.count(Kind::Line) + surface.count(Kind::Refresh) + surface.count(Kind::Text),
                  int(log.size()));
    }
}

// ---------------------------------------------------------------------------
// Wet-bulb lines

// The lowest whole dry bulb, walking down from hdb - 2, of the stretch of
// points that pass the wet-bulb line's tests; NaN when none does.
double lowestDrawnDryBulb(const chart::MainState& s, double wb)
{
    auto passes = [&](double db) {
        double w = psychro_w(db, wb, s.atm);
        double rh = psychro_rh(db, wb, s.atm);
        return db >= s.limits.ldb && w > 0 && w >= s.limits.lhr && w <= s.limits.hhr && rh >= 0 && rh <= 100;
    };
    double lowest = NAN;
    for (double db = s.limits.hdb - 2; db >= s.limits.ldb; --db) {
        if (passes(db))
            lowest = db;
        else if (!std::isnan(lowest))
            break;
    }
    return lowest;
}

TEST_F(Curves, WetBulbLineIsLabelledAtItsLowestDrawnDryBulb)
{
    // Ends at the saturation curve, at the left edge, at the top edge; lines
    // whose wet bulb is above hdb - 2 draw nothing.
    struct Case {
        Limits limits;
        double wb;
        bool insideFromHdb; // every point from hdb - 1 down is drawn
    };
    const Limits upTo50{"0", "50", "0", "0.030"};
    for (Case c : {Case{standardLimits, 50, false}, Case{standardLimits, 10, false},
                   Case{{"40", "120", "0", "0.030"}, 30, false}, Case{standardLimits, 90, false},
                   Case{upTo50, 47.9, true}, Case{upTo50, 48.1, false}, Case{standardLimits, 120, false},
                   Case{upTo50, 40, true}}) {
        SCOPED_TRACE(testing::Message() << c.limits.ldb << "-" << c.limits.hdb << " wb " << c.wb);
        surface.forgetLog();
        DrawContext ctx = framed(c.limits);
        double expected = lowestDrawnDryBulb(state, c.wb);
        bool drawn = chart::traceWetBulbLine(ctx, c.wb);
        EXPECT_EQ(drawn, !std::isnan(expected));
        if (c.insideFromHdb) {
            EXPECT_EQ(surface.count(Kind::Line), state.limits.hdb - 1 - expected);
        }
        if (!drawn) {
            EXPECT_TRUE(surface.log().empty());
            continue;
        }
        auto labelled = labelsWithTheirLines();
        ASSERT_EQ(labelled.size(), 1u);
        EXPECT_EQ(labelled[0].first.text, "WB=" + numtext::surfaceNumber(c.wb));
        EXPECT_EQ(surface.log().back().kind, Kind::Text);
        EXPECT_NEAR(dbAt(labelled[0].second.x2), expected, 1e-9);
    }
    // The line ending at the left edge is labelled at ldb.
    framed({"40", "120", "0", "0.030"});
    EXPECT_EQ(lowestDrawnDryBulb(state, 30), 40);
}

TEST_F(Curves, WetBulbLineStartsNoSegmentAtItsFirstPoint)
{
    // The 40 deg F line on a chart up to 50 lies inside from hdb - 1 on: its
    // first segment runs from 49 to 48.
    DrawContext ctx = framed({"0", "50", "0", "0.030"});
    ASSERT_TRUE(chart::traceWetBulbLine(ctx, 40));
    Operation first = surface.lines().front();
    EXPECT_DOUBLE_EQ(first.x1, xOf(49));
    EXPECT_DOUBLE_EQ(first.y1, yOf(psychro_w(49, 40, state.atm)));
    EXPECT_DOUBLE_EQ(first.x2, xOf(48));
}

TEST_F(Curves, WholeDegreeLineCanBeLabelledAtItsFirstSegment)
{
    DrawContext ctx = framed(standardLimits);
    auto wetBulb50 = [&](double db, chart::LinePoint& point) {
        point.w = psychro_w(db, 50, state.atm);
        point.rh = psychro_rh(db, 50, state.atm);
    };
    ASSERT_TRUE(chart::traceWholeDegreeLine(
        ctx, {ui::palette::grey, "h=", 20.5, chart::LabelPlace::EndOfFirstSegment}, wetBulb50));
    const auto& log = surface.log();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0].kind, Kind::Line);
    EXPECT_EQ(log[1].kind, Kind::Refresh);
    EXPECT_EQ(log[2].kind, Kind::Text);
    EXPECT_EQ(log[2].text, "h= 20.5 ");
    EXPECT_EQ(surface.count(Kind::Text), 1);
    EXPECT_EQ(surface.lines().back().colour, ui::palette::grey);
}

// ---------------------------------------------------------------------------
// Specific-volume lines

TEST_F(Curves, VolumeLabelStandsAtTheEndOfTheFirstSegment)
{
    DrawContext ctx = framed(standardLimits);
    chart::drawspvollines(ctx);
    auto labelled = labelsWithTheirLines();
    ASSERT_EQ(labelled.size(), 7u);

    // 15 lies inside the chart from hdb - 0.1: labelled at hdb - 0.2.
    EXPECT_EQ(labelled.front().first.text, "v= 15 ");
    EXPECT_DOUBLE_EQ(labelled.front().second.x1, xOf(120 - 0.1));
    EXPECT_DOUBLE_EQ(labelled.front().second.x2, xOf(120 - 0.1 - 0.1));

    // 12 enters across the bottom edge near 16.5 deg F: its first segment
    // comes from just below the axis.
    EXPECT_EQ(labelled.back().first.text, "v= 12 ");
    EXPECT_GT(labelled.back().second.y1, y0());
    EXPECT_LE(labelled.back().second.y2, y0());
    double dryAt12 = 12 * state.atm / 0.754 - 459.7;
    EXPECT_GT(dbAt(labelled.back().second.x1), dryAt12);
    EXPECT_LT(dbAt(labelled.back().second.x2), dryAt12);

    // Every segment is a step of 0.1 down the dry bulb and ends inside the chart.
    for (const Operation& segment : surface.lines()) {
        EXPECT_NEAR(dbAt(segment.x1) - dbAt(segment.x2), 0.1, 1e-6);
        EXPECT_GE(segment.x2, x0() - 1e-6);
        EXPECT_LE(segment.y2, y0() + 1e-6);
        EXPECT_GE(segment.y2, 200 * H / 6000 - 1e-6);
    }
}

TEST_F(Curves, VolumeLinesOutsideTheChartDrawNothing)
{
    DrawContext ctx = framed(standardLimits);
    for (double v : {11.5, 15.5}) {
        SCOPED_TRACE(v);
        EXPECT_FALSE(chart::traceVolumeLine(ctx, v));
        EXPECT_TRUE(surface.log().empty());
    }
}

TEST_F(Curves, PressureSetsTheSpacingOfTheVolumeLines)
{
    struct Case {
        const char* pressure;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases{
        // Corner about 77.57: top 79, spacing 2; 79 is above 78 and skipped.
        // The chart's volumes start near 58.7 (0 deg F, dry) but 59 lies
        // where the wet bulb is below 0 deg F, beyond the search.
        {"5.906", {"v= 77 ", "v= 75 ", "v= 73 ", "v= 71 ", "v= 69 ", "v= 67 ", "v= 65 ", "v= 63 ", "v= 61 "}},
        // Corner about 2.91: top 4, spacing 0.1; volumes from about 2.35.
        {"147.65", {"v= 3 ", "v= 2.9 ", "v= 2.8 ", "v= 2.7 ", "v= 2.6 ", "v= 2.5 ", "v= 2.4 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pressure);
        surface.forgetLog();
        DrawContext ctx = framed(standardLimits, c.pressure);
        chart::drawspvollines(ctx);
        EXPECT_EQ(labels(), c.labels);
        EXPECT_EQ(surface.refreshCount(), surface.count(Kind::Line));
        for (const std::string& label : labels())
            EXPECT_LE(labelValue(label), 78);
    }
}

TEST_F(Curves, TheVolumeFamilyEndsAtAbsurdlyLowPressures)
{
    for (const char* pressure : {"1e-24", "1e-10"}) {
        SCOPED_TRACE(pressure);
        surface.forgetLog();
        DrawContext ctx = framed(standardLimits, pressure);
        const std::uint64_t before = moistair::propertyCalls();
        chart::drawspvollines(ctx);
        EXPECT_TRUE(labels().empty());
        // At most the lines up to the largest volume are walked.
        EXPECT_LT(moistair::propertyCalls() - before, 5'000'000u);
    }
}

TEST_F(Curves, VolumeLineStartsAtTheFirstPointItsSearchFinds)
{
    // At 5.906 in Hg the 61 line's wet bulb is below 0 deg F down to 17.8,
    // where its search does not run: those steps are not points at all, and
    // the first segment runs from 17.7 to 17.6.
    DrawContext ctx = framed(standardLimits, "5.906");
    ASSERT_TRUE(chart::traceVolumeLine(ctx, 61));
    Operation first = surface.lines().front();
    EXPECT_NEAR(dbAt(first.x1), 17.7, 1e-9);
    EXPECT_NEAR(dbAt(first.x2), 17.6, 1e-9);
    EXPECT_LT(first.y1, y0());
}

TEST_F(Curves, VolumeWalkEndsWhenASearchRunsOutOnceUnderWay)
{
    // At 5.906 in Hg the 65 line's search at 34.2 deg F runs out (its wet
    // bulb falls on the step of the property functions at 32 deg F): the
    // line ends at 34.3, short of the top edge it would reach near 33.6.
    DrawContext ctx = framed({"0", "40", "0", "0.020"}, "5.906");
    const double db = 40 - 0.1 * 58; // close to the walk's own 34.2
    auto volume = [&](double wb) { return moistair::psychro_v(db, wb, state.atm); };
    ASSERT_TRUE(moistair::bisectsearch(volume, 65, {0, 120, 1e-07, moistair::SlopeProbe::Probe,
                                                    moistair::Bracket::BothEnds, 100})
                    .exhausted());

    ASSERT_TRUE(chart::traceVolumeLine(ctx, 65));
    Operation last = surface.lines().back();
    EXPECT_NEAR(dbAt(last.x2), 34.3, 1e-9);
    EXPECT_GT(last.y2, 200 * H / 6000 + 100);
}

// Counts the paint events of the widget it watches.
class PaintCount : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(Curves, ALineIsShownOnTheScreenAsItIsDrawnBeforeTheEventLoopRuns)
{
    ui::QtChartSurface screen;
    screen.setSizeTwips(W, H);
    screen.show();
    QApplication::processEvents();
    PaintCount count;
    screen.installEventFilter(&count);
    const DrawContext recorded = framed(standardLimits);
    DrawContext ctx{state, screen, W, H, recorded.limits, {}, {}};
    ASSERT_TRUE(chart::traceWetBulbLine(ctx, 60));
    EXPECT_GE(count.paints, 1);
}

} // namespace
