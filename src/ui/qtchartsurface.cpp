#include "ui/qtchartsurface.h"

#include "ui/savewhole.h"
#include "ui/surfacefont.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// The shortest time between two repaints by refresh(): about one frame of
// the screen. Changes made in between are shown by the next repaint, or by
// the event loop when drawing stops.
constexpr qint64 minRepaintIntervalMs = 15;

// Images are never made larger than this many pixels a side.
constexpr int maxSidePixels = 32767;

// Clips the segment (in pixels) to the rectangle; false when nothing of it
// lies inside. Keeps far-away ends from overflowing when rounded.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, const QRectF& box)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.left(), box.right() - x1, y1 - box.top(), box.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ox1 = x1;
    const double oy1 = y1;
    x1 = ox1 + t0 * dx;
    y1 = oy1 + t0 * dy;
    x2 = ox1 + t1 * dx;
    y2 = oy1 + t1 * dy;
    return true;
}

QColor toQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

QtChartSurface::QtChartSurface(QWidget* parent) : QWidget(parent)
{
    setFont(surfaceFont());
    setFocusPolicy(Qt::ClickFocus); // takes no keys: never a Tab stop, which would show no focus
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeImage(size());
}

void QtChartSurface::setSizeTwips(double widthTwips, double heightTwips)
{
    auto side = [](double twips) {
        if (!std::isfinite(twips))
            return 1;
        return int(std::clamp(std::round(twips / twipsPerPixel), 1.0, double(maxSidePixels)));
    };
    const QSize pixels(side(widthTwips), side(heightTwips));
    resize(pixels);
    // A hidden widget gets its resize event only when shown: size the image
    // now, so that drawing before the first showing lands on the whole surface.
    resizeImage(pixels);
}

void QtChartSurface::resizeEvent(QResizeEvent* event)
{
    resizeImage(event->size());
    QWidget::resizeEvent(event);
}

void QtChartSurface::resizeImage(QSize size)
{
    size = size.expandedTo(QSize(1, 1)).boundedTo(QSize(maxSidePixels, maxSidePixels));
    if (image_.size() == size)
        return;
    QImage image(size, QImage::Format_RGB32);
    // Text is drawn at the widget's own resolution.
    image.setDotsPerMeterX(int(std::lround(logicalDpiX() / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(logicalDpiY() / 0.0254)));
    image.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, image_);
    }
    image_ = image;
    changed(image_.rect());
}

double QtChartSurface::lineHeightTwips() const
{
    return printedLineHeightTwips(font());
}

void QtChartSurface::clear()
{
    image_.fill(background_);
    changed(image_.rect());
}

void QtChartSurface::line(double x1, double y1, double x2, double y2)
{
    drawLine(x1, y1, x2, y2, foreground_);
}

void QtChartSurface::line(double x1, double y1, double x2, double y2, Colour colour)
{
    drawLine(x1, y1, x2, y2, toQColor(colour));
}

void QtChartSurface::drawLine(double x1, double y1, double x2, double y2, QColor colour)
{
    if (!finiteCoordinates({x1, y1, x2, y2}))
        return;
    setCurrentPosition(x2, y2);

    double px1 = x1 / twipsPerPixel;
    double py1 = y1 / twipsPerPixel;
    double px2 = x2 / twipsPerPixel;
    double py2 = y2 / twipsPerPixel;
    if (!clipSegment(px1, py1, px2, py2, QRectF(image_.rect()).adjusted(-2, -2, 2, 2)))
        return;
    const QPoint from(int(std::lround(px1)), int(std::lround(py1)));
    const QPoint to(int(std::lround(px2)), int(std::lround(py2)));
    QPainter painter(&image_);
    painter.setPen(QPen(colour, 0));
    painter.drawLine(from, to);
    painter.end();
    changed(QRect(from, to).normalized().adjusted(-1, -1, 1, 1));
}

void QtChartSurface::circle(double x, double y, double radius, Colour colour)
{
    if (!finiteCoordinates({x, y, radius}))
        return;
    setCurrentPosition(x, y);

    const double r = std::abs(radius) / twipsPerPixel;
    const double cx = x / twipsPerPixel;
    const double cy = y / twipsPerPixel;
    const QRectF bounds(cx - r, cy - r, 2 * r, 2 * r);
    if (!bounds.adjusted(-1, -1, 1, 1).intersects(QRectF(image_.rect())))
        return;
    const QPointF centre(std::round(cx), std::round(cy));
    QPainter painter(&image_);
    painter.setPen(QPen(toQColor(colour), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    painter.end();
    changed(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r).toAlignedRect().adjusted(-2, -2, 2, 2));
}

void QtChartSurface::setCurrentPosition(double x, double y)
{
    // The position is kept in single precision.
    currentX_ = float(x);
    currentY_ = float(y);
}

void QtChartSurface::printLine(const std::string& text)
{
    const QString qtext = QString::fromStdString(text);
    const double x = currentX_ / twipsPerPixel;
    const double y = currentY_ / twipsPerPixel;
    const QFontMetrics metrics(font(), &image_);
    if (!qtext.isEmpty() && finiteCoordinates({x, y}) && std::abs(x) < maxSidePixels && std::abs(y) < maxSidePixels) {
        const QPoint topLeft(int(std::lround(x)), int(std::lround(y)));
        const QPoint baseline = topLeft + QPoint(0, metrics.ascent());
        QPainter painter(&image_);
        painter.setFont(font());
        painter.setPen(foreground_);
        painter.drawText(baseline, qtext);
        painter.end();
        const QRect box(topLeft, QSize(metrics.horizontalAdvance(qtext), metrics.height()));
        changed(box.united(metrics.boundingRect(qtext).translated(baseline)).adjusted(-2, -2, 2, 2));
    }
    setCurrentPosition(0, currentY_ + lineHeightTwips());
}

void QtChartSurface::changed(const QRect& rect)
{
    const QRect inside = rect.intersected(image_.rect());
    if (inside.isEmpty())
        return;
    unrefreshed_ |= inside;
    unscheduled_ |= inside;
    // What was drawn is shown when the event loop runs next, refreshed or not.
    if (!updateScheduled_) {
        updateScheduled_ = true;
        QMetaObject::invokeMethod(this, &QtChartSurface::showPendingChanges, Qt::QueuedConnection);
    }
}

void QtChartSurface::showPendingChanges()
{
    updateScheduled_ = false;
    update(unscheduled_);
    unscheduled_ = QRect();
}

void QtChartSurface::refresh()
{
    if (unrefreshed_.isEmpty())
        return;
    if (!isVisible()) {
        unrefreshed_ = QRect();
        return;
    }
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < minRepaintIntervalMs)
        return;
    repaint(unrefreshed_);
    unrefreshed_ = QRect();
    sinceRepaint_.start();
}

void QtChartSurface::takeFocus()
{
    setFocus(Qt::OtherFocusReason);
}

void QtChartSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
        if (!image_.rect().contains(rect))
            painter.fillRect(rect, background_);
        painter.drawImage(rect.topLeft(), image_, rect);
    }
}

bool QtChartSurface::saveAsBmp(const std::string& path, std::string& reason)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image_)) {
        reason = writer.errorString().toStdString();
        return false;
    }
    return saveWhole(path, bytes, reason);
}

} // namespace ui
