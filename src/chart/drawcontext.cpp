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

bool convertLimits(const LimitTexts& texts, ChartLimits& limits)
{
    bool all = convertLimit(texts.ldb, texts.localeDecimal, limits.ldb);
    all = convertLimit(texts.hdb, texts.localeDecimal, limits.hdb) && all;
    all = convertLimit(texts.lhr, texts.localeDecimal, limits.lhr) && all;
    all = convertLimit(texts.hhr, texts.localeDecimal, limits.hhr) && all;
    return all;
}

bool readChartLimits(MainState& state, const LimitTexts& limits)
{
    return convertLimits(limits, state.limits);
}

ChartLimits chosenLimits(const LimitTexts& limits)
{
    ChartLimits chosen;
    convertLimits(limits, chosen);
    return chosen;
}

void readWorkingPressure(MainState& state)
{
    state.atm = numtext::leadingNumberOr0(state.workingPressureText);
}

} // namespace chart
