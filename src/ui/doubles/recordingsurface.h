#pragma once
// A chart surface for tests: it records every operation in order, and keeps
// what the real surface shows as a list of primitives, so that a test can ask
// what is visible.

#include "ui/chartsurface.h"

#include <optional>
#include <string>
#include <vector>

namespace ui {

class RecordingSurface : public ChartSurface {
public:
    // The height of one printed line, in twips: that of the window's own
    // surface.
    static double lineHeight();

    enum class Kind { Line, Circle, Text, Clear, Refresh, Focus, Save };

    struct Operation {
        Kind kind = Kind::Line;
        // Line: from (x1, y1) to (x2, y2). Circle: centre (x1, y1).
        // Text: top-left corner (x1, y1).
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        double radius = 0;
        // Line and Circle; empty for a line in the foreground colour.
        std::optional<Colour> colour;
        // Text: the printed line. Save: the path.
        std::string text;
        friend bool operator==(const Operation&, const Operation&) = default;
    };

    struct SavedPicture {
        std::string path;
        std::vector<Operation> content;
    };

    // Every operation since construction or the last forgetLog(), in order.
    const std::vector<Operation>& log() const { return log_; }
    void forgetLog() { log_.clear(); }

    // What the surface shows: the primitives (lines, circles, texts) drawn
    // since the last clear.
    const std::vector<Operation>& visible() const { return drawn_; }

    // Operations of the log by kind.
    std::vector<Operation> lines() const { return ofKind(Kind::Line); }
    std::vector<Operation> circles() const { return ofKind(Kind::Circle); }
    std::vector<Operation> texts() const { return ofKind(Kind::Text); }
    std::vector<Operation> ofKind(Kind kind) const;
    int count(Kind kind) const;
    int refreshCount() const { return count(Kind::Refresh); }
    int focusCount() const { return count(Kind::Focus); }

    // The files saved successfully, with what the surface showed at each.
    const std::vector<SavedPicture>& saved() const { return saved_; }
    std::vector<std::string> savedPaths() const;

    // Makes every later save fail with the reason.
    void failSaves(std::string reason) { saveFailure_ = std::move(reason); }

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

private:
    void drawLine(double x1, double y1, double x2, double y2, std::optional<Colour> colour);
    void record(const Operation& operation);
    void draw(const Operation& operation);

    std::vector<Operation> log_;
    std::vector<Operation> drawn_;
    std::vector<SavedPicture> saved_;
    std::optional<std::string> saveFailure_;
    // Kept in single precision, as the real surface keeps it.
    float currentX_ = 0;
    float currentY_ = 0;
};

} // namespace ui
