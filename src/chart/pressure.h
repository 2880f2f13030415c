#pragma once
// The barometric pressure of the chart as the user gives it: in inches of
// mercury, pounds per square inch or as a site elevation in feet, shown in all
// three units while it is typed, and made the working pressure by Set.

#include "chart/mainstate.h"
#include "chart/pressureunit.h"

#include <optional>
#include <string>

namespace chart {

// The working pressure that its text gives: the text's number when it is
// positive, else the standard pressure.
double workingPressureOf(const std::string& text);

// Makes the working pressure that of its text; a text without a positive
// number becomes the standard pressure.
void settleWorkingPressure(MainState& state);

// What the live conversion shows for the text of the value box under a unit
// (none when no unit is chosen): the pressure in inches of mercury, in pounds
// per square inch and as elevation in feet. nullopt leaves a label as it is.
// A text that is not a number as a whole (blanks around it aside), and a
// value without a result in a double, show an empty text where a converted
// value would stand. The typed value may use the locale's decimal separator
// as well as the point.
struct PressureReadings {
    std::optional<std::string> inchesHg;
    std::optional<std::string> psi;
    std::optional<std::string> feet;
};
PressureReadings convertPressure(std::optional<PressureUnit> unit, const std::string& typed, char localeDecimal);

// The working pressure that Set makes of the typed value, in inches of
// mercury as text: nullopt when the value is not a number as a whole (blanks
// around it aside), lies outside the unit's range or has no result in a
// double; an accepted value with no pressure to write
// (no unit chosen) gives an empty text. A value typed in inches of mercury is
// kept as typed, the locale's decimal separator written as a point, so that
// the working pressure reads back as the number the user typed.
std::optional<std::string> acceptedPressure(std::optional<PressureUnit> unit, const std::string& typed,
                                            char localeDecimal);

} // namespace chart
