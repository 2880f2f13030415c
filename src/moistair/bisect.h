#pragma once
// The one bisection that every search of the program runs: it finds x in an
// interval at which f(x) comes within a tolerance of a target.

#include <cmath>

namespace moistair {

// How each half-step decides which end of the interval moves.
enum class SlopeProbe {
    Probe,   // compare f(x + 0.01) with f(x); equal counts as falling
    Rising,  // f is taken to rise with x
    Falling, // f is taken to fall with x
};

// The test made once before the first step.
enum class Bracket {
    None,     // the steps always run
    BothEnds, // f(lo) < target < f(hi), both strict
    LowerEnd, // f(lo) < target, strict
};

// Where each step tests convergence.
enum class ConvergenceTest {
    AtNewX,        // f at the x that the step leaves
    AtSecondTrial, // the value f had at the second half-step's trial, not
                   // evaluated again at the x that half-step leaves
};

enum class SearchOutcome { Converged, Exhausted, Unbracketed };

struct SearchParams {
    double lo = 0;
    double hi = 120;
    double tolerance = 1e-07;
    SlopeProbe probe = SlopeProbe::Probe;
    Bracket bracket = Bracket::None;
    int stepCap = 100;
    ConvergenceTest convergence = ConvergenceTest::AtNewX;
};

struct SearchResult {
    double x = 0;      // the answer when converged; the last midpoint otherwise
    SearchOutcome outcome = SearchOutcome::Unbracketed;
    int steps = 0;     // steps begun
    bool converged() const { return outcome == SearchOutcome::Converged; }
    bool exhausted() const { return outcome == SearchOutcome::Exhausted; }
};

// The result of a search whose input guard failed: no step ran, x is the
// interval's midpoint.
inline SearchResult unbracketed(const SearchParams& params)
{
    return {(params.lo + params.hi) / 2, SearchOutcome::Unbracketed, 0};
}

// Runs the bisection. Each step halves the interval up to twice: once when
// f(x) is above the target, then once more when f at the new x is below it;
// then the step tests convergence, and the search stops at the step cap even
// when that last step converged. f may throw; the search then ends with it.
template <class F>
SearchResult bisectsearch(F&& f, double target, const SearchParams& params)
{
    double lo = params.lo;
    double hi = params.hi;
    double x = (hi + lo) / 2;

    if (params.bracket == Bracket::BothEnds) {
        double atHi = f(hi);
        double atLo = f(lo);
        if (!(target < atHi && target > atLo))
            return {x, SearchOutcome::Unbracketed, 0};
    } else if (params.bracket == Bracket::LowerEnd) {
        if (!(target > f(lo)))
            return {x, SearchOutcome::Unbracketed, 0};
    }

    // Moves one end to x by the slope rule; `above` tells f(x) > target.
    auto moveEnd = [&](double fx, bool above) {
        bool rising = params.probe == SlopeProbe::Rising
                      || (params.probe == SlopeProbe::Probe && f(x + 0.01) > fx);
        if (rising == above)
            hi = x;
        else
            lo = x;
        x = (hi + lo) / 2;
    };

    int steps = 0;
    for (;;) {
        ++steps;
        double fx = f(x);
        if (fx > target) {
            moveEnd(fx, true);
            fx = f(x);
        }
        if (fx < target) {
            moveEnd(fx, false);
            if (params.convergence == ConvergenceTest::AtNewX)
                fx = f(x);
        }
        bool found = std::fabs(fx - target) < params.tolerance;
        if (steps == params.stepCap)
            return {x, SearchOutcome::Exhausted, steps};
        if (found)
            return {x, SearchOutcome::Converged, steps};
    }
}

} // namespace moistair
