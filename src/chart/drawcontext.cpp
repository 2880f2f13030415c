#include "chart/drawcontext.h"

#include "numtext/numtext.h"

namespace chart {
bool convertLimit(const std::string& text, char localeDecimal, double& limit)
{
    std::optional<double> value = numtext::wholeNumber(text, localeDecimal);
    if (!value)
        return false;
    limit = *value;
    return true;
}

bool readChartLimits(MainState& state, const LimitTexts& limits)
{
    bool all = convertLimit(limits.ldb, limits.localeDecimal, state.limits.ldb);
    all = convertLimit(limits.hdb, limits.localeDecimal, state.limits.hdb) && all;
    all = convertLimit(limits.lhr, limits.localeDecimal, state.limits.lhr) && all;
    all = convertLimit(limits.hhr, limits.localeDecimal, state.limits.hhr) && all;
    return all;
}

ChartLimits chosenLimits(const LimitTexts& limits)
{
    ChartLimits chosen;
    convertLimit(limits.ldb, limits.localeDecimal, chosen.ldb);
    convertLimit(limits.hdb, limits.localeDecimal, chosen.hdb);
    convertLimit(limits.lhr, limits.localeDecimal, chosen.lhr);
    convertLimit(limits.hhr, limits.localeDecimal, chosen.hhr);
    return chosen;
}

void readWorkingPressure(MainState& state)
{
    state.atm = numtext::leadingNumberOr0(state.workingPressureText);
}

} // namespace chart
