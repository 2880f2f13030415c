// The one bisection behind every search, on simple functions of x.

#include "moistair/bisect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace moistair;

namespace {

using Fn = std::function<double(double)>;

const Fn rising = [](double x) { return x; };
const Fn falling = [](double x) { return 120 - x; };

SearchParams withBracket(Bracket bracket)
{
    SearchParams params;
    params.bracket = bracket;
    return params;
}

SearchParams withProbe(SlopeProbe probe)
{
    SearchParams params;
    params.probe = probe;
    return params;
}

struct Unbracketed {
    std::string what;
    Fn f;
    double target;
    Bracket bracket;
};

TEST(BisectTest, FailedBracketRunsNoStep)
{
    const std::vector<Unbracketed> cases = {
        {"target equal to f(lo)", rising, 0, Bracket::BothEnds},
        {"target equal to f(hi)", rising, 120, Bracket::BothEnds},
        {"target below f(lo)", rising, -1, Bracket::BothEnds},
        {"target above f(hi)", rising, 121, Bracket::BothEnds},
        {"falling function never passes", falling, 60, Bracket::BothEnds},
        {"lower end only, target equal to f(lo)", rising, 0, Bracket::LowerEnd},
        {"lower end only, falling function", falling, 60, Bracket::LowerEnd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SearchResult result = bisectsearch(c.f, c.target, withBracket(c.bracket));
        EXPECT_EQ(result.outcome, SearchOutcome::Unbracketed);
        EXPECT_EQ(result.x, 60);
        EXPECT_EQ(result.steps, 0);
    }
}

TEST(BisectTest, BothEndsTestEvaluatesHiThenLo)
{
    std::vector<double> calls;
    auto recording = [&](double x) {
        calls.push_back(x);
        return x;
    };
    bisectsearch(recording, 200, withBracket(Bracket::BothEnds));
    EXPECT_EQ(calls, (std::vector<double>{120, 0}));
}

TEST(BisectTest, InputGuardResultIsTheMidpoint)
{
    SearchParams params;
    params.lo = 10;
    params.hi = 30;
    SearchResult result = unbracketed(params);
    EXPECT_EQ(result.outcome, SearchOutcome::Unbracketed);
    EXPECT_EQ(result.x, 20);
    EXPECT_EQ(result.steps, 0);
}

// With f(x) = x and target 0 each step moves hi to x once, so after step k
// x is 60 / 2^k; the tolerance picks the step in which convergence first holds.
TEST(BisectTest, ConvergenceInTheLastStepIsExhausted)
{
    struct Case {
        int firstConvergingStep;
        SearchOutcome outcome;
    };
    const std::vector<Case> cases = {
        {99, SearchOutcome::Converged},
        {100, SearchOutcome::Exhausted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstConvergingStep);
        SearchParams params;
        params.tolerance = std::ldexp(60.0, -(c.firstConvergingStep - 1));
        SearchResult result = bisectsearch(rising, 0, params);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.steps, c.firstConvergingStep);
        EXPECT_EQ(result.x, std::ldexp(60.0, -c.firstConvergingStep));
    }
}

TEST(BisectTest, LowerEndBracketWithUnreachableTargetCreepsToHi)
{
    SearchResult result = bisectsearch(rising, 130, withBracket(Bracket::LowerEnd));
    EXPECT_TRUE(result.exhausted());
    EXPECT_EQ(result.steps, 100);
    EXPECT_NEAR(result.x, 120, 1e-12);
}

TEST(BisectTest, TargetMetAtTheStartConvergesInStepOne)
{
    SearchResult result = bisectsearch(rising, 60, SearchParams{});
    EXPECT_TRUE(result.converged());
    EXPECT_EQ(result.steps, 1);
    EXPECT_EQ(result.x, 60);
}

struct Direction {
    std::string what;
    Fn f;
    SlopeProbe probe;
    double target;
    SearchOutcome outcome;
    double x; // the answer, or where an exhausted search ends
};

TEST(BisectTest, SlopeDecidesWhichEndMoves)
{
    // Flat at 70 below x = 70: the probe at 60 sees no rise.
    const Fn flatThenRising = [](double x) { return std::max(x, 70.0); };
    const std::vector<Direction> cases = {
        {"probe, rising", rising, SlopeProbe::Probe, 30.5, SearchOutcome::Converged, 30.5},
        {"probe, falling", falling, SlopeProbe::Probe, 30.5, SearchOutcome::Converged, 89.5},
        {"probe, flat stretch taken as falling", flatThenRising, SlopeProbe::Probe, 80,
         SearchOutcome::Exhausted, 0},
        {"rising, flat stretch", flatThenRising, SlopeProbe::Rising, 80, SearchOutcome::Converged, 80},
        {"rising on a rising function", rising, SlopeProbe::Rising, 90, SearchOutcome::Converged, 90},
        {"rising on a falling function", falling, SlopeProbe::Rising, 90, SearchOutcome::Exhausted, 120},
        {"falling on a falling function", falling, SlopeProbe::Falling, 90, SearchOutcome::Converged, 30},
        {"falling on a rising function", rising, SlopeProbe::Falling, 90, SearchOutcome::Exhausted, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SearchResult result = bisectsearch(c.f, c.target, withProbe(c.probe));
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_NEAR(result.x, c.x, 1e-7);
    }
}

TEST(BisectTest, OneStepCanHalveTwice)
{
    // Step 1: f(60) > 40 moves hi to 60, then f(30) < 40 moves lo to 30.
    SearchParams params = withProbe(SlopeProbe::Rising);
    params.stepCap = 1;
    SearchResult result = bisectsearch(rising, 40, params);
    EXPECT_EQ(result.x, 45);
}

// Convergence tested on the second half-step's trial: f is not evaluated at
// the x that half-step leaves, so the last evaluation is that trial's.
TEST(BisectTest, ConvergenceAtSecondTrial)
{
    struct Case {
        ConvergenceTest test;
        double x;
        int steps;
        double lastEvaluated;
    };
    for (const Case& c : {Case{ConvergenceTest::AtNewX, 45, 1, 45}, Case{ConvergenceTest::AtSecondTrial, 41.25, 2, 37.5}}) {
        SearchParams params = withProbe(SlopeProbe::Rising);
        params.tolerance = 6;
        params.convergence = c.test;
        double last = 0;
        SearchResult result = bisectsearch([&](double x) { return last = x; }, 40, params);
        EXPECT_EQ(result.outcome, SearchOutcome::Converged);
        EXPECT_EQ(result.x, c.x);
        EXPECT_EQ(result.steps, c.steps);
        EXPECT_EQ(last, c.lastEvaluated);
    }
}

} // namespace
