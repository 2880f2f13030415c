// The mixing of two streams from the texts their columns show, and the
// drawing of the mix on the chart, without the mixing window.
#include "mixing/drawmix.h"
#include "mixing/mixstreams.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "point/marking.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/doubles/scripteddialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using mixing::MixedColumn;
using mixing::StreamTexts;

const std::string standardPressure = "29.92126";

// Two solved streams of 100 and 250 acfm whose columns show these values.
StreamTexts stream1()
{
    return {true, "100", "27.2945789", ".0218581", "15.0773183", ".3295615", "15.4068798"};
}
StreamTexts stream2()
{
    return {true, "250", "25.2270979", ".0086318", "68.5575303", ".5917749", "69.1493052"};
}

std::optional<MixedColumn> mix(const StreamTexts& s1, const StreamTexts& s2, const std::string& typed = "29.92126")
{
    double atm = 0;
    return mixing::mixstreams(s1, s2, typed, standardPressure, atm, '.');
}

TEST(MixStreams, TheMixedColumnOfTwoSolvedStreams)
{
    double atm = 0;
    const std::optional<MixedColumn> m = mixing::mixstreams(stream1(), stream2(), "14.7", "30.5", atm, '.');
    ASSERT_TRUE(m);
    EXPECT_EQ(m->acfm, "350");
    EXPECT_EQ(m->prvalue, "14.7");
    EXPECT_EQ(m->dryair, "83.6348486");
    EXPECT_EQ(m->vapour, ".9213364");
    EXPECT_EQ(m->moistair, "84.5561850");
    EXPECT_EQ(m->h, "25.6038111");
    EXPECT_EQ(m->hr, ".0110417");
    // The dry bulb of the enthalpy and humidity ratio as shown; from the
    // unrounded means it would be 56.7103821.
    EXPECT_EQ(m->db, "56.7105953");
    EXPECT_EQ(atm, 30.5);

    // The other properties follow from the dry bulb and the wet bulb shown.
    const double db = 56.7105953, h = 25.6038111;
    EXPECT_EQ(m->pvs, numtext::formatprop(moistair::psychro_pvs(db)));
    EXPECT_EQ(m->wb, numtext::formatprop(moistair::psychro_wb(db, h, 30.5)));
    const double wb = numtext::leadingNumberOr0(m->wb);
    EXPECT_EQ(m->rh, numtext::formatprop(moistair::psychro_rh(db, wb, 30.5)));
    EXPECT_EQ(m->v, numtext::formatprop(moistair::psychro_v(db, wb, 30.5)));
    EXPECT_EQ(m->pv, numtext::formatprop(moistair::psychro_pv1(db, wb, 30.5)));
    EXPECT_EQ(m->dp, numtext::formatprop(moistair::psychro_dp(numtext::leadingNumberOr0(m->pv))));
}

TEST(MixStreams, WeightsAreTheMoistAirFlows)
{
    struct Case {
        const char* name;
        StreamTexts s1, s2;
        const char* h;
        const char* hr;
    };
    const Case cases[] = {
        // Equal moist-air flows: the plain means.
        {"equal flows", {true, "100", "20.0000000", ".0050000", "7.0000000", ".0350000", "7.0700000"},
         {true, "100", "40.0000000", ".0150000", "7.0000000", ".1050000", "7.0700000"}, "30.0000000", ".0100000"},
        // The moister stream weighs more than its dry air: the mean weighted
        // by the dry-air flows would be .0175000 and 30.0000000.
        {"unequal flows", {true, "100", "20.0000000", ".0300000", "10.0000000", ".3000000", "10.3000000"},
         {true, "100", "40.0000000", ".0050000", "10.0000000", ".0500000", "10.0500000"}, "29.8771499", ".0176536"},
        // Two identical streams give back their own values.
        {"identical", {true, "500", "28.1234567", ".0123456", "36.5000000", ".4506144", "36.9506144"},
         {true, "500", "28.1234567", ".0123456", "36.5000000", ".4506144", "36.9506144"}, "28.1234567", ".0123456"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<MixedColumn> m = mix(c.s1, c.s2);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->h, c.h);
        EXPECT_EQ(m->hr, c.hr);
    }
}

TEST(MixStreams, NoMixWithoutTwoSolvedStreamsAndPositiveAirFlows)
{
    struct Case {
        const char* name;
        bool solved1;
        const char* acfm1;
        bool solved2;
        const char* acfm2;
        bool mixed;
        const char* total = "";
    };
    const Case cases[] = {
        {"both solved", true, "100", true, "250", true, "350"},
        {"stream 2 unsolved", true, "100", false, "250", false},
        {"stream 1 unsolved", false, "100", true, "250", false},
        {"air flow 0", true, "0", true, "250", false},
        {"negative air flow", true, "100", true, "-250", false},
        {"air flow not a number", true, "abc", true, "250", false},
        {"empty air flow", true, "100", true, "", false},
        {"air flow too large for a double", true, "1e400", true, "250", false},
        {"total too large for a double", true, "1e308", true, "1.7e308", false},
        {"exponent and unit", true, "1e3", true, "1000 acfm", true, "2000"},
        {"fractional total", true, "60", true, "2.5", true, "62.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StreamTexts s1 = stream1(), s2 = stream2();
        s1.solved = c.solved1;
        s1.acfm = c.acfm1;
        s2.solved = c.solved2;
        s2.acfm = c.acfm2;
        double atm = 7;
        const std::optional<MixedColumn> m = mixing::mixstreams(s1, s2, "29.92126", standardPressure, atm, '.');
        ASSERT_EQ(m.has_value(), c.mixed);
        if (m)
            EXPECT_EQ(m->acfm, c.total);
        else
            EXPECT_EQ(atm, 7);
    }
}

TEST(MixStreams, CellsThatReadAsMinusOneAreEmpty)
{
    struct Case {
        const char* name;
        const char* typed;
        const char* prvalue;
    };
    const Case cases[] = {
        {"typed pressure", "29.92126", "29.92126"},
        {"minus one", "-1", ""},
        {"minus one with decimals", "-1.000", ""},
        {"leading minus one", "-1 in Hg", ""},
        {"not a number", "abc", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<MixedColumn> m = mix(stream1(), stream2(), c.typed);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->prvalue, c.prvalue);
    }

    // A sum whose seven-decimal text reads as -1, though the sum is not -1.
    StreamTexts s1 = stream1(), s2 = stream2();
    s1.dryair = "-.5000000";
    s2.dryair = "-.49999999";
    const std::optional<MixedColumn> m = mix(s1, s2);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->dryair, "");
    // The empty cell reads as 0 in the next step.
    EXPECT_EQ(m->moistair, ".9213364");
}

TEST(MixStreams, AMixedFlowThatShowsAsZeroGivesNoMix)
{
    StreamTexts s1 = stream1(), s2 = stream2();
    for (StreamTexts* s : {&s1, &s2}) {
        s->acfm = "1e-9";
        s->dryair = s->vapour = s->moistair = ".0000000";
    }
    double atm = 7;
    EXPECT_FALSE(mixing::mixstreams(s1, s2, "29.92126", standardPressure, atm, '.'));
    EXPECT_EQ(atm, 7);
}

// Drawing the mix, at the default limits on a window of 12000 by 9000 twips.
class DrawMix : public ::testing::Test {
protected:
    // Draws the mix on a chart drawn with the limits.
    bool draw(const mixing::MixPoint& s1, const mixing::MixPoint& mixed, const mixing::MixPoint& s2,
              const chart::LimitTexts& limits = {"0", "120", "0", "0.030", '.'})
    {
        state.drawnLowerDryBulbText = limits.ldb;
        state.drawnHigherDryBulbText = limits.hdb;
        state.drawnLowerHumidityRatioText = limits.lhr;
        state.drawnHigherHumidityRatioText = limits.hhr;
        return mixing::drawmix(s1, mixed, s2, state, limits, W, H, surface, dialogs);
    }

    static constexpr double W = 12000, H = 9000;
    chart::MainState state;
    ui::RecordingSurface surface;
    ui::ScriptedDialogs dialogs;
};

const mixing::MixPoint inside1{"75.0000000", ".0111111", "50.0000000"};
const mixing::MixPoint insideMix{"85.0000000", ".0150000", "55.0000000"};
const mixing::MixPoint inside2{"95.0000000", ".0200000", "60.0000000"};

TEST_F(DrawMix, MarksTheThreePointsAndJoinsThem)
{
    ASSERT_TRUE(draw(inside1, insideMix, inside2));
    EXPECT_TRUE(dialogs.messages().empty());

    // Where the frame of the default limits places the points, in single
    // precision, each marked as a located point is, with a larger marker for
    // the mix.
    const chart::ChartFrame frame = chart::frameOf(W, H, {0, 120, 0, 0.03});
    auto x = [&](double db) { return float(frame.dbtox(db)); };
    auto y = [&](double hr) { return float(frame.hrtoy(hr)); };
    const float x1 = x(75), y1 = y(.0111111);
    const float xm = x(85), ym = y(.015);
    const float x2 = x(95), y2 = y(.02);
    ui::RecordingSurface expectedSurface;
    point::markConcentric(expectedSurface, x1, y1, 40, "St1");
    point::markConcentric(expectedSurface, xm, ym, 80, "Mix");
    point::markConcentric(expectedSurface, x2, y2, 40, "St2");
    expectedSurface.line(x1, y1, xm, ym, ui::Colour{0, 0, 0});
    expectedSurface.line(x2, y2, xm, ym, ui::Colour{0, 0, 0});
    const auto& expected = expectedSurface.log();

    const auto& log = surface.log();
    ASSERT_EQ(log.size(), 19u + 1 + 39 + 1 + 19 + 1 + 2);
    ASSERT_EQ(log.size(), expected.size());
    EXPECT_EQ(log[20].radius, 80); // the mix's circles, 80 down to 4
    EXPECT_EQ(log[58].radius, 4);
    for (std::size_t i = 0; i < log.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[i].kind, expected[i].kind);
        EXPECT_EQ(log[i].x1, expected[i].x1);
        EXPECT_EQ(log[i].y1, expected[i].y1);
        EXPECT_EQ(log[i].x2, expected[i].x2);
        EXPECT_EQ(log[i].y2, expected[i].y2);
        EXPECT_EQ(log[i].radius, expected[i].radius);
        EXPECT_EQ(log[i].colour, expected[i].colour);
        EXPECT_EQ(log[i].text, expected[i].text);
    }
}

TEST_F(DrawMix, OnlyTheFirstPointOutsideIsNamed)
{
    const std::string stream1Out = "The stream1 point as per input parameters is out of chart limits";
    const std::string mixedOut = "The mixed stream point as per input parameters is out of chart limits";
    const std::string stream2Out = "The stream2 point as per input parameters is out of chart limits";
    const mixing::MixPoint unsolved{"", "", ""};
    const mixing::MixPoint tooHot{"125.0000000", ".0100000", "10.0000000"};
    const chart::LimitTexts defaults{"0", "120", "0", "0.030", '.'};

    struct Case {
        const char* name;
        mixing::MixPoint s1, mixed, s2;
        chart::LimitTexts limits;
        std::string message; // empty: drawn
    };
    const Case cases[] = {
        {"stream 1 not solved", unsolved, insideMix, inside2, defaults, stream1Out},
        {"mixed column empty, stream 2 outside too", inside1, unsolved, tooHot, defaults, mixedOut},
        {"stream 2 outside", inside1, insideMix, tooHot, defaults, stream2Out},
        {"both streams outside", tooHot, insideMix, tooHot, defaults, stream1Out},
        {"dry bulb on the lower limit", {"0", ".01", "50"}, insideMix, inside2, defaults, ""},
        {"dry bulb on the higher limit", {"120.0000000", ".01", "50"}, insideMix, inside2, defaults, ""},
        {"humidity ratio on the lower limit", {"75", ".0000000", "50"}, insideMix, inside2, defaults, ""},
        {"humidity ratio on the higher limit", {"75", ".0300000", "50"}, insideMix, inside2, defaults, ""},
        {"relative humidity 100", {"75", ".01", "100.0000000"}, insideMix, inside2, defaults, ""},
        {"relative humidity 0", {"75", ".01", ".0000000"}, insideMix, inside2, defaults, stream1Out},
        {"relative humidity above 100", {"75", ".01", "100.0000001"}, insideMix, inside2, defaults, stream1Out},
        {"below the lower dry bulb chosen", inside1, insideMix, inside2, {"80", "120", "0", "0.030", '.'}, stream1Out},
        {"above the higher humidity ratio chosen", inside1, insideMix, inside2, {"0", "120", "0", "0.010", '.'},
         stream1Out},
        {"lower limit above the higher", inside1, insideMix, inside2, {"100", "50", "0", "0.030", '.'}, stream1Out},
        // The frame cannot place a point between equal limits.
        {"equal dry-bulb limits", {"80", ".01", "50"}, {"80", ".015", "55"}, {"80", ".02", "60"},
         {"80", "80", "0", "0.030", '.'}, stream1Out},
        {"equal humidity-ratio limits", {"75", ".02", "50"}, {"85", ".02", "55"}, {"95", ".02", "60"},
         {"0", "120", "0.020", "0.020", '.'}, stream1Out},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::ScriptedDialogs fresh;
        dialogs = fresh;
        surface.forgetLog();
        const bool drawn = draw(c.s1, c.mixed, c.s2, c.limits);
        EXPECT_EQ(drawn, c.message.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(dialogs.messages().empty());
            EXPECT_EQ(surface.circles().size(), 19u + 39u + 19u);
            continue;
        }
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, c.message);
        EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
        EXPECT_EQ(dialogs.messages()[0].title, "");
        EXPECT_TRUE(surface.log().empty());
    }
}

TEST_F(DrawMix, PlacesByTheLimitsNowChosen)
{
    ASSERT_TRUE(draw(inside1, insideMix, inside2, {"50", "100", "0.010", "0.020", '.'}));
    // Dry bulb 75 lies halfway across, 0.0111111 about a ninth of the way up.
    const auto circles = surface.circles();
    ASSERT_FALSE(circles.empty());
    EXPECT_FLOAT_EQ(circles[0].x1, 6000);
    EXPECT_NEAR(circles[0].y1, 6300.0075, 0.001);
}

} // namespace
