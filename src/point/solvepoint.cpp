#include "point/solvepoint.h"

#include "chart/linespans.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "point/cases.h"

#include <utility>

namespace point {
namespace {

enum Kind { HumidityRatio = 3, DewPoint = 5 };

// The refusal of a pair of inputs that cannot be solved, in the order the
// tests are made; nullptr when the inputs may be solved.
const char* refusal(int kind1, const std::string& text1, int kind2, const std::string& text2)
{
    if (kind1 == kind2)
        return "Two parameters must be diffrent";
    if ((kind1 == HumidityRatio && kind2 == DewPoint) || (kind1 == DewPoint && kind2 == HumidityRatio))
        return "combination of Humidity ration and dew point not feasible";
    if (text1.empty() || text2.empty())
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

void tell(SolveWindow& window, const char* text)
{
    if (window.dialogs)
        window.dialogs->message(text, ui::Buttons::Ok);
}

} // namespace

std::optional<MoistAirState> solvepoint(int kind1, const std::string& text1, int kind2, const std::string& text2,
                                        const SolveOptions& options, SolveWindow& window)
{
    const bool withMessages = options.reporting == Reporting::WithMessages;
    if (const char* text = refusal(kind1, text1, kind2, text2)) {
        if (withMessages)
            tell(window, text);
        return std::nullopt;
    }
    if (window.drawnChartTest && !window.drawnChartTest())
        return std::nullopt;

    const double atm = window.pressureText ? numtext::leadingNumberOr0(*window.pressureText) : 0;
    if (window.atm)
        *window.atm = atm;

    // A typed value that is not a number as a whole reads as 0.
    auto typed = [&](const std::string& text) {
        return numtext::typedNumber(text, window.localeDecimal, window.localeGrouping).value_or(0.0);
    };
    int first = kind1, second = kind2;
    double firstValue = typed(text1), secondValue = typed(text2);
    if (first > second) {
        std::swap(first, second);
        std::swap(firstValue, secondValue);
    }

    moistair::WetBulbFields ownFields;
    chart::LineSpan ownSpan;
    CaseContext context{atm, options.spanBounds, window, window.fields ? *window.fields : ownFields,
                        window.span ? *window.span : ownSpan};
    MoistAirState state;
    const bool solved = solveCase(first, firstValue, second, secondValue, context, state) && passesFinalCheck(state);
    if (!solved) {
        if (withMessages) {
            if (window.clearbusy)
                window.clearbusy();
            if (window.focusChart)
                window.focusChart();
            tell(window, infeasible);
        }
        return std::nullopt;
    }
    moistair::skipOnFailure([&] { state.pv = moistair::psychro_pv1(state.db, state.wb, atm); });
    return state;
}

} // namespace point
