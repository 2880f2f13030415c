#include "ui/keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace ui {
namespace {

void chainTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// Outside a dialog a Qt button takes Enter only when it is marked as one
// that a dialog presses while it has the focus.
void pressButtonsWithEnter(QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

// Shows the focus from the moment the window opens: Qt shows it only once
// Tab has been used in the window, and the keyboard may have opened it. When
// asked, closes the window on an Escape that no control of it took.
class WindowKeys : public QObject {
public:
    WindowKeys(QWidget* window, EscapeCloses escape) : QObject(window), escape_(escape) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show)
            window->setAttribute(Qt::WA_KeyboardFocusChange);
        if (escape_ == EscapeCloses::No || event->type() != QEvent::KeyPress
            || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return false;
        window->close();
        return true;
    }

private:
    EscapeCloses escape_;
};

} // namespace

void setKeyboard(QWidget* window, std::initializer_list<QWidget*> tabOrder, EscapeCloses escape)
{
    chainTabOrder(tabOrder);
    pressButtonsWithEnter(window);
    window->installEventFilter(new WindowKeys(window, escape));
}

} // namespace ui
