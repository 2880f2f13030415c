#pragma once
// A layout that sets its items in a row from left to right, in the order they
// were added, and starts a new row below when the next item would pass the
// right edge: it takes as many rows as its width needs.

#include <QLayout>
#include <QList>

namespace ui {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(int horizontalSpacing = 6, int verticalSpacing = 2);
    ~FlowLayout() override;

    // Adds a group of controls that stays together on one row.
    void addGroup(QLayout* group);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items within the rectangle, or only measures when
    // placing is false; returns the height they take.
    int arrange(const QRect& rect, bool placing) const;

    QList<QLayoutItem*> items_;
    int horizontalSpacing_;
    int verticalSpacing_;
};

} // namespace ui
