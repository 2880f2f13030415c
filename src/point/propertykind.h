#pragma once
// The seven properties by which the user gives a point of moist air, in the
// order of every property list.

#include <optional>

namespace point {

enum class PropertyKind { DryBulb, WetBulb, RelativeHumidity, HumidityRatio, Enthalpy, DewPoint, SpecificVolume };

inline constexpr int propertyKindCount = 7;

// The items of every property list, in the order of the kinds.
inline constexpr const char* propertyCaptions[propertyKindCount] = {
    "Dry bulb temp, Deg F", "Wet bulb temp, Deg F", "Rel humidity, percent", "Humidity ratio, decimal",
    "Specific enthalpy, btu/lb", "Dew point, Deg F", "Specific vol, cuf/lb",
};

// The kind that a property list holds chosen at the index: nothing when
// nothing is chosen (-1, as for a list whose text was typed over).
inline std::optional<PropertyKind> chosenKind(int listIndex)
{
    if (listIndex < 0 || listIndex >= propertyKindCount)
        return std::nullopt;
    return PropertyKind(listIndex);
}

} // namespace point
