#include "ui/doubles/recordingsurface.h"

#include "ui/surfacefont.h"

#include <algorithm>

namespace ui {

namespace {

RecordingSurface::Operation operation(RecordingSurface::Kind kind, double x1 = 0, double y1 = 0)
{
    RecordingSurface::Operation op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    return op;
}

} // namespace

double RecordingSurface::lineHeight()
{
    return printedLineHeightTwips(surfaceFont());
}

std::vector<RecordingSurface::Operation> RecordingSurface::ofKind(Kind kind) const
{
    std::vector<Operation> found;
    std::copy_if(log_.begin(), log_.end(), std::back_inserter(found),
                 [kind](const Operation& op) { return op.kind == kind; });
    return found;
}

int RecordingSurface::count(Kind kind) const
{
    return int(std::count_if(log_.begin(), log_.end(), [kind](const Operation& op) { return op.kind == kind; }));
}

std::vector<std::string> RecordingSurface::savedPaths() const
{
    std::vector<std::string> paths;
    for (const SavedPicture& s : saved_)
        paths.push_back(s.path);
    return paths;
}

void RecordingSurface::record(const Operation& operation)
{
    log_.push_back(operation);
}

void RecordingSurface::draw(const Operation& operation)
{
    log_.push_back(operation);
    drawn_.push_back(operation);
}

void RecordingSurface::clear()
{
    record(operation(Kind::Clear));
    drawn_.clear();
}

void RecordingSurface::line(double x1, double y1, double x2, double y2)
{
    drawLine(x1, y1, x2, y2, std::nullopt);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Colour colour)
{
    drawLine(x1, y1, x2, y2, colour);
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2, std::optional<Colour> colour)
{
    if (!finiteCoordinates({x1, y1, x2, y2}))
        return;
    Operation op = operation(Kind::Line, x1, y1);
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    draw(op);
    setCurrentPosition(x2, y2);
}

void RecordingSurface::circle(double x, double y, double radius, Colour colour)
{
    if (!finiteCoordinates({x, y, radius}))
        return;
    Operation op = operation(Kind::Circle, x, y);
    op.radius = radius;
    op.colour = colour;
    draw(op);
    setCurrentPosition(x, y);
}

void RecordingSurface::setCurrentPosition(double x, double y)
{
    currentX_ = float(x);
    currentY_ = float(y);
}

void RecordingSurface::printLine(const std::string& text)
{
    Operation op = operation(Kind::Text, currentX_, currentY_);
    op.text = text;
    draw(op);
    setCurrentPosition(0, currentY_ + lineHeight());
}

void RecordingSurface::refresh()
{
    record(operation(Kind::Refresh));
}

void RecordingSurface::takeFocus()
{
    record(operation(Kind::Focus));
}

bool RecordingSurface::saveAsBmp(const std::string& path, std::string& reason)
{
    Operation save = operation(Kind::Save);
    save.text = path;
    record(save);
    if (saveFailure_) {
        reason = *saveFailure_;
        return false;
    }
    saved_.push_back({path, drawn_});
    return true;
}

} // namespace ui
