#pragma once
// The chart surface as a Qt widget. It keeps what was drawn in an image of
// its own and only shows it, so nothing is ever redrawn from data. The image
// has the widget's size in logical pixels; coordinates are in twips, 15 to a
// logical pixel.

#include "ui/chartsurface.h"
#include "ui/twips.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace ui {

class QtChartSurface : public QWidget, public ChartSurface {
    Q_OBJECT

public:
    explicit QtChartSurface(QWidget* parent = nullptr);

    // Sizes the widget and its image; what was drawn stays where it was
    // (cropped where the surface becomes smaller).
    void setSizeTwips(double widthTwips, double heightTwips);
    double widthTwips() const { return width() * twipsPerPixel; }
    double heightTwips() const { return height() * twipsPerPixel; }

    // What the surface shows.
    const QImage& image() const { return image_; }

    QColor foreground() const { return foreground_; }
    QColor background() const { return background_; }

    // The height of one printed line, in twips.
    double lineHeightTwips() const;

    void clear() override;

    void line(double x1, double y1, double x2, double y2) override;
    void line(double x1, double y1, double x2, double y2, Colour colour) override;
    void circle(double x, double y, double radius, Colour colour) override;

    void setCurrentPosition(double x, double y) override;
    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }

    void refresh() override;
    void takeFocus() override;

    bool saveAsBmp(const std::string& path, std::string& reason) override;

protected:
    void printLine(const std::string& text) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void resizeImage(QSize size);
    void drawLine(double x1, double y1, double x2, double y2, QColor colour);
    void changed(const QRect& rect);
    void showPendingChanges();

    QColor foreground_ = Qt::black;
    QColor background_ = Qt::white;
    QImage image_;
    double currentX_ = 0;
    double currentY_ = 0;

    // Changed since the last repaint by refresh(), and since the last update
    // request for the event loop.
    QRect unrefreshed_;
    QRect unscheduled_;
    bool updateScheduled_ = false;
    QElapsedTimer sinceRepaint_;
};

} // namespace ui
