#include "ui/editablelist.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

EditableList::EditableList(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // typed text is never completed into an item
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typedOver_ = true; });
    // Qt also activates an item whose text was typed and confirmed; only a
    // choice from the list itself counts.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!typedOver_)
            emit chosen(index);
    });
}

void EditableList::showPopup()
{
    typedOver_ = false;
    QComboBox::showPopup();
}

void EditableList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        typedOver_ = false;
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void EditableList::wheelEvent(QWheelEvent* event)
{
    typedOver_ = false;
    QComboBox::wheelEvent(event);
}

} // namespace ui
