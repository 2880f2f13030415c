#include "ui/chartsurface.h"

#include "numtext/numtext.h"

namespace ui {

PrintItem::PrintItem(double number) : text_(numtext::surfaceNumber(number)) {}

void ChartSurface::print(std::initializer_list<PrintItem> items)
{
    std::string line;
    for (const PrintItem& item : items)
        line += item.text();
    printLine(line);
}

} // namespace ui
