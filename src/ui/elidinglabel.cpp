#include "ui/elidinglabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace ui {

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width() - 2 * margin());
}

void ElidingLabel::widenToWindowEdge(int margin)
{
    resize(std::max(width(), parentWidget()->width() - margin - x()), height());
}

bool ElidingLabel::event(QEvent* event)
{
    // A text cut short is shown whole in the tooltip, as it stands: a tooltip
    // reads a text that looks like markup as markup, so it is given escaped,
    // its blanks kept and on one line. One that shows whole needs none.
    if (event->type() == QEvent::ToolTip) {
        if (shownText() == text()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               "<p style=\"white-space:pre\">" + text().toHtmlEscaped() + "</p>", this);
        }
        return true;
    }
    return QLabel::event(event);
}

void ElidingLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shown, foregroundRole());
}

} // namespace ui
