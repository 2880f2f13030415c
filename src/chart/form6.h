#pragma once
// The chart-type dialog "Chart type option": a standard chart or a blank one.

#include <QWidget>

#include <functional>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace chart {

class Form6 : public QWidget {
    Q_OBJECT

public:
    // draw runs when the user asks for the chart, after the dialog has closed,
    // with "1" for the standard chart or "2" for the blank one.
    explicit Form6(std::function<void(const char* chartType)> draw);

    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr; // Draw standard chart
    QRadioButton* Option2 = nullptr; // Draw blank chart
    QPushButton* Command1 = nullptr; // Draw chart
    QPushButton* Command2 = nullptr; // Exit and return to main chart

private:
    void drawChosenChart();

    std::function<void(const char*)> draw_;
};

} // namespace chart
