#pragma once
// Helpers that make Qt's lists behave as the program's lists do: filling a
// list selects nothing and raises no event, and a list whose text was typed
// over has no selection.

#include "ui/editablelist.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>

namespace ui {

// Fills the list with the items, leaving nothing selected and raising no event.
inline void fillList(QComboBox* list, const QStringList& items)
{
    QSignalBlocker quiet(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

// Selects the item without raising an event; the caller runs the list's
// click handler itself, at once.
inline void setListIndex(QComboBox* list, int index)
{
    QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

// The index of the selected item, or -1 when nothing is selected or the text
// was typed over.
inline int listIndex(const QComboBox* list)
{
    if (auto* typed = qobject_cast<const EditableList*>(list); typed && typed->typedOver())
        return -1;
    int index = list->currentIndex();
    if (index < 0 || list->currentText() != list->itemText(index))
        return -1;
    return index;
}

// Every label of the window shows its text as it stands: a typed text such as
// "<b>AHU</b>" or a file's contents is never taken for markup.
inline void showLabelTextsAsTheyStand(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

// The room that the windows laid out in twips keep between their controls
// and their edges, in pixels.
inline constexpr int windowMargin = 120 / twipsPerPixel;

// Names the control and places it at a rectangle given in twips.
template <class Widget>
Widget* placeInTwips(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
    return widget;
}

// A list the user may type into; its typed text never becomes a new item nor
// a choice.
inline EditableList* makeEditableList(QWidget* parent, const char* name)
{
    auto* list = new EditableList(parent);
    list->setObjectName(name);
    return list;
}

} // namespace ui
