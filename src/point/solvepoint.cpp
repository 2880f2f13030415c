#include "point/solvepoint.h"

#include "chart/linespans.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "point/cases.h"

#include <utility>

namespace point {
namespace {

// The refusal of a pair of inputs that cannot be solved, in the order the
// tests are made; nullptr when the inputs may be solved. Two lists with
// nothing chosen count as two equal properties.
const char* refusal(const GivenProperty& first, const GivenProperty& second)
{
    constexpr PropertyKind HumidityRatio = PropertyKind::HumidityRatio, DewPoint = PropertyKind::DewPoint;
    if (first.kind == second.kind)
        return "Two parameters must be diffrent";
    if ((first.kind == HumidityRatio && second.kind == DewPoint)
        || (first.kind == DewPoint && second.kind == HumidityRatio))
        return "combination of Humidity ration and dew point not feasible";
    if (first.text.empty() || second.text.empty())
        return "None of the two data input boxes can not be blank for locating point";
    return nullptr;
}

const char* const infeasible =
    "The point as per input parameters are either out of chart limits or the such point is not feasible";

// The state the final check lets through; dp and pv are not checked.
bool passesFinalCheck(const MoistAirState& s)
{
    return s.db > 0 && s.db <= 120 && s.wb > 0 && s.wb <= 120 && s.hr > 0 && s.hr <= 0.03 && s.rh > 0
           && s.rh <= 100 && s.v > 0 && s.h > 0;
}

void tell(SolveContext& solver, const char* text)
{
    if (solver.dialogs)
        solver.dialogs->message(text, ui::Buttons::Ok);
}

} // namespace

StateValues inDisplayOrder(const MoistAirState& s)
{
    return {s.db, s.wb, s.rh, s.h, s.v, s.hr, s.dp, s.pv};
}

MoistAirState fromDisplayOrder(const StateValues& v)
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
}

std::optional<MoistAirState> solvepoint(const GivenProperty& given1, const GivenProperty& given2,
                                        const SolveOptions& options, SolveContext& solver)
{
    const bool withMessages = options.reporting == Reporting::WithMessages;
    if (const char* text = refusal(given1, given2)) {
        if (withMessages)
            tell(solver, text);
        return std::nullopt;
    }
    if (solver.drawnChartTest && !solver.drawnChartTest())
        return std::nullopt;

    const double atm = solver.pressureText ? numtext::leadingNumberOr0(*solver.pressureText) : 0;
    if (solver.atm)
        *solver.atm = atm;

    // A typed value that is not a number as a whole reads as 0.
    auto typed = [&](const std::string& text) {
        return numtext::typedNumber(text, solver.localeDecimal, solver.localeGrouping).value_or(0.0);
    };
    // The case takes the kinds in their order; a list with nothing chosen
    // comes first.
    std::optional<PropertyKind> first = given1.kind, second = given2.kind;
    double firstValue = typed(given1.text), secondValue = typed(given2.text);
    if (first > second) {
        std::swap(first, second);
        std::swap(firstValue, secondValue);
    }

    moistair::WetBulbFields ownFields;
    chart::LineSpan ownSpan;
    CaseContext context{atm, options.spanBounds, solver, solver.fields ? *solver.fields : ownFields,
                        solver.span ? *solver.span : ownSpan};
    MoistAirState state;
    // Without a chosen kind no case runs, and the state of zeros fails the
    // final check.
    const bool solved = (!first || solveCase(*first, firstValue, *second, secondValue, context, state))
                        && passesFinalCheck(state);
    if (!solved) {
        if (withMessages) {
            if (solver.clearbusy)
                solver.clearbusy();
            if (solver.focusChart)
                solver.focusChart();
            tell(solver, infeasible);
        }
        return std::nullopt;
    }
    moistair::skipOnFailure([&] { state.pv = moistair::psychro_pv1(state.db, state.wb, atm); });
    return state;
}

} // namespace point
