#pragma once
// An editable list that knows whether its text was typed over, behaving as
// the program's lists do: a choice is made only from the list itself (its
// drop-down, the arrow keys or the wheel); typing over its text leaves it
// with no choice and raises no event, even when the typed text equals an
// item.

#include <QComboBox>

namespace ui {

class EditableList : public QComboBox {
    Q_OBJECT

public:
    explicit EditableList(QWidget* parent = nullptr);

    // True from the user's typing until the next choice from the list.
    bool typedOver() const { return typedOver_; }

    void showPopup() override;

signals:
    // The user chose the item from the list.
    void chosen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool typedOver_ = false;
};

} // namespace ui
