#pragma once
// The pressure dialog "Change pressure": the barometric pressure of the chart
// given in inches of mercury, pounds per square inch or site elevation, shown
// in all three units while it is typed, and made the working pressure by Set.

#include <QWidget>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace chart {

class Form1;

// The units of the unit list, by index.
enum class PressureUnit { Default = 0, InchesHg = 1, Psi = 2, Elevation = 3 };

// What the live conversion shows for the text of the value box under a unit
// (an index of the unit list): the pressure in inches of mercury, in pounds
// per square inch and as elevation in feet. nullopt leaves a label as it is.
// A value without a result in a double shows an empty text.
struct PressureReadings {
    std::optional<std::string> inchesHg;
    std::optional<std::string> psi;
    std::optional<std::string> feet;
};
PressureReadings convertPressure(int unit, const std::string& typed);

// The working pressure that Set makes of the typed value, in inches of
// mercury as text: nullopt when the value lies outside the unit's range or
// has no result in a double; an accepted value with no pressure to write
// (no unit chosen) gives an empty text.
std::optional<std::string> acceptedPressure(int unit, const std::string& typed);

class Form2 : public QWidget {
    Q_OBJECT

public:
    // Builds the controls; load() fills them and shows the dialog.
    explicit Form2(Form1& main);

    // Fills the dialog afresh (Default unit, 29.92126), resets the working
    // pressure to 29.92126, disables the main window and shows the dialog.
    // Leaving without Set gives the working pressure back as it was.
    void load();

    QLabel* Label3 = nullptr;        // heading
    QLabel* Label1 = nullptr;        // "Choose unit"
    QLabel* Label2 = nullptr;        // "Input value"
    QComboBox* Combo1 = nullptr;     // the unit; its index is a PressureUnit
    QLineEdit* Text1 = nullptr;      // the value box: the pressure in the chosen unit
    QLabel* Label4 = nullptr;        // unit of the value box
    QLabel* Label11 = nullptr;       // accepted range of the unit
    QLabel* Label5 = nullptr;        // "Inches of Hg"
    QLabel* Label8 = nullptr;        // the pressure in inches of mercury
    QLabel* Label6 = nullptr;        // "Pound/sq inch"
    QLabel* Label9 = nullptr;        // the pressure in pounds per square inch
    QLabel* Label7 = nullptr;        // "Elevation in feet"
    QLabel* Label10 = nullptr;       // the site elevation in feet
    QPushButton* Command2 = nullptr; // Return to chart
    QPushButton* Command1 = nullptr; // Set/Change chart atmos. pressure

protected:
    // Closing by the title bar leaves as "Return to chart" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void selectUnit(int index);
    void unitChosen();
    void showConversion();
    void setClicked();
    void applyPressure();
    void bringMainForward();

    Form1& main_;
    std::string pressureAtOpening_; // the working pressure when the dialog opened
    bool pressureSet_ = false;      // Set made the typed pressure the working one
};

} // namespace chart
