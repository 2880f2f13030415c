// The two-property state solver: refusals and their messages, the worked
// states of its cases, the ranges of their inputs, and how a failing case is
// reported.

#include "chart/linespans.h"
#include "moistair/psychro.h"
#include "point/solvepoint.h"
#include "kinds.h"
#include "ui/doubles/scripteddialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace point;

namespace {

using namespace testsupport;

const char* const twoEqual = "Two parameters must be diffrent";
const char* const humidityRatioWithDewPoint = "combination of Humidity ration and dew point not feasible";
const char* const blankBox = "None of the two data input boxes can not be blank for locating point";
const char* const infeasible =
    "The point as per input parameters are either out of chart limits or the such point is not feasible";
const char* const lineNotFound = "The line is either out of chart limits or is not feasible";

constexpr SolveOptions silentChart{Reporting::Silent, SpanBounds::Chart};
constexpr SolveOptions messagesChart{Reporting::WithMessages, SpanBounds::Chart};
constexpr SolveOptions silentFixed{Reporting::Silent, SpanBounds::Fixed};

// Dialogs that also note each message in the log of window effects.
class LoggedDialogs : public ui::ScriptedDialogs {
public:
    explicit LoggedDialogs(std::vector<std::string>& log) : log_(log) {}
    ui::Answer message(const std::string& text, ui::Buttons buttons, const std::string& title = "") override
    {
        log_.push_back(text);
        return ScriptedDialogs::message(text, buttons, title);
    }

private:
    std::vector<std::string>& log_;
};

// Chart limits: dry bulb and humidity ratio, lower and higher.
struct Limits {
    double ldb = 0, hdb = 120, lhr = 0, hhr = 0.03;

    chart::ChartLimits ofChart() const { return {ldb, hdb, lhr, hhr}; }
};

// The main window as the solver sees it: its pressure text, result fields,
// line span, and the chart drawn with the limits chosen (or none yet).
struct Window {
    std::string pressure = "29.92126";
    double atm = 0;
    moistair::WetBulbFields fields;
    chart::LineSpan span;
    std::vector<std::string> log; // messages, clearbusy and focus, in order
    LoggedDialogs dialogs{log};
    Limits chosen;     // the chart limits chosen in the lists
    Limits drawn;      // the limits of the chart drawn last
    bool chartDrawn = true;
    int boundsGathered = 0;
    int drawnChartTests = 0;
    bool drawnChartHolds = true;
    bool withDrawnChartTest = false;

    SolveContext solveContext()
    {
        SolveContext w('.', "");
        w.pressureText = &pressure;
        w.atm = &atm;
        w.fields = &fields;
        w.span = &span;
        w.chartBounds = [this] {
            ++boundsGathered;
            chart::ChartFrame frame = chart::frameOf(15000, 9000, chartDrawn ? drawn.ofChart() : chart::ChartLimits{});
            frame.limits = chosen.ofChart();
            chart::LineBounds b(std::stod(pressure), frame);
            b.lineNotFound = [this] { dialogs.message(lineNotFound, ui::Buttons::Ok); };
            b.walkStopped = [this] { log.push_back("walk stopped"); };
            return b;
        };
        w.dialogs = &dialogs;
        w.clearbusy = [this] { log.push_back("clearbusy"); };
        w.focusChart = [this] { log.push_back("focus"); };
        if (withDrawnChartTest)
            w.drawnChartTest = [this] {
                ++drawnChartTests;
                return drawnChartHolds;
            };
        return w;
    }

    std::optional<MoistAirState> solve(Kind kind1, const std::string& text1, Kind kind2, const std::string& text2,
                                       SolveOptions options = silentChart)
    {
        SolveContext w = solveContext();
        return solvepoint({kind1, text1}, {kind2, text2}, options, w);
    }
};

using Log = std::vector<std::string>;

struct GuardCase {
    std::string what;
    Kind kind1;
    std::string text1;
    Kind kind2;
    std::string text2;
    const char* message; // nullptr: not refused
};

TEST(SolvePointTest, GuardsInOrder)
{
    const std::vector<GuardCase> table = {
        {"same kind, empty boxes", DB, "", DB, "", twoEqual},
        {"both lists typed over", noKind, "70", noKind, "50", twoEqual},
        {"humidity ratio with dew point, empty boxes", HR, "", DP, "", humidityRatioWithDewPoint},
        {"dew point with humidity ratio", DP, "50", HR, "0.01", humidityRatioWithDewPoint},
        {"first box empty", DB, "", WB, "65", blankBox},
        {"second box empty", DB, "75", WB, "", blankBox},
        {"a blank is not empty", DB, " ", WB, "65", nullptr},
        {"one list typed over", noKind, "75", WB, "65", nullptr},
    };
    for (const GuardCase& c : table) {
        SCOPED_TRACE(c.what);
        Window messages;
        messages.withDrawnChartTest = true;
        EXPECT_FALSE(messages.solve(c.kind1, c.text1, c.kind2, c.text2, messagesChart));
        Window silent;
        silent.withDrawnChartTest = true;
        EXPECT_FALSE(silent.solve(c.kind1, c.text1, c.kind2, c.text2, silentChart));
        if (c.message) {
            // A refusal shows its message with an OK button and no title of
            // its own, and nothing else happens.
            EXPECT_EQ(messages.log, Log{c.message});
            ASSERT_EQ(messages.dialogs.messages().size(), 1u);
            EXPECT_EQ(messages.dialogs.messages()[0].buttons, ui::Buttons::Ok);
            EXPECT_EQ(messages.dialogs.messages()[0].title, "");
            EXPECT_EQ(messages.drawnChartTests, 0);
            EXPECT_EQ(messages.atm, 0);
            EXPECT_EQ(silent.log, Log{});
        } else {
            // Passed on, read as 0 or without a case, and failed.
            EXPECT_EQ(messages.drawnChartTests, 1);
            EXPECT_EQ(messages.log, (Log{"clearbusy", "focus", infeasible}));
            EXPECT_EQ(messages.atm, 29.92126);
            EXPECT_EQ(silent.log, Log{});
        }
    }
}

TEST(SolvePointTest, DrawnChartTestStopsTheSolve)
{
    Window window;
    window.withDrawnChartTest = true;
    window.drawnChartHolds = false;
    EXPECT_FALSE(window.solve(DB, "75", WB, "65", messagesChart));
    EXPECT_EQ(window.drawnChartTests, 1);
    EXPECT_EQ(window.log, Log{});
    EXPECT_EQ(window.atm, 0);

    window.drawnChartHolds = true;
    EXPECT_TRUE(window.solve(DB, "75", WB, "65", messagesChart));
    EXPECT_EQ(window.drawnChartTests, 2);
}

// The working pressure is the leading number of the pressure text.
TEST(SolvePointTest, WorkingPressure)
{
    Window window;
    window.pressure = " 29.92126 in Hg";
    const std::optional<MoistAirState> state = window.solve(DB, "75", WB, "65");
    ASSERT_TRUE(state);
    EXPECT_EQ(window.atm, 29.92126);
    EXPECT_EQ(state->hr, moistair::psychro_w(75, 65, 29.92126));

    window.pressure = "in Hg";
    EXPECT_FALSE(window.solve(DB, "75", WB, "65"));
    EXPECT_EQ(window.atm, 0);
}

// A value expected to the digits the worked example gives.
struct Expect {
    double MoistAirState::*field;
    double value;
    double tolerance;
};

Expect near(double MoistAirState::*field, double value, int decimals)
{
    return {field, value, 0.5 * std::pow(10.0, -decimals) + 1e-12};
}

Expect exactly(double MoistAirState::*field, double value) { return {field, value, 0}; }

struct Worked {
    std::string what;
    Kind kind1;
    std::string text1;
    Kind kind2;
    std::string text2;
    std::vector<Expect> expect; // empty: the solve fails
    SolveOptions options = silentChart;
    std::string pressure = "29.92126";
};

const auto db = &MoistAirState::db;
const auto wb = &MoistAirState::wb;
const auto rh = &MoistAirState::rh;
const auto h = &MoistAirState::h;
const auto v = &MoistAirState::v;
const auto hr = &MoistAirState::hr;
const auto dp = &MoistAirState::dp;
const auto pv = &MoistAirState::pv;

void check(const Worked& c, Window& window)
{
    SCOPED_TRACE(c.what);
    window.pressure = c.pressure;
    const std::optional<MoistAirState> state = window.solve(c.kind1, c.text1, c.kind2, c.text2, c.options);
    ASSERT_EQ(state.has_value(), !c.expect.empty());
    for (const Expect& e : c.expect)
        EXPECT_NEAR((*state).*e.field, e.value, e.tolerance);
}

TEST(SolvePointTest, WorkedStates)
{
    const double atm = 29.92126;
    const std::vector<Worked> table = {
        // Direct cases.
        {"DB 75, WB 65", DB, "75", WB, "65",
         {exactly(db, 75), exactly(wb, 65), exactly(rh, moistair::psychro_rh(75, 65, atm)),
          exactly(h, moistair::psychro_h(75, 65, atm)), exactly(hr, moistair::psychro_w(75, 65, atm)),
          exactly(v, moistair::psychro_v(75, 65, atm)),
          exactly(dp, moistair::psychro_dp(moistair::psychro_pv1(75, 65, atm))),
          exactly(pv, moistair::psychro_pv1(75, 65, atm))}},
        {"WB 65, DB 75 solve the same case", WB, "65", DB, "75", {exactly(db, 75), exactly(wb, 65)}},
        {"DB 70, WB 75: rh above 100", DB, "70", WB, "75", {}},
        {"WB 6 with DB 75: negative humidity ratio", DB, "75", WB, "6", {}},
        {"DB 75, h 30", DB, "75", H, "30",
         {exactly(h, 30), exactly(wb, moistair::psychro_wb(75, 30, atm)),
          exactly(hr, moistair::psychro_w(75, moistair::psychro_wb(75, 30, atm), atm))}},
        {"DB 50, h 61.9: wet bulb 51, rh above 100", DB, "50", H, "61.9", {}},
        // Wet bulb with dry bulb known.
        {"DB 70, RH 50", DB, "70", RH, "50",
         {near(wb, 58.32, 2), exactly(rh, 50), exactly(hr, moistair::psychro_wrh(70, 50, atm))}},
        {"DB 70, HR 0.01", DB, "70", HR, "0.01", {near(wb, 61.88, 2), exactly(hr, 0.01)}},
        {"DB 70, v 13.6", DB, "70", V, "13.6", {near(wb, 64.51, 2), exactly(v, 13.6)}},
        {"DB 1, RH 50: unbracketed, wet bulb 60", DB, "1", RH, "50",
         {exactly(wb, 60), exactly(hr, moistair::psychro_wrh(1, 50, atm)),
          exactly(h, moistair::psychro_h(1, 60, atm))}},
        {"DB 70, v 15.5: beyond the volume at wet bulb 120", DB, "70", V, "15.5", {}},
        {"DB 70, v 12: unbracketed, wet bulb 60", DB, "70", V, "12", {exactly(wb, 60), {rh, 56, 1}, exactly(v, 12)}},
        {"DB 50, v 12: unbracketed, rh above 100", DB, "50", V, "12", {}},
        {"DB 50, HR 0.02: beyond saturation", DB, "50", HR, "0.02", {}},
        {"DB 30, v 14: beyond saturation", DB, "30", V, "14", {}},
        // Two-stage searches.
        {"DB 70, DP 50", DB, "70", DP, "50",
         {near(wb, 58.07, 2), near(rh, 49.08, 2), near(hr, 0.007638, 6), near(h, 25.14, 2), near(v, 13.51, 2),
          exactly(dp, 50)}},
        {"WB 60, DP 50", WB, "60", DP, "50", {near(db, 75.29, 2), near(rh, 41.06, 2)}},
        {"RH 50, HR 0.01", RH, "50", HR, "0.01", {near(db, 77.35, 2), near(wb, 64.34, 2), near(dp, 57.24, 2)}},
        {"RH 100, HR 0.03", RH, "100", HR, "0.03", {near(db, 88.95, 2), near(wb, 88.95, 2), near(dp, 89.02, 2)}},
        {"DB 80, DP 80", DB, "80", DP, "80", {near(rh, 99.86, 2), exactly(dp, 80)}},
        {"DB 60, DP 60: rh 100.13", DB, "60", DP, "60", {}},
        {"WB 60, DP 60: rh 100.37", WB, "60", DP, "60", {}},
        {"DB 70, DP 80: rh 139.47", DB, "70", DP, "80", {}},
        {"WB 60, DP 70: rh 309.28", WB, "60", DP, "70", {}},
        {"WB 100, DP 89: dry bulb above 120", WB, "100", DP, "89", {}},
        {"RH 10, HR 0.03: dry bulb above 120", RH, "10", HR, "0.03", {}},
        {"RH 100, HR 0.0001: dry bulb below 0", RH, "100", HR, "0.0001", {}},
        {"RH 30, HR 0.00026: unbracketed wet bulb", RH, "30", HR, "0.00026",
         {near(db, 1.94, 2), exactly(wb, 60), near(h, 26.33, 2), near(dp, 82.75, 2)}},
        {"DB 80, DP 32.1: vapour pressure at the step", DB, "80", DP, "32.1",
         {near(wb, 55.18, 2), near(rh, 17.46, 2), exactly(dp, 32.1)}},
        {"DB 80, DP 95: humidity ratio above 0.03", DB, "80", DP, "95", {}},
        {"DB 100, DP 100 at 40 in Hg", DB, "100", DP, "100", {near(wb, 95.54, 2), near(rh, 84.18, 2), exactly(dp, 100)},
         silentChart, "40"},
        {"DB 80, dew point not a number: 0", DB, "80", DP, "x", {near(wb, 49.50, 2), near(rh, 3.64, 2), exactly(dp, 0)}},
        // Dry bulb with wet bulb known.
        {"WB 60, RH 100", WB, "60", RH, "100", {near(db, 60, 4), exactly(rh, 100)}},
        {"WB 100, RH 40: beyond reach", WB, "100", RH, "40", {}},
        {"WB 60, v 16: beyond the volume at 120", WB, "60", V, "16", {}},
        {"WB 60, HR 0.02: above saturation", WB, "60", HR, "0.02", {}},
        {"WB 60, HR 0.008", WB, "60", HR, "0.008",
         {exactly(hr, 0.008), exactly(wb, 60)}},
    };
    for (const Worked& c : table) {
        Window window;
        check(c, window);
    }
}

struct RangeCase {
    Kind kind1;
    std::string text1;
    Kind kind2;
    std::string text2;
    bool accepted;
};

// Each value is tested against a strict lower and an inclusive upper bound on
// its 15 significant digits, before anything is computed.
TEST(SolvePointTest, Ranges)
{
    const std::vector<RangeCase> table = {
        {DB, "120", WB, "65", true},
        {DB, "0", WB, "65", false},
        {DB, "120.0000001", WB, "65", false},
        {DB, "120.0000000000001", WB, "65", true}, // 120 in 15 digits
        {DB, "70", WB, "120", true},
        {DB, "70", WB, "0", false},
        {DB, "130", WB, "65", false},
        {DB, "70", H, "61.9", true},
        {DB, "70", H, "61.95", false},
        {DB, "70", RH, "100", true},
        {DB, "70", RH, "0", false},
        {DB, "70", HR, "0.03", true},
        {DB, "70", HR, "0.0300001", false},
        {DB, "70", V, "78", true},
        {DB, "70", V, "78.01", false},
        {DB, "70", DP, "-54.9", true},
        {DB, "70", DP, "-55", false},
        {DB, "70", DP, "120", true},
        {WB, "70", DP, "89", true},
        {WB, "70", DP, "89.1", false},
        {WB, "70", H, "62", true},
        {WB, "70", H, "62.1", false},
        {WB, "0", H, "30", false},
        {WB, "70", H, "0", false},
        {RH, "50", H, "62", true},
        {RH, "50", H, "62.01", false},
        {RH, "50", DP, "-55", false},
        {RH, "50", DP, "-54.9", true},
        {RH, "50", V, "78", true},
        {RH, "100.1", V, "14", false},
        {HR, "0.03", H, "30", true},
        {HR, "0", H, "30", false},
        {H, "61.9", DP, "50", true},
        {H, "62", DP, "50", false},
        {H, "30", DP, "-55", false},
        {H, "30", DP, "-54.9", true},
        {H, "30", V, "78", true},
        {H, "30", V, "0", false},
        {HR, "0.03", V, "78", true},
        {HR, "0", V, "14", false},
        {HR, "0.01", V, "0", false},
        {DP, "-55", V, "14", false},
        {DP, "-54.9", V, "14", true},
        {DP, "120", V, "14", true},
        {RH, "50", HR, "0.03", true},
        {RH, "50", HR, "0.031", false},
    };
    for (const RangeCase& c : table) {
        SCOPED_TRACE(c.text1 + " " + c.text2);
        Window window;
        const std::uint64_t before = moistair::propertyCalls();
        window.solve(c.kind1, c.text1, c.kind2, c.text2);
        EXPECT_EQ(moistair::propertyCalls() > before, c.accepted);
    }
}

// A case that fails tells the user with WithMessages, after clearing the busy
// indicator and focusing the chart, and says nothing when silent.
TEST(SolvePointTest, FailureReport)
{
    struct Failing { PropertyKind kind1; std::string text1; PropertyKind kind2; std::string text2; };
    const Failing failing[] = {
        {WB, "100", RH, "40"},  // search exhausted
        {DB, "70", WB, "75"},   // final check
        {DB, "130", WB, "65"},  // out of range
        {HR, "0.03", H, "30"},  // search along a line exhausted
    };
    for (const Failing& f : failing) {
        SCOPED_TRACE(f.text1 + " " + f.text2);
        for (SolveOptions options : {messagesChart, silentChart, silentFixed}) {
            Window window;
            window.span = chart::LineSpan{"0", "0"};
            EXPECT_FALSE(window.solve(f.kind1, f.text1, f.kind2, f.text2, options));
            if (options.reporting == Reporting::WithMessages) {
                EXPECT_EQ(window.log, (Log{"clearbusy", "focus", infeasible}));
                EXPECT_EQ(window.dialogs.messages().back().buttons, ui::Buttons::Ok);
                EXPECT_EQ(window.dialogs.messages().back().title, "");
            } else {
                EXPECT_EQ(window.log, Log{});
            }
        }
    }
}

// The state at DB 70, WB 60 and the text of each of its values.
struct Known {
    MoistAirState at;
    Known()
    {
        Window window;
        at = *window.solve(DB, "70", WB, "60");
    }
    std::string text(double MoistAirState::*field) const
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", at.*field);
        return buffer;
    }
};

// Every pair but humidity ratio with dew point solves the state at DB 70,
// WB 60 from its two values there, keeping the values given as read. The
// line cases run with the chart's bounds and with the fixed ones.
TEST(SolvePointTest, EveryPairSolvesAKnownState)
{
    const double atm = 29.92126;
    const Known known;
    double MoistAirState::*const fields[] = {db, wb, rh, hr, h, dp, v};
    auto text = [&](PropertyKind kind) { return known.text(fields[int(kind)]); };
    auto isLine = [](PropertyKind a, PropertyKind b) { return (a >= RH && b >= H) || (a == RH && b == H); };
    for (int i = 0; i < point::propertyKindCount; ++i) {
        for (int j = i + 1; j < point::propertyKindCount; ++j) {
            const PropertyKind a = PropertyKind(i), b = PropertyKind(j);
            if (a == HR && b == DP)
                continue;
            SCOPED_TRACE(text(a) + " " + text(b));
            const bool line = isLine(a, b);
            for (SolveOptions options : {silentChart, silentFixed}) {
                if (!line && options.spanBounds == SpanBounds::Fixed)
                    continue;
                Window window;
                const std::optional<MoistAirState> state = window.solve(b, text(b), a, text(a), options);
                ASSERT_TRUE(state);
                // Along the enthalpy, the wet bulb lies on the 0.1-degree grid
                // of its stepping search.
                const double tolerance = a == H || b == H ? 0.1 : 0.02;
                EXPECT_NEAR(state->db, 70, tolerance);
                EXPECT_NEAR(state->wb, 60, tolerance);
                EXPECT_EQ((*state).*fields[int(a)], std::stod(text(a)));
                EXPECT_EQ((*state).*fields[int(b)], std::stod(text(b)));
                EXPECT_EQ(state->pv, moistair::psychro_pv1(state->db, state->wb, atm));
                EXPECT_EQ(window.log, Log{});
                EXPECT_EQ(window.boundsGathered, line && options.spanBounds == SpanBounds::Chart ? 1 : 0);
                if (line && !(a == RH && b == H)) {
                    // The wet bulb the last inner solve handed back.
                    EXPECT_EQ(state->wb, window.fields.wb);
                }
            }
        }
    }
}

struct SpanCase {
    std::string what;
    Kind kind1;
    double MoistAirState::*field1;
    Kind kind2;
    double MoistAirState::*field2;
    bool chartDrawn;
    Limits chosen;          // the chart drawn last has these limits too, up to a higher dry bulb of 120
    chart::LineSpan old; // the window's span before the solve
    SolveOptions options;
    bool solved;
    Log log;
};

// What the line cases do when their span finds no point in the bounds: the
// relative-humidity span tells the user, and the search runs in the span
// an earlier walk left.
TEST(SolvePointTest, LineCasesWithTheSpanLeftBefore)
{
    const Known known;
    const Limits wide;
    const Limits highAbove{0, 60, 0.02, 0.03};
    const Limits to121{0, 121, 0, 0.03};
    const chart::LineSpan none{"", ""};
    const chart::LineSpan around{"61", "80"};
    const std::vector<SpanCase> table = {
        {"RH+h, no chart drawn yet, readout", RH, rh, H, h, false, wide, none, silentChart, false,
         {lineNotFound}},
        {"RH+h, no chart drawn yet, old span around the point", RH, rh, H, h, false, wide, around,
         silentChart, true, {lineNotFound}},
        {"RH+h, no chart drawn yet, fixed bounds", RH, rh, H, h, false, wide, none, silentFixed, true,
         {}},
        {"RH+DP, line below the chart, Locate point", RH, rh, DP, dp, true, highAbove, none, messagesChart,
         false, {lineNotFound, "clearbusy", "focus", infeasible}},
        {"RH+v, line below the chart, old span around the point", RH, rh, V, v, true, highAbove, around,
         messagesChart, true, {lineNotFound}},
        {"HR+h, line below the chart, Locate point", HR, hr, H, h, true, highAbove, none, messagesChart,
         false, {"clearbusy", "focus", infeasible}},
        {"h+v, line below the chart, old span around the point", H, h, V, v, true, highAbove, around,
         silentChart, true, {}},
        {"HR+v, line below the chart, Locate point", HR, hr, V, v, true, highAbove, none, messagesChart,
         false, {"clearbusy", "focus", infeasible}},
        {"DP+v, higher limit 121 typed", DP, dp, V, v, true, to121, around, silentChart, true,
         {"walk stopped"}},
        {"DP+v, no chart drawn yet", DP, dp, V, v, false, wide, none, silentChart, false, {}},
    };
    for (const SpanCase& c : table) {
        SCOPED_TRACE(c.what);
        Window window;
        window.chartDrawn = c.chartDrawn;
        window.chosen = c.chosen;
        if (c.chosen.hdb <= 120)
            window.drawn = c.chosen;
        window.span = c.old;
        const std::optional<MoistAirState> state =
            window.solve(c.kind1, known.text(c.field1), c.kind2, known.text(c.field2), c.options);
        EXPECT_EQ(state.has_value(), c.solved);
        if (state) {
            EXPECT_NEAR(state->db, 70, 0.1);
        }
        EXPECT_EQ(window.log, c.log);
    }
}

// Enthalpy with dew point does not test its step count: an exhausted search
// passes when its last dew point lies within half a degree of the given one.
TEST(SolvePointTest, EnthalpyWithDewPointWithinHalfADegree)
{
    const Known known;
    struct Case {
        chart::LineSpan old;
        bool solved;
        double dryBulb;
    };
    for (const Case& c : {Case{{"70.2", "75"}, true, 70.2}, Case{{"71", "75"}, false, 0}}) {
        SCOPED_TRACE(c.old.low);
        Window window;
        // The enthalpy line lies below this chart: the span left before is searched.
        window.chosen = window.drawn = Limits{0, 60, 0.02, 0.03};
        window.span = c.old;
        const std::optional<MoistAirState> state = window.solve(H, known.text(h), DP, known.text(dp));
        ASSERT_EQ(state.has_value(), c.solved);
        if (state) {
            EXPECT_NEAR(state->db, c.dryBulb, 1e-6);
            EXPECT_EQ(state->dp, std::stod(known.text(dp)));
        }
    }
}

// Along the enthalpy line beyond the dry bulb where its humidity ratio
// reaches 0 no dew point exists; such a trial counts as lying below every
// dew point, whatever value the window's result field held before.
TEST(SolvePointTest, EnthalpyWithDewPointBeyondZeroHumidityRatio)
{
    Window window;
    // A chart whose lower humidity ratio lies above the line of enthalpy
    // 20: the span left before, whose middle (85) lies beyond the dry bulb
    // at which the line's humidity ratio reaches 0, is searched.
    window.chosen = window.drawn = Limits{0, 60, 0.02, 0.03};
    window.span = chart::LineSpan{"60", "110"};
    window.fields.result = 1000;
    const std::optional<MoistAirState> state = window.solve(H, "20", DP, "26.8059");
    ASSERT_TRUE(state);
    // The dew point along the line rises within each 0.1 degree of the wet
    // bulb's stepping search: the search ends at one of its steps, within
    // half a degree of the dew point given.
    EXPECT_NEAR(state->db, 70, 0.1);
    EXPECT_NEAR(window.fields.result, 26.8059, 0.5);
}

// With the fixed bounds a line that has no point inside them gives no state,
// whatever span an earlier solve of the window left behind.
TEST(SolvePointTest, FixedBoundsLineWithNoPointInsideGivesNoState)
{
    Window window;
    ASSERT_TRUE(window.solve(RH, "50", V, "13.7", silentFixed)); // leaves a span
    EXPECT_FALSE(window.solve(DP, "30", V, "10", silentFixed));   // no air has this volume
    EXPECT_FALSE(window.solve(HR, ".01", V, "20", silentFixed));
    EXPECT_TRUE(window.solve(HR, ".01", V, "13.7", silentFixed));
}

} // namespace
