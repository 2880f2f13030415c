#pragma once
// The pressure dialog "Change pressure": the barometric pressure of the chart
// given in inches of mercury, pounds per square inch or site elevation, shown
// in all three units while it is typed, and made the working pressure by Set.

#include "chart/pressureunit.h"
#include "ui/elidinglabel.h"

#include "windows/childwindow.h"

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace windows {

// Leaving it, by Set, by "Return to chart" or by its title bar, gives the
// main window its input back and brings it forward.
class PressureDialog : public ChildWindow {
    Q_OBJECT

public:
    // Builds the controls; load() fills them and shows the dialog.
    explicit PressureDialog(MainWindow& main);

    // Fills the dialog afresh (Default unit, 29.92126), disables the main
    // window and shows the dialog. The working pressure stays the one in
    // force until Set: whatever is computed or drawn meanwhile (the chart-type
    // dialog stays usable) agrees with the chart caption.
    void load();

    QLabel* heading = nullptr;
    QLabel* unitCaption = nullptr;  // "Choose unit"
    QLabel* valueCaption = nullptr; // "Input value"
    QComboBox* unitList = nullptr;  // its index is a chart::PressureUnit
    QLineEdit* valueBox = nullptr;  // the pressure in the chosen unit
    QLabel* valueUnit = nullptr;    // unit of the value box
    QLabel* valueRange = nullptr;   // accepted range of the unit
    QLabel* inchesCaption = nullptr;
    ui::ElidingLabel* inchesValue = nullptr; // the pressure in inches of mercury
    QLabel* poundsCaption = nullptr;
    ui::ElidingLabel* poundsValue = nullptr; // the pressure in pounds per square inch
    QLabel* elevationCaption = nullptr;
    ui::ElidingLabel* elevationValue = nullptr; // the site elevation in feet
    QPushButton* returnButton = nullptr; // Return to chart
    QPushButton* setButton = nullptr;    // Set/Change chart atmos. pressure

private:
    void buildControls();
    void selectUnit(int index);
    std::optional<chart::PressureUnit> chosenUnit() const; // none when no unit is chosen
    void unitChosen();
    void showConversion();
    void setClicked();
    void applyPressure();
};

} // namespace windows
