#pragma once
// The units in which the user gives the barometric pressure, each with every
// text that names it: in the pressure dialog, in the chart's caption and in
// the pressure row of the result windows and the records.

#include <iterator>
#include <optional>

namespace chart {

// The units of the pressure dialog's unit list, by index.
enum class PressureUnit { Default = 0, InchesHg = 1, Psi = 2, Elevation = 3 };

struct PressureUnitInfo {
    const char* listCaption;   // item of the unit list
    const char* caption;       // unit of the value box
    const char* rangeText;     // accepted range, as shown
    double low, high;          // accepted range, both ends included
    const char* chartQuantity; // the chart's caption: the quantity before the pressure as typed
    const char* chartUnit;     // and the unit after it
    const char* rowCaption;    // caption of the pressure row
};

// By PressureUnit.
inline constexpr PressureUnitInfo pressureUnits[] = {
    {"Default", "Inches of Hg", "", 0, 0, "Atmos. pr=", "In Hg", "Atmos. pr (in Hg)"},
    {"Inches of Hg", "Inches of Hg", "(5.906 - 147.65)", 5.906, 147.65, "Atmos. pr=", "In Hg", "Atmos. pr (in Hg)"},
    {"Pounds/sq inch", "Pounds/sq inch", "(2.9 - 72.5)", 2.9, 72.5, "Atmos. pr=", "Pounds/sq inch",
     "Atmos. pr (Pounds/sq inch)"},
    {"Elevation in feet", "Elevation in feet", "(0 - 38650)", 0, 38650, "Site elevation=", "ft",
     "Site elevation (ft)"},
};

// The unit at an index of the unit list; none for an index that is no unit
// (no unit chosen).
constexpr std::optional<PressureUnit> pressureUnitAt(int index)
{
    if (index < 0 || index >= int(std::size(pressureUnits)))
        return std::nullopt;
    return PressureUnit(index);
}

// What the table holds of a unit.
constexpr const PressureUnitInfo& pressureUnitInfo(PressureUnit unit)
{
    return pressureUnits[int(unit)];
}

} // namespace chart
