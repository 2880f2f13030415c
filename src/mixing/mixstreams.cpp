#include "mixing/mixstreams.h"

#include "moistair/psychro.h"
#include "numtext/numtext.h"

#include <cmath>

namespace mixing {
namespace {

using moistair::skipOnFailure;

double number(const std::string& text)
{
    return numtext::leadingNumberOr0(text);
}

// The text a mixed cell shows: seven decimals, empty when that text reads
// as -1.
std::string shown(double value)
{
    std::string text = numtext::formatprop(value);
    if (number(text) == -1)
        text.clear();
    return text;
}

// The air flow typed for a stream, when it is a positive number.
std::optional<double> positiveFlow(const StreamTexts& stream, char localeDecimal)
{
    const std::optional<double> acfm = numtext::leadingNumber(stream.acfm, localeDecimal);
    if (acfm && *acfm > 0)
        return acfm;
    return std::nullopt;
}

} // namespace

std::optional<MixedColumn> mixstreams(const StreamTexts& stream1, const StreamTexts& stream2,
                                      const std::string& typedPressure, const std::string& pressureText,
                                      double& atm, char localeDecimal)
{
    const std::optional<double> acfm1 = positiveFlow(stream1, localeDecimal);
    const std::optional<double> acfm2 = positiveFlow(stream2, localeDecimal);
    if (!stream1.solved || !stream2.solved || !acfm1 || !acfm2)
        return std::nullopt;

    MixedColumn mix;
    const double acfm = *acfm1 + *acfm2;
    if (!std::isfinite(acfm))
        return std::nullopt;
    mix.acfm = numtext::generalText(acfm);

    mix.prvalue = typedPressure;
    if (numtext::leadingNumber(typedPressure, localeDecimal) == -1.0)
        mix.prvalue.clear();

    mix.dryair = shown(number(stream1.dryair) + number(stream2.dryair));
    mix.vapour = shown(number(stream1.vapour) + number(stream2.vapour));
    mix.moistair = shown(number(mix.dryair) + number(mix.vapour));

    // The means weighted by the moist-air flows. A mixed flow that shows as
    // 0 weighs nothing: there is no mean to take.
    const double m1 = number(stream1.moistair);
    const double m2 = number(stream2.moistair);
    const double m = number(mix.moistair);
    if (m == 0)
        return std::nullopt;
    const double h = (number(stream1.h) * m1 + number(stream2.h) * m2) / m;
    const double hr = (number(stream1.hr) * m1 + number(stream2.hr) * m2) / m;
    if (!std::isfinite(h) || !std::isfinite(hr))
        return std::nullopt;
    mix.h = shown(h);
    mix.hr = shown(hr);

    const double hShown = number(mix.h);
    const double hrShown = number(mix.hr);
    std::optional<double> db;
    skipOnFailure([&] { db = moistair::dbwithhandhr(hShown, hrShown); });
    if (!db)
        return std::nullopt;
    mix.db = shown(*db);
    const double dbShown = number(mix.db);

    skipOnFailure([&] { mix.pvs = shown(moistair::psychro_pvs(dbShown)); });
    atm = number(pressureText);
    skipOnFailure([&] { mix.wb = shown(moistair::psychro_wb(dbShown, hShown, atm)); });
    const double wbShown = number(mix.wb);
    skipOnFailure([&] { mix.rh = shown(moistair::psychro_rh(dbShown, wbShown, atm)); });
    skipOnFailure([&] { mix.v = shown(moistair::psychro_v(dbShown, wbShown, atm)); });
    skipOnFailure([&] { mix.pv = shown(moistair::psychro_pv1(dbShown, wbShown, atm)); });
    skipOnFailure([&] { mix.dp = shown(moistair::psychro_dp(number(mix.pv))); });
    return mix;
}

} // namespace mixing
