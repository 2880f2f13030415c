#include "ui/textfit.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

int textWidth(const QWidget* control, const QString& text)
{
    return int(std::ceil(QFontMetricsF(control->font()).horizontalAdvance(text)));
}

// What the list's frame and arrow take of its width.
int listRim(const QComboBox* list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    return list->width() - field.width();
}

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

} // namespace

QFont twipWindowFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(10);
    font.setStretch(80);
    return font;
}

int widthToShow(const QWidget* control, const QString& text)
{
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return textWidth(list, text) + listRim(list);
    if (auto* label = qobject_cast<const QLabel*>(control))
        return textWidth(label, text) + label->width() - label->contentsRect().width() + 2 * label->margin();
    return control->sizeHint().width();
}

void widenToShow(QWidget* control, const QStringList& texts)
{
    int width = control->width();
    for (const QString& text : texts)
        width = std::max(width, widthToShow(control, text));
    control->resize(width, control->height());
}

void widenToShow(QWidget* control, const std::vector<std::string>& texts)
{
    QStringList shown;
    for (const std::string& text : texts)
        shown << QString::fromStdString(text);
    widenToShow(control, shown);
}

void widenToShowTexts(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (auto* list = qobject_cast<QComboBox*>(control))
            widenToShow(list, itemsOf(list));
        else if (auto* button = qobject_cast<QPushButton*>(control))
            button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
        else if (auto* label = qobject_cast<QLabel*>(control))
            widenToShow(label, {label->text()});
    }
}

} // namespace ui
