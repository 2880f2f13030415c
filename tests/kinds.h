#pragma once
// The seven property kinds by the short names the tests write them with, and
// a property list's index of each.

#include "point/propertykind.h"

#include <optional>

namespace testsupport {

using point::PropertyKind;
using Kind = std::optional<PropertyKind>; // nothing: no kind chosen

inline constexpr PropertyKind DB = PropertyKind::DryBulb, WB = PropertyKind::WetBulb,
                              RH = PropertyKind::RelativeHumidity, HR = PropertyKind::HumidityRatio,
                              H = PropertyKind::Enthalpy, DP = PropertyKind::DewPoint,
                              V = PropertyKind::SpecificVolume;
// A list with no kind chosen, as one whose text was typed over.
inline constexpr Kind noKind = std::nullopt;

// The index of the kind in a property list; -1 for none.
constexpr int listIndexOf(Kind kind) { return kind ? int(*kind) : -1; }

} // namespace testsupport
