#pragma once
// The chart-type dialog "Chart type option": a standard chart or a blank one.
// Its exit, its close box and Escape close it and do nothing else.

#include "chart/mainstate.h"

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
    // with the type chosen.
    explicit ChartTypeDialog(std::function<void(chart::ChartType)> draw);

    QGroupBox* chartTypeGroup = nullptr;
    QRadioButton* standardChartOption = nullptr; // Draw standard chart
    QRadioButton* blankChartOption = nullptr;    // Draw blank chart
    QPushButton* drawChartButton = nullptr;      // Draw chart
    QPushButton* exitButton = nullptr;           // Exit and return to main chart

private:
    void drawChosenChart();

    std::function<void(chart::ChartType)> draw_;
};

} // namespace windows
