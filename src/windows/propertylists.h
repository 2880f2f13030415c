#pragma once
// The items of every property list: the seven properties in their order.

#include "chart/mainstate.h"

#include <QStringList>

namespace windows {

inline QStringList propertyListItems()
{
    QStringList items;
    for (const char* caption : chart::propertyCaptions)
        items << caption;
    return items;
}

} // namespace windows
