#pragma once
// Helpers that make Qt's lists behave as the program's lists do: filling a
// list selects nothing and raises no event, and a list whose text was typed
// over has no selection.

#include <QComboBox>
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
    int index = list->currentIndex();
    if (index < 0 || list->currentText() != list->itemText(index))
        return -1;
    return index;
}

// An editable list whose typed text never becomes a new item.
inline QComboBox* makeEditableList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

} // namespace ui
