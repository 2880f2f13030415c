#include "chart/pressure.h"

#include "moistair/psychro.h"
#include "numtext/numtext.h"

#include <algorithm>

namespace chart {
namespace {

// Pounds per square inch in one inch of mercury, and the reverse.
constexpr double psiPerInchHg = 0.4911541;
constexpr double inchesHgPerPsi = 2.036021;

// The text of v times the factor; empty when v has no value in a double or
// the product overflows.
std::string productText(std::optional<double> v, double factor)
{
    return v ? numtext::generalText(*v * factor) : std::string();
}

// The barometric pressure at the elevation; nullopt when the elevation has
// none (above about 145446 ft, or a value without a result in a double).
std::optional<double> pressureAtElevation(std::optional<double> elevation)
{
    std::optional<double> pressure;
    if (elevation)
        moistair::skipOnFailure([&] { pressure = moistair::psychro_atm(*elevation); });
    return pressure;
}

} // namespace

double workingPressureOf(const std::string& text)
{
    const double typed = numtext::leadingNumberOr0(text);
    return typed > 0 ? typed : standardPressure;
}

void settleWorkingPressure(MainState& state)
{
    if (!(numtext::leadingNumberOr0(state.workingPressureText) > 0))
        state.workingPressureText = standardPressureText;
    state.atm = workingPressureOf(state.workingPressureText);
}

PressureReadings convertPressure(std::optional<PressureUnit> unit, const std::string& typed, char localeDecimal)
{
    // Only a value that Set could take shows converted: a number as a whole.
    const std::optional<double> v = numtext::wholeNumber(typed, localeDecimal);
    PressureReadings shown;
    if (!unit)
        return shown;
    switch (*unit) {
    case PressureUnit::Default:
    case PressureUnit::InchesHg:
        shown.inchesHg = typed;
        shown.psi = productText(v, psiPerInchHg);
        break;
    case PressureUnit::Psi:
        shown.inchesHg = typed.empty() ? std::string() : productText(v, inchesHgPerPsi);
        if (!typed.empty())
            shown.psi = typed;
        break;
    case PressureUnit::Elevation: {
        const std::optional<double> pressure = pressureAtElevation(v);
        shown.inchesHg = pressure ? numtext::generalText(*pressure) : std::string();
        // The pounds value comes from the inches as shown; shown too large
        // for a double, it has none.
        shown.psi = pressure ? productText(numtext::ownLeadingNumber(*shown.inchesHg), psiPerInchHg) : std::string();
        shown.feet = typed;
        break;
    }
    }
    return shown;
}

std::optional<std::string> acceptedPressure(std::optional<PressureUnit> unit, const std::string& typed,
                                            char localeDecimal)
{
    if (unit == PressureUnit::Default)
        return std::string(standardPressureText);
    if (!unit)
        return std::string();
    const std::optional<double> v = numtext::wholeNumber(typed, localeDecimal);
    const PressureUnitInfo& range = pressureUnitInfo(*unit);
    if (!v || *v < range.low || *v > range.high)
        return std::nullopt;
    switch (*unit) {
    case PressureUnit::InchesHg: {
        // Every reader of the working pressure takes the point alone: where
        // the locale's separator stood, it finds the point, and so the same
        // number.
        std::string working = typed;
        std::replace(working.begin(), working.end(), localeDecimal, '.');
        return working;
    }
    case PressureUnit::Psi:
        return productText(v, inchesHgPerPsi);
    default: {
        const std::optional<double> pressure = pressureAtElevation(v);
        if (!pressure)
            return std::nullopt;
        return numtext::generalText(*pressure);
    }
    }
}

} // namespace chart
