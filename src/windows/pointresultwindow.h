#pragma once
// The result window "Locate point": the full state of the point that
// "Locate point" has just solved, with the commands to save it in the run
// data file, to mark it on the chart, or to leave.

#include "point/locatepoint.h"
#include "point/records.h"
#include "ui/elidinglabel.h"

#include "windows/childwindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace windows {

// Leaving it, by any of its commands or by its title bar, gives the main
// window its input back with the busy indicator cleared and the focus on the
// chart.
class PointResultWindow : public ChildWindow {
    Q_OBJECT

public:
    // Builds the window and shows the point in it, with the point
    // identification of the main window as it is now ("Nil" when empty).
    PointResultWindow(MainWindow& main, const point::LocatedPoint& located);

    // The point record of what the window shows now.
    point::RecordLines pointRecord() const;
    // The labels of the point's values, in display order.
    std::array<QLabel*, point::stateValueCount> valueLabels() const;

    QLabel* pointIdCaption = nullptr; // "Point Id"
    ui::ElidingLabel* pointId = nullptr; // point identification, or "Nil"
    QLabel* heading = nullptr;
    QLabel* pressureCaption = nullptr; // by the unit the pressure was given in
    QLabel* pressureValue = nullptr;   // the pressure as the user typed it in that unit
    QLabel* dryBulbCaption = nullptr;
    QLabel* dryBulb = nullptr;
    QLabel* wetBulbCaption = nullptr;
    QLabel* wetBulb = nullptr;
    QLabel* relativeHumidityCaption = nullptr;
    QLabel* relativeHumidity = nullptr;
    QLabel* enthalpyCaption = nullptr;
    QLabel* enthalpy = nullptr;
    QLabel* volumeCaption = nullptr;
    QLabel* volume = nullptr;
    QLabel* humidityRatioCaption = nullptr;
    QLabel* humidityRatio = nullptr;
    QLabel* dewPointCaption = nullptr;
    QLabel* dewPoint = nullptr;
    QLabel* vapourPressureCaption = nullptr;
    QLabel* vapourPressure = nullptr;
    QPushButton* saveDataButton = nullptr;      // Save data
    QPushButton* locateOnChartButton = nullptr; // Locate point on the chart
    QPushButton* exitButton = nullptr;          // Exit and return to chart

private:
    void buildControls();
    void load(const point::LocatedPoint& located);
    void locateOnChart();
};

} // namespace windows
