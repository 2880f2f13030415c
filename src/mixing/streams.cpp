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

point::SolveContext streamSolveContext(const chart::MainState& main, double& atm, moistair::WetBulbFields& fields,
                                     chart::LineSpan& span)
{
    point::SolveContext solver(ui::localeDecimal(), ui::localeGrouping());
    solver.pressureText = &main.workingPressureText;
    solver.atm = &atm;
    solver.fields = &fields;
    solver.span = &span;
    return solver;
}

std::optional<StreamColumn> solveStream(const StreamInput& input, const chart::MainState& main,
                                        point::SolveContext& solver)
{
    const std::optional<point::MoistAirState> state =
        point::solvepoint(input.first, input.second,
                          {point::Reporting::Silent, point::SpanBounds::Fixed}, solver);
    if (!state)
        return std::nullopt;
    const point::MoistAirState& s = *state;
    const double atm = solver.atm ? *solver.atm : numtext::leadingNumberOr0(main.workingPressureText);

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
    column.prvalue = point::pressureRowValue(main.typedPressureText, solver.localeDecimal);

    skipOnFailure([&] { column.pvs = formatprop(moistair::psychro_pvs(s.db)); });

    // The flows: the dry air from the air flow and the volume at full
    // precision, the others from the flows as shown.
    skipOnFailure([&] {
        const std::optional<double> acfm = numtext::leadingNumber(input.acfm, solver.localeDecimal);
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
