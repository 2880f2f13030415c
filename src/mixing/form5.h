#pragma once
// The mixing window "Mixing problem": two inlet air streams, each given by
// two of its properties and its air flow, and their adiabatic mix, in a grid
// of three columns; with the commands to draw the mix on the main chart, to
// save it in the run data file, or to leave.

#include "mixing/drawmix.h"
#include "mixing/mixingrecord.h"
#include "mixing/mixstreams.h"
#include "mixing/streams.h"

#include "moistair/linespans.h"
#include "moistair/searches.h"

#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace chart {
class Form1;
}

namespace mixing {

// The steps that the window's input handlers run, for a caller that follows
// them.
enum class Step { Stream1, Stream2, Mix };
using StepTrace = std::function<void(Step)>;

class Form5 : public QWidget {
    Q_OBJECT

public:
    // Builds the window on the main window; load() fills it.
    explicit Form5(chart::Form1& main, StepTrace trace = {});

    // The load step: the working pressure, the screen test, the four lists
    // with their defaults (each selection solves its stream and mixes), the
    // copy of the typed pressure. Returns false when the user chose to end
    // the program at the screen question; the window must then not be shown.
    bool load();

    // The controls of one stream column.
    struct StreamCells {
        QComboBox* list1;      // first property
        QLineEdit* value1;     // its value
        QComboBox* list2;      // second property
        QLineEdit* value2;     // its value
        QLineEdit* acfm;       // air flow, acfm
        QLabel* prvalue;       // the pressure as the user typed it
        QLabel* db, *wb, *rh, *h, *v, *hr, *dp, *pv;
        QLabel* pvs, *dryair, *vapour, *moistair;
        std::string* solved;   // "1" when the column holds a complete state
    };
    StreamCells stream1Cells();
    StreamCells stream2Cells();

    // Selects an item of a property list from code; like the user's own
    // choice it runs the list's handler at once.
    void selectListItem(QComboBox* list, int index);

    // Hidden values of the window.
    double atm = 0;                  // working pressure, inches of mercury
    std::string Text51 = "0";        // stream 1 solved: "1" or "0"
    std::string Text52 = "0";        // stream 2 solved: "1" or "0"
    std::string typedPressureText;              // the main window's typed pressure, copied at load
    moistair::WetBulbFields wetBulb; // result fields of the wet-bulb solvers, shared by both streams
    moistair::LineSpan span;         // line span of the solves, shared by both streams
    MixFrame frame;                  // chart frame of the last drawing

    // Headings.
    QLabel* Label51 = nullptr;  // "Parameters"
    QLabel* Label19 = nullptr;  // "Stream 1"
    QLabel* Label21 = nullptr;  // stream 2
    QLabel* Label22 = nullptr;  // "Mixed stream"
    // Inputs.
    QComboBox* Combo1 = nullptr; // stream 1: first property
    QComboBox* Combo2 = nullptr; // stream 1: second property
    QComboBox* Combo3 = nullptr; // stream 2: first property
    QComboBox* Combo4 = nullptr; // stream 2: second property
    QLineEdit* Text4 = nullptr;  // stream 1: first value
    QLineEdit* Text5 = nullptr;  // stream 1: second value
    QLineEdit* Text6 = nullptr;  // stream 2: first value
    QLineEdit* Text7 = nullptr;  // stream 2: second value
    QLineEdit* Text2 = nullptr;  // stream 1: air flow, acfm
    QLineEdit* Text3 = nullptr;  // stream 2: air flow, acfm
    // Row captions.
    QLabel* Label17 = nullptr;  // air flow
    QLabel* Label20 = nullptr;  // pressure, by the pressure unit; empty until a stream is solved
    QLabel* Label16 = nullptr;  // dry bulb
    QLabel* Label15 = nullptr;  // wet bulb
    QLabel* Label13 = nullptr;  // relative humidity
    QLabel* Label12 = nullptr;  // enthalpy
    QLabel* Label2 = nullptr;   // specific volume
    QLabel* Label1 = nullptr;   // humidity ratio
    QLabel* Label14 = nullptr;  // dew point
    QLabel* Label18 = nullptr;  // vapour pressure
    QLabel* Label52 = nullptr;  // saturation vapour pressure
    QLabel* Label53 = nullptr;  // dry-air flow
    QLabel* Label54 = nullptr;  // water-vapour flow
    QLabel* Label55 = nullptr;  // moist-air flow
    // Value cells, column by column in row order: stream 1 Label23 to
    // Label31 and Label56 to Label59, stream 2 Label32 to Label40 and
    // Label60 to Label63, the mixed stream Label50 (air flow), Label41 to
    // Label49 and Label64 to Label67.
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label33 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label36 = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* Label38 = nullptr;
    QLabel* Label39 = nullptr;
    QLabel* Label40 = nullptr;
    QLabel* Label41 = nullptr;
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* Label44 = nullptr;
    QLabel* Label45 = nullptr;
    QLabel* Label46 = nullptr;
    QLabel* Label47 = nullptr;
    QLabel* Label48 = nullptr;
    QLabel* Label49 = nullptr;
    QLabel* Label50 = nullptr;
    QLabel* Label56 = nullptr;
    QLabel* Label57 = nullptr;
    QLabel* Label58 = nullptr;
    QLabel* Label59 = nullptr;
    QLabel* Label60 = nullptr;
    QLabel* Label61 = nullptr;
    QLabel* Label62 = nullptr;
    QLabel* Label63 = nullptr;
    QLabel* Label64 = nullptr;
    QLabel* Label65 = nullptr;
    QLabel* Label66 = nullptr;
    QLabel* Label67 = nullptr;
    // Commands.
    QPushButton* Command1 = nullptr; // Draw mixing line and points on the chart
    QPushButton* Command3 = nullptr; // Save data
    QPushButton* Command4 = nullptr; // Exit and return to chart

    // The mixing record of what the window shows now.
    point::RecordLines mixingRecord() const;

protected:
    // Closing by the title bar leaves as "Exit and return to chart" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void wireEvents();
    void stream1point();
    void stream2point();
    void streampoint(const StreamCells& cells);
    void mixstreams();
    void blankMixedColumn();
    void drawMixClicked();
    void saveDataClicked();
    void exitClicked();
    void returnToChart();
    void bringMainForward();
    void trace(Step step);

    chart::Form1& main_;
    StepTrace trace_;
    bool leaving_ = false; // the window is closing by one of its own commands
};

// Opens the mixing window from the main window's "Mixing problem": the main
// window is disabled, then the window is loaded and shown.
void Command13_Click(chart::Form1& main, const StepTrace& trace = {});

// Connects the main window's "Mixing problem" to the mixing window.
void attach(chart::Form1& main, StepTrace trace = {});

} // namespace mixing
