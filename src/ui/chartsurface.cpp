#include "ui/chartsurface.h"

#include "numtext/numtext.h"

#include <algorithm>
#include <cmath>

namespace ui {

bool finiteCoordinates(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

PrintItem::PrintItem(double number) : text_(numtext::surfaceNumber(number)) {}

void ChartSurface::print(std::initializer_list<PrintItem> items)
{
    std::string line;
    for (const PrintItem& item : items)
        line += item.text();
    printLine(line);
}

} // namespace ui
