#pragma once
// The chart-type dialog "Chart type option": a standard chart or a blank one.

#include <QWidget>

#include <functional>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace windows {

class ChartTypeDialog : public QWidget {
    Q_OBJECT

public:
    // draw runs when the user asks for the chart, after the dialog has closed,
    // with "1" for the standard chart or "2" for the blank one.
    explicit ChartTypeDialog(std::function<void(const char* chartType)> draw);

    QGroupBox* chartTypeGroup = nullptr;
    QRadioButton* standardChartOption = nullptr; // Draw standard chart
    QRadioButton* blankChartOption = nullptr;    // Draw blank chart
    QPushButton* drawChartButton = nullptr;      // Draw chart
    QPushButton* exitButton = nullptr;           // Exit and return to main chart

private:
    void drawChosenChart();

    std::function<void(const char*)> draw_;
};

} // namespace windows
