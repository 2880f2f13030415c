#pragma once
// A label for a text of any length, such as a typed identification or a
// number as long as the user cares to type: a text that does not fit shows
// cut short with an ellipsis, and its tooltip shows it whole and as it
// stands, never read as markup. text() is always the whole text.

#include <QLabel>

namespace ui {

class ElidingLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The text as it shows: whole when it fits, else cut short to end in an
    // ellipsis.
    QString shownText() const;

    // Widens the label to the right, keeping its left and top, to end the
    // given number of pixels short of its window's right edge.
    void widenToWindowEdge(int margin);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
