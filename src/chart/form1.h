#pragma once
// The main window "Psychrometric chart - English Units": a band of controls
// above the chart surface `graph`, and the state every window shares.

#include "chart/datacommands.h"
#include "chart/drawcontext.h"
#include "chart/linecommands.h"
#include "chart/mainstate.h"
#include "chart/rundatafile.h"
#include "ui/chartsurface.h"
#include "ui/dialogs.h"
#include "ui/programlist.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace ui {
class QtChartSurface;
}

namespace chart {

class Form4;
class Form2;
class Form6;

// What the main window is built with: the desktop's dialogs, the folder of
// the run data file, and, for tests, a surface to draw on in place of the
// window's own.
struct Form1Setup {
    ui::Dialogs* dialogs = nullptr;
    std::string dataFolder;
    ui::ChartSurface* surface = nullptr;
};

// True when the screen is at least pixelWidth by pixelHeight pixels, counting
// 15 twips to the pixel whatever the screen's real resolution.
bool CheckRez(const ui::ScreenSize& screen, int pixelWidth, int pixelHeight);

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(const Form1Setup& setup);
    ~Form1() override;

    // The load step. Returns false when the user chose to end the program at
    // the screen question; the window must then not be shown.
    bool load();

    // Operations of other windows, attached when those windows are built.
    struct Hooks {
        std::function<void()> updatereadout;
        std::function<void()> locatePoint;
        // "Mixing problem": opens the mixing window.
        std::function<void()> mixingProblem;
        // Ends the program at once ("Exit"); tests put their own in its place.
        std::function<void()> quit = endProgram;
    } hooks;

    MainState state;

    // The chart surface that every drawing goes to.
    ui::ChartSurface& surface() { return *surface_; }
    ui::Dialogs& dialogs() { return *dialogs_; }
    const RunDataFile& runData() const { return runData_; }
    // The program's folder: it holds the run data file and the help document.
    const std::string& dataFolder() const { return dataFolder_; }

    // The horizontal and vertical extents of the drawing on the chart
    // surface, in twips.
    double W() const;
    double H() const;

    // The chart limits as the four lists show them now.
    LimitTexts limitTexts() const;
    // What a drawing on the chart works with.
    DrawContext drawContext();

    // The busy indicator.
    void setbusy();
    void clearbusy();

    // Selects an item of a list from code; like the user's own selection it
    // runs the list's click handler at once.
    void selectListItem(QComboBox* list, int index);

    // Controls, named as the program's documents name them.
    ui::ProgramList* Combo1 = nullptr; // first known property
    ui::ProgramList* Combo2 = nullptr; // second known property
    ui::ProgramList* Combo3 = nullptr; // lower dry-bulb limit
    ui::ProgramList* Combo4 = nullptr; // higher dry-bulb limit
    ui::ProgramList* Combo5 = nullptr; // lower humidity-ratio limit
    ui::ProgramList* Combo6 = nullptr; // higher humidity-ratio limit
    QLineEdit* Text1 = nullptr;  // relative humidity of a line
    QLineEdit* Text2 = nullptr;  // wet bulb of a line
    QLineEdit* Text3 = nullptr;  // enthalpy of a line
    QLineEdit* Text6 = nullptr;  // specific volume of a line
    QLineEdit* Text4 = nullptr;  // value of the first known property
    QLineEdit* Text5 = nullptr;  // value of the second known property
    QLineEdit* Text7 = nullptr;  // point identification
    QLabel* Label4 = nullptr;    // busy indicator
    QLabel* Label13 = nullptr;   // readout: dry bulb
    QLabel* Label14 = nullptr;   // readout: wet bulb
    QLabel* Label15 = nullptr;   // readout: relative humidity
    QLabel* Label16 = nullptr;   // readout: enthalpy
    QLabel* Label17 = nullptr;   // readout: specific volume
    QLabel* Label18 = nullptr;   // readout: humidity ratio
    QLabel* Label24 = nullptr;   // readout: dew point
    QLabel* Label26 = nullptr;   // readout: vapour pressure
    QPushButton* Command1 = nullptr;  // View saved data
    QPushButton* Command2 = nullptr;  // Save data in file
    QPushButton* Command3 = nullptr;  // Draw chart
    QPushButton* Command4 = nullptr;  // Set/reset atmos pressure
    QPushButton* Command5 = nullptr;  // Rel. Humidity line
    QPushButton* Command6 = nullptr;  // Const WB line
    QPushButton* Command7 = nullptr;  // Const Enthal line
    QPushButton* Command8 = nullptr;  // Exit
    QPushButton* Command9 = nullptr;  // Const sp vol line
    QPushButton* Command11 = nullptr; // Save chart
    QPushButton* Command12 = nullptr; // Clear chart
    QPushButton* Command13 = nullptr; // Mixing problem
    QPushButton* Command14 = nullptr; // Locate point
    QPushButton* Command16 = nullptr; // Help
    ui::QtChartSurface* graph = nullptr;

    // The save-file dialog of the main window; it keeps the name last chosen.
    ui::SaveFileDialog CommonDialog1;

    // The chart-type dialog while it is open.
    Form6* chartTypeDialog() const;
    // The viewer of the run data file while it is open.
    Form4* savedDataViewer() const;
    // The pressure dialog while it is open.
    Form2* pressureDialog() const;
    // The result window of "Locate point" while it is open. It works on this
    // window: it closes with it and goes with it, and stays in front of it.
    QWidget* locatePointWindow() const;
    void setLocatePointWindow(QWidget* window);
    // The mixing window while it is open. It works on this window: it closes
    // with it and goes with it, and stays in front of it.
    QWidget* mixingWindow() const;
    void setMixingWindow(QWidget* window);

    // The commands on the chart as a whole.
    void drawChartClicked();
    void clearChartClicked();
    // Clears the chart and its picture, empties the input boxes (raising the
    // live readout) and the readout, and marks that no chart is drawn.
    enum class Readout { KeepDewPoint, BlankDewPoint };
    void clearChartAndInputs(Readout readout);
    // A line of constant property through the value typed in the box.
    void drawLineClicked(LineKind kind, const QLineEdit* value);
    void saveChartClicked();
    // Set/reset atmos pressure: opens the pressure dialog.
    void setPressureClicked();
    // Draws the chart of the type chosen in the chart-type dialog.
    void drawchart();

    // The commands on the run data file, Exit and Help.
    void viewSavedDataClicked();
    void saveDataClicked();
    void exitClicked();
    void helpClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showChartTypeDialog();
    void keepInFront(QWidget* child);
    void buildControls();
    void wireEvents();
    void runReadout();
    void setWorkingPressure();
    void printStartCaption();
    bool askToEndForSmallScreen();
    void fillLists();
    void sizeSurfaceToScreen();
    void emptyRunData();

    ui::Dialogs* dialogs_;
    ui::ChartSurface* surface_;
    QScrollArea* graphArea_ = nullptr; // shows the part of the chart surface that the window has room for
    RunDataFile runData_;
    std::string dataFolder_;
    QPointer<Form4> form4_;
    QPointer<Form6> form6_;
    QPointer<Form2> form2_;
    QPointer<QWidget> form3_;
    QPointer<QWidget> form5_;
};

} // namespace chart
