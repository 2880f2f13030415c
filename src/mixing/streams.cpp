#include "mixing/streams.h"

#include "point/records.h"

#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "ui/localenumbers.h"

#include <cmath>

namespace mixing {
namespace {

using moistair::skipOnFailure;
using numtext::formatprop;

// A flow that has no value in a double fails its step.
double finite(double value)
{
    if (!std::isfinite(value))
        throw moistair::PsychroError("flow out of range");
    return value;
}

} // namespace

point::SolveWindow streamSolveWindow(const chart::MainState& main, double& atm, moistair::WetBulbFields& fields,
                                     chart::LineSpan& span)
{
    point::SolveWindow window;
    window.pressureText = &main.workingPressureText;
    window.atm = &atm;
    window.fields = &fields;
    window.span = &span;
    window.localeDecimal = ui::localeDecimal();
    window.localeGrouping = ui::localeGrouping();
    return window;
}

std::optional<StreamColumn> solveStream(const StreamInput& input, const chart::MainState& main,
                                        point::SolveWindow& window)
{
    const std::optional<point::MoistAirState> state =
        point::solvepoint(input.kind1, input.text1, input.kind2, input.text2,
                          {point::Reporting::Silent, point::SpanBounds::Fixed}, window);
    if (!state)
        return std::nullopt;
    const point::MoistAirState& s = *state;
    const double atm = window.atm ? *window.atm : numtext::leadingNumberOr0(main.workingPressureText);

    StreamColumn column;
    column.db = formatprop(s.db);
    column.wb = formatprop(s.wb);
    column.rh = formatprop(s.rh);
    column.h = formatprop(s.h);
    column.v = formatprop(s.v);
    column.hr = formatprop(s.hr);
    column.dp = formatprop(s.dp);
    skipOnFailure([&] { column.pv = formatprop(moistair::psychro_pv1(s.db, s.wb, atm)); });

    column.pressureCaption = point::pressureRowCaption(main.pressureUnit);
    column.prvalue = point::pressureRowValue(main.typedPressureText, window.localeDecimal);

    skipOnFailure([&] { column.pvs = formatprop(moistair::psychro_pvs(s.db)); });

    // The flows: the dry air from the air flow and the volume at full
    // precision, the others from the flows as shown.
    skipOnFailure([&] {
        const std::optional<double> acfm = numtext::leadingNumber(input.acfm, window.localeDecimal);
        if (!acfm)
            throw moistair::PsychroError("air flow out of range");
        column.dryair = formatprop(finite(*acfm / s.v));
    });
    skipOnFailure([&] { column.vapour = formatprop(finite(numtext::leadingNumberOr0(column.dryair) * s.hr)); });
    skipOnFailure([&] {
        column.moistair = formatprop(
            finite(numtext::leadingNumberOr0(column.dryair) + numtext::leadingNumberOr0(column.vapour)));
    });
    return column;
}

} // namespace mixing
