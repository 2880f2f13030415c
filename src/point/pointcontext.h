#pragma once
// What the point operations work with in the main window: what a drawing on
// its chart works with, its dialogs, its readout and the point
// identification typed there.

#include "chart/drawcontext.h"
#include "point/solvepoint.h"
#include "ui/dialogs.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace point {

// The texts of the main window's readout in display order: dry bulb, wet
// bulb, relative humidity, enthalpy, specific volume, humidity ratio, dew
// point, vapour pressure. A text left out leaves its label as it is.
using ReadoutTexts = std::array<std::optional<std::string>, stateValueCount>;

// The two properties of the point as the main window gives them.
struct PointInputs {
    GivenProperty first, second;
};

struct PointContext {
    chart::DrawContext draw;
    ui::Dialogs& dialogs;
    std::function<void(const ReadoutTexts&)> showReadout;
    std::string pointIdentification;
};

} // namespace point
