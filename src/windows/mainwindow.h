#pragma once
// The main window "Psychrometric chart - English Units": a band of controls
// above the chart surface, and the state every window shares.

#include "chart/datacommands.h"
#include "chart/drawcontext.h"
#include "chart/linecommands.h"
#include "chart/mainstate.h"
#include "chart/rundatafile.h"
#include "chart/scales.h"
#include "point/pointcontext.h"
#include "point/records.h"
#include "ui/chartsurface.h"
#include "ui/dialogs.h"
#include "ui/editablelist.h"
#include "windows/childwindow.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class FlowLayout;
class QtChartSurface;
}

namespace windows {

class ChartTypeDialog;
class MixingWindow;
class PointResultWindow;
class PressureDialog;
class SavedDataViewer;

// What the main window is built with: the desktop's dialogs, the folder of
// the run data file, and, for tests, a surface to draw on in place of the
// window's own.
struct MainWindowSetup {
    ui::Dialogs* dialogs = nullptr;
    std::string dataFolder;
    ui::ChartSurface* surface = nullptr;
};

// The question of the main window and the mixing window on a screen smaller
// than 1024 by 728 pixels; true when the user chose to end the program.
bool endForSmallScreen(ui::Dialogs& dialogs);

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowSetup& setup);
    ~MainWindow() override;

    // The load step. Returns false when the user chose to end the program at
    // the screen question; the window must then not be shown.
    bool load();

    // What the window's commands run; tests put their own in their place.
    struct Hooks {
        std::function<void()> updateReadout;            // the live readout
        std::function<void()> locatePoint;              // "Locate point"
        std::function<void()> mixingProblem;            // "Mixing problem": opens the mixing window
        std::function<void()> quit = chart::endProgram; // ends the program at once ("Exit")
    } hooks;

    chart::MainState state;

    // The chart surface that every drawing goes to.
    ui::ChartSurface& surface() { return *surface_; }
    ui::Dialogs& dialogs() { return *dialogs_; }
    const chart::RunDataFile& runData() const { return runData_; }
    // The program's folder: it holds the run data file and the help document.
    const std::string& dataFolder() const { return dataFolder_; }

    // The horizontal and vertical extents of the drawing on the chart
    // surface, in twips.
    double W() const;
    double H() const;

    // The chart limits as the four lists show them now.
    chart::LimitTexts limitTexts() const;
    // What a drawing on the chart works with.
    chart::DrawContext drawContext();
    // What the point operations work with.
    point::PointContext pointContext();
    // The two chosen properties and their values, as typed.
    point::PointInputs pointInputs() const;

    // The busy indicator.
    void setbusy();
    void clearbusy();

    // Selects an item of a list from code; like the user's own selection it
    // runs the list's click handler at once.
    void selectListItem(QComboBox* list, int index);

    // The known properties of a point and their values.
    ui::EditableList* firstPropertyList = nullptr;
    ui::EditableList* secondPropertyList = nullptr;
    QLineEdit* firstPropertyValue = nullptr;
    QLineEdit* secondPropertyValue = nullptr;
    QLineEdit* pointIdentification = nullptr;
    // The chart limits.
    ui::EditableList* lowerDryBulbList = nullptr;
    ui::EditableList* higherDryBulbList = nullptr;
    ui::EditableList* lowerHumidityRatioList = nullptr;
    ui::EditableList* higherHumidityRatioList = nullptr;
    // The values of the line commands.
    QLineEdit* relativeHumidityLineValue = nullptr;
    QLineEdit* wetBulbLineValue = nullptr;
    QLineEdit* enthalpyLineValue = nullptr;
    QLineEdit* volumeLineValue = nullptr;
    // The busy indicator and the readout of the point.
    QLabel* busyIndicator = nullptr;
    QLabel* readoutDryBulb = nullptr;
    QLabel* readoutWetBulb = nullptr;
    QLabel* readoutRelativeHumidity = nullptr;
    QLabel* readoutEnthalpy = nullptr;
    QLabel* readoutVolume = nullptr;
    QLabel* readoutHumidityRatio = nullptr;
    QLabel* readoutDewPoint = nullptr;
    QLabel* readoutVapourPressure = nullptr;
    // The commands.
    QPushButton* drawChartButton = nullptr;
    QPushButton* clearChartButton = nullptr;
    QPushButton* saveChartButton = nullptr;
    QPushButton* setPressureButton = nullptr;
    QPushButton* mixingProblemButton = nullptr;
    QPushButton* viewSavedDataButton = nullptr;
    QPushButton* saveDataInFileButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* relativeHumidityLineButton = nullptr;
    QPushButton* wetBulbLineButton = nullptr;
    QPushButton* enthalpyLineButton = nullptr;
    QPushButton* volumeLineButton = nullptr;
    QPushButton* locatePointButton = nullptr;
    // The chart surface that the window shows (drawings go to surface(),
    // which is this one unless a test gave another).
    ui::QtChartSurface* surfaceWidget = nullptr;

    // The save-file dialog of the main window; it keeps the name last chosen.
    ui::SaveFileDialog saveFileDialog;

    // The child windows while they are open. Each works on this window: it
    // closes with it, goes with it, and stays in front of it.
    ChartTypeDialog* chartTypeDialog() const;
    SavedDataViewer* savedDataViewer() const;
    PressureDialog* pressureDialog() const;
    PointResultWindow* pointResultWindow() const;
    MixingWindow* mixingWindow() const;
    void setMixingWindow(MixingWindow* window);

    // The commands on the chart as a whole.
    void drawChartClicked();
    void clearChartClicked();
    // Clears the chart, empties the input boxes (raising the live readout)
    // and the readout, and marks that no chart is drawn.
    enum class DewPointReadout { Keep, Blank };
    void clearChartAndInputs(DewPointReadout dewPoint);
    // A line of constant property through the value typed in the box.
    void drawLineClicked(chart::LineKind kind, const QLineEdit* value);
    void saveChartClicked();
    // Set/reset atmos pressure: opens the pressure dialog.
    void setPressureClicked();
    // Draws the chart of the type chosen in the chart-type dialog.
    void drawchart();

    // The point: the live readout, and "Locate point", which opens the
    // result window.
    void updateReadout();
    void locatePointClicked();

    // The commands on the run data file, Exit and Help.
    void viewSavedDataClicked();
    void saveDataClicked();
    void exitClicked();
    void helpClicked();
    // Appends a record of a result window to the run data file; once one is
    // written, "Save data in file" is enabled.
    void saveRecord(const point::RecordLines& record);

    // Brings the window to the front, when it is shown.
    void bringForward();
    // Disables the window while a child window is open, remembering the
    // control that opened it.
    void waitForChild();
    // Takes the window's input back from a child window that closes.
    void returnFromChild(ChildReturn how);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showChartTypeDialog();
    void keepInFront(QWidget* child);
    void centreOver(QWidget* child) const;
    chart::Extents extents() const;
    void buildControls();
    ui::FlowLayout* buildCommandBand();
    ui::FlowLayout* buildLimitsAndLinesBand();
    ui::FlowLayout* buildPointBand();
    QWidget* buildChartArea();
    void setKeyboardOrder();
    void wireEvents();
    void runReadout();
    void fillLists();
    void sizeSurfaceToScreen();
    void emptyRunData();
    void showReadout(const point::ReadoutTexts& texts);
    // The labels of the readout, in display order.
    std::array<QLabel*, point::stateValueCount> readoutLabels() const;

    ui::Dialogs* dialogs_;
    ui::ChartSurface* surface_;
    QWidget* surfaceArea_ = nullptr; // shows the part of the chart surface that the window has room for
    chart::RunDataFile runData_;
    std::string dataFolder_;
    QPointer<SavedDataViewer> savedDataViewer_;
    QPointer<ChartTypeDialog> chartTypeDialog_;
    QPointer<PressureDialog> pressureDialog_;
    QPointer<PointResultWindow> pointResultWindow_;
    QPointer<MixingWindow> mixingWindow_;
    QPointer<QWidget> childOpener_; // the control that opened the child window now open
};

} // namespace windows
