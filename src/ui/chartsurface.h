#pragma once
// The chart surface: a persistent image drawn in twips (15 to a pixel, y
// growing downward). Everything drawn stays until the image is cleared.

#include "ui/colour.h"

#include <initializer_list>
#include <string>
#include <variant>

namespace ui {

// One item of a printed line: a text, printed unchanged, or a number, printed
// in the surface's number form (" 10 ", " .005 ").
class PrintItem {
public:
    PrintItem(const char* text) : text_(std::string(text)) {}
    PrintItem(std::string text) : text_(std::move(text)) {}
    PrintItem(double number);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Whether every coordinate is a finite number.
bool finiteCoordinates(std::initializer_list<double> values);

class ChartSurface {
public:
    virtual ~ChartSurface() = default;

    // Erases everything drawn, leaving the background.
    virtual void clear() = 0;

    // A line in the surface's foreground colour, or in the given colour. The
    // current position is left at the second point. A line or circle with a
    // coordinate that is not a finite number draws nothing and leaves the
    // current position where it was.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // A circle of the given radius; the current position is left at its centre.
    virtual void circle(double x, double y, double radius, Colour colour) = 0;

    // The current position, where the next print puts the top-left corner of
    // its text.
    virtual void setCurrentPosition(double x, double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;

    // Prints the items one after another on one line at the current position,
    // then moves the current position to the left edge, one text line lower.
    void print(std::initializer_list<PrintItem> items);

    // Shows what was drawn since the last refresh at once, without waiting
    // for the event loop.
    virtual void refresh() = 0;
    // Gives the surface the keyboard focus.
    virtual void takeFocus() = 0;

    // Saves what the surface shows as a BMP file. On failure returns false
    // and sets the reason.
    virtual bool saveAsBmp(const std::string& path, std::string& reason) = 0;

protected:
    // Draws one line of text at the current position and moves the position
    // as print() says.
    virtual void printLine(const std::string& text) = 0;
};

} // namespace ui
