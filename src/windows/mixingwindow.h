#pragma once
// The mixing window "Mixing problem": two inlet air streams, each given by
// two of its properties and its air flow, and their adiabatic mix, in a grid
// of three columns; with the commands to draw the mix on the main chart, to
// save it in the run data file, or to leave.

#include "mixing/drawmix.h"
#include "mixing/mixingrecord.h"
#include "mixing/mixstreams.h"
#include "mixing/streams.h"

#include "chart/linespans.h"
#include "moistair/searches.h"

#include "windows/childwindow.h"

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace windows {

class MainWindow;

// The steps that the window's input handlers run, for a caller that follows
// them.
enum class MixingStep { Stream1, Stream2, Mix };
using StepTrace = std::function<void(MixingStep)>;

// The value cells of one column, in row order.
struct ColumnCells {
    QLabel* pressure = nullptr; // the pressure as the user typed it
    QLabel* dryBulb = nullptr;
    QLabel* wetBulb = nullptr;
    QLabel* relativeHumidity = nullptr;
    QLabel* enthalpy = nullptr;
    QLabel* volume = nullptr;
    QLabel* humidityRatio = nullptr;
    QLabel* dewPoint = nullptr;
    QLabel* vapourPressure = nullptr;
    QLabel* saturationPressure = nullptr; // vapour pressure at saturation
    QLabel* dryAirFlow = nullptr;
    QLabel* vapourFlow = nullptr;
    QLabel* moistAirFlow = nullptr;
};

// Leaving it by "Exit and return to chart" or by its title bar gives the
// main window its input back with the busy indicator cleared and the focus on
// the chart; after drawing the mix, it is only brought forward.
class MixingWindow : public ChildWindow {
    Q_OBJECT

public:
    // Builds the window on the main window; load() fills it.
    explicit MixingWindow(MainWindow& main, StepTrace trace = {});

    // The load step: the working pressure, the screen test, the four lists
    // with their defaults (each selection solves its stream and mixes), the
    // copy of the typed pressure. Returns false when the user chose to end
    // the program at the screen question; the window must then not be shown.
    bool load();

    // The controls of one stream column.
    struct StreamCells {
        QComboBox* firstList;
        QLineEdit* firstValue;
        QComboBox* secondList;
        QLineEdit* secondValue;
        QLineEdit* airFlow; // acfm
        ColumnCells cells;
        bool* solved; // the column holds a complete state
    };
    StreamCells stream1Cells();
    StreamCells stream2Cells();

    // Selects an item of a property list from code; like the user's own
    // choice it runs the list's handler at once.
    void selectListItem(QComboBox* list, int index);

    // Hidden values of the window.
    double atm = 0;                  // working pressure, inches of mercury
    bool stream1Solved = false;      // stream 1's column holds a complete state
    bool stream2Solved = false;      // stream 2's column holds a complete state
    std::string typedPressureText;   // the main window's typed pressure, copied at load
    moistair::WetBulbFields wetBulb; // result fields of the wet-bulb solvers, shared by both streams
    chart::LineSpan span;            // line span of the solves, shared by both streams

    // Headings.
    QLabel* parametersHeading = nullptr; // "Parameters"
    QLabel* stream1Heading = nullptr;
    QLabel* stream2Heading = nullptr;
    QLabel* mixedHeading = nullptr;
    // Inputs.
    QComboBox* stream1FirstList = nullptr;
    QLineEdit* stream1FirstValue = nullptr;
    QComboBox* stream1SecondList = nullptr;
    QLineEdit* stream1SecondValue = nullptr;
    QLineEdit* stream1AirFlow = nullptr;
    QComboBox* stream2FirstList = nullptr;
    QLineEdit* stream2FirstValue = nullptr;
    QComboBox* stream2SecondList = nullptr;
    QLineEdit* stream2SecondValue = nullptr;
    QLineEdit* stream2AirFlow = nullptr;
    // Row captions.
    QLabel* airFlowCaption = nullptr;
    QLabel* pressureCaption = nullptr; // by the pressure unit; empty until a stream is solved
    QLabel* dryBulbCaption = nullptr;
    QLabel* wetBulbCaption = nullptr;
    QLabel* relativeHumidityCaption = nullptr;
    QLabel* enthalpyCaption = nullptr;
    QLabel* volumeCaption = nullptr;
    QLabel* humidityRatioCaption = nullptr;
    QLabel* dewPointCaption = nullptr;
    QLabel* vapourPressureCaption = nullptr;
    QLabel* saturationPressureCaption = nullptr;
    QLabel* dryAirFlowCaption = nullptr;
    QLabel* vapourFlowCaption = nullptr;
    QLabel* moistAirFlowCaption = nullptr;
    // Value cells.
    ColumnCells stream1Column;
    ColumnCells stream2Column;
    ColumnCells mixedColumn;
    QLabel* mixedAirFlow = nullptr;
    // Commands.
    QPushButton* drawMixButton = nullptr;  // Draw mixing line and points on the chart
    QPushButton* saveDataButton = nullptr; // Save data
    QPushButton* exitButton = nullptr;     // Exit and return to chart

    // The mixing record of what the window shows now.
    point::RecordLines mixingRecord() const;

private:
    void buildControls();
    void buildGridRules();
    void buildHeadings();
    void buildStreamInputs();
    void buildColumns();
    void buildCommands();
    void wireEvents();
    void stream1Changed();
    void stream2Changed();
    // Each solves its stream and shows it in the stream's column, blanking
    // the mixed state.
    void showStream1();
    void showStream2();
    void showStream(const StreamCells& cells);
    // Mixes the two streams as their columns show them and shows the mix;
    // blanks the mixed column, and disables "Save data", when there is none.
    void showMix();
    void blankMixedColumn();
    void drawMixClicked();
    void trace(MixingStep step);

    StepTrace trace_;
};

// Opens the mixing window from the main window's "Mixing problem": the main
// window is disabled, then the window is loaded and shown.
void openMixingWindow(MainWindow& main, const StepTrace& trace = {});

// The mixing windows that "Mixing problem" opens from now on tell trace the
// steps they run.
void traceMixingSteps(MainWindow& main, StepTrace trace);

} // namespace windows
