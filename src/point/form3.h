#pragma once
// The result window "Locate point": the full state of the point that
// "Locate point" has just solved, with the commands to save it in the run
// data file, to mark it on the chart, or to leave.

#include "point/records.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace chart {
class Form1;
}

namespace point {

class Form3 : public QWidget {
    Q_OBJECT

public:
    // Builds the window and loads it: the heading, and the point
    // identification of the main window as it is now ("Nil" when empty).
    explicit Form3(chart::Form1& main);

    // The point record of what the window shows now.
    RecordLines pointRecord() const;

    QLabel* Label17 = nullptr;  // "Point Id"
    QLabel* Label16 = nullptr;  // point identification, or "Nil"
    QLabel* Label15 = nullptr;  // heading
    QLabel* Label20 = nullptr;  // pressure caption, by the pressure unit
    QLabel* Label21 = nullptr;  // pressure as the user typed it in that unit
    QLabel* Label1 = nullptr;   // "Dry bulb temp (Deg F)"
    QLabel* Label7 = nullptr;   // dry bulb
    QLabel* Label2 = nullptr;   // "Wet bulb temp (Deg F)"
    QLabel* Label8 = nullptr;   // wet bulb
    QLabel* Label3 = nullptr;   // "Relative humidity (%)"
    QLabel* Label9 = nullptr;   // relative humidity
    QLabel* Label4 = nullptr;   // "Specific enthalpy (btu/lb)"
    QLabel* Label10 = nullptr;  // enthalpy
    QLabel* Label5 = nullptr;   // "Specific volume (cuf/lb)"
    QLabel* Label11 = nullptr;  // specific volume
    QLabel* Label6 = nullptr;   // "Humidity ratio (lb/lb of air)"
    QLabel* Label12 = nullptr;  // humidity ratio
    QLabel* Label14 = nullptr;  // "Dew point (Deg F)"
    QLabel* Label13 = nullptr;  // dew point
    QLabel* Label18 = nullptr;  // "Vapor pressure (In Hg)"
    QLabel* Label19 = nullptr;  // vapour pressure
    QPushButton* Command3 = nullptr; // Save data
    QPushButton* Command1 = nullptr; // Locate point on the chart
    QPushButton* Command2 = nullptr; // Exit and return to chart

protected:
    // Closing by the title bar leaves as "Exit and return to chart" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void load();
    void saveData();
    void locatepointonchart();
    // Gives the main window back its input: enabled, busy indicator
    // cleared, focus on the chart, brought to the front.
    void returnToChart();

    chart::Form1& main_;
};

} // namespace point
