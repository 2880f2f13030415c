#pragma once
// The property lists of the main window and the mixing window: their items,
// the seven properties in their order, and the property that a list and the
// box beside it give.

#include "point/propertykind.h"
#include "point/solvepoint.h"
#include "ui/controls.h"

#include <QLineEdit>
#include <QStringList>

namespace windows {

inline QStringList propertyListItems()
{
    QStringList items;
    for (const char* caption : point::propertyCaptions)
        items << caption;
    return items;
}

// The kind chosen in the list (none when its text was typed over) and the
// value typed in the box.
inline point::GivenProperty givenProperty(const QComboBox* list, const QLineEdit* value)
{
    return {point::chosenKind(ui::listIndex(list)), value->text().toStdString()};
}

} // namespace windows
