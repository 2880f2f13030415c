#include "windows/mixingwindow.h"

#include "windows/mainwindow.h"
#include "windows/propertylists.h"

#include "chart/pressure.h"
#include "numtext/numtext.h"
#include "point/records.h"
#include "ui/controls.h"
#include "ui/keyboard.h"
#include "ui/localenumbers.h"
#include "ui/singleline.h"
#include "ui/textfit.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace windows {
namespace {

using ui::twipsPerPixel;

std::string textOf(const QLabel* label)
{
    return label->text().toStdString();
}

std::string textOf(const QLineEdit* box)
{
    return box->text().toStdString();
}

void setCell(QLabel* cell, const std::string& text)
{
    cell->setText(QString::fromStdString(text));
}

// Columns of the grid, in twips: left edge and width of the cells.
constexpr int captionLeft = 240, captionWidth = 2220;
constexpr int stream1Left = 3000, stream2Left = 6360, mixedLeft = 10320;
constexpr int stream1Width = 3120, stream2Width = 3600, mixedWidth = 2160;

// The rows below the inputs, each with its caption and its cell in every
// column; the cells lie short of the rule below them.
struct Row {
    int top, height;
    QLabel* MixingWindow::*caption;
    const char* name; // of the caption and, after the column's name, of the cells
    const char* captionText;
    QLabel* ColumnCells::*cell;
};
constexpr Row rows[] = {
    {2400, 345, &MixingWindow::pressureCaption, "Pressure", "", &ColumnCells::pressure},
    {2880, 345, &MixingWindow::dryBulbCaption, "DryBulb", "Dry bulb temp (Deg F)", &ColumnCells::dryBulb},
    {3360, 240, &MixingWindow::wetBulbCaption, "WetBulb", "Wet bulb temp (Deg F)", &ColumnCells::wetBulb},
    {3720, 345, &MixingWindow::relativeHumidityCaption, "RelativeHumidity", "Relative humidity (%)",
     &ColumnCells::relativeHumidity},
    {4200, 345, &MixingWindow::enthalpyCaption, "Enthalpy", "Specific enthalpy (btu/lb)", &ColumnCells::enthalpy},
    {4680, 345, &MixingWindow::volumeCaption, "Volume", "Specific volume (cuf/lb)", &ColumnCells::volume},
    {5160, 345, &MixingWindow::humidityRatioCaption, "HumidityRatio", "Humidity ratio (lb/lb of air)",
     &ColumnCells::humidityRatio},
    {5640, 345, &MixingWindow::dewPointCaption, "DewPoint", "Dew point (Deg F)", &ColumnCells::dewPoint},
    {6120, 345, &MixingWindow::vapourPressureCaption, "VapourPressure", "Vapor pressure (In Hg)",
     &ColumnCells::vapourPressure},
    {6600, 465, &MixingWindow::saturationPressureCaption, "SaturationPressure", "Vapor pr. at saturation (In Hg)",
     &ColumnCells::saturationPressure},
    {7080, 465, &MixingWindow::dryAirFlowCaption, "DryAirFlow", "Dry air fow rate (lb/min)", &ColumnCells::dryAirFlow},
    {7560, 465, &MixingWindow::vapourFlowCaption, "VapourFlow", "Water vapor flow rate  (lb/min)",
     &ColumnCells::vapourFlow},
    {8040, 465, &MixingWindow::moistAirFlowCaption, "MoistAirFlow", "Moist air flow rate (lb/min)",
     &ColumnCells::moistAirFlow},
};

// A label of the window, named and placed at a rectangle given in twips.
QLabel* placeLabel(QWidget* window, const std::string& name, const char* text, int left, int top, int width,
                   int height)
{
    return ui::placeInTwips(new QLabel(text, window), name.c_str(), left, top, width, height);
}

// Every value cell of a column, in row order.
std::vector<QLabel*> cellsOf(const ColumnCells& column)
{
    std::vector<QLabel*> cells;
    for (const Row& row : rows)
        cells.push_back(column.*row.cell);
    return cells;
}

} // namespace

MixingWindow::MixingWindow(MainWindow& main, StepTrace trace)
    : ChildWindow(main, ChildReturn::ClearBusyAndFocusChart), trace_(std::move(trace))
{
    setObjectName("mixingWindow");
    setWindowTitle("Mixing problem");
    buildControls();
    wireEvents();
}

void MixingWindow::buildControls()
{
    setFont(ui::twipWindowFont());
    setFixedSize(12615 / twipsPerPixel, 9495 / twipsPerPixel);
    buildGridRules();
    buildHeadings();
    buildStreamInputs();
    buildColumns();
    ui::showLabelTextsAsTheyStand(this);
    buildCommands();
    // The captions and the commands show their texts whole too.
    ui::widenToShowTexts(this);
    // Tab goes row by row over the grid, then through the commands.
    ui::setKeyboard(this,
                    {stream1FirstList, stream1FirstValue, stream2FirstList, stream2FirstValue, stream1SecondList,
                     stream1SecondValue, stream2SecondList, stream2SecondValue, stream1AirFlow, stream2AirFlow,
                     drawMixButton, saveDataButton, exitButton},
                    ui::EscapeCloses::Yes);
}

// The rules of the grid.
void MixingWindow::buildGridRules()
{
    for (int x : {2520, 6240, 10080}) {
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::VLine);
        rule->setFrameShadow(QFrame::Plain);
        ui::placeInTwips(rule, "verticalRule", x, 240, twipsPerPixel, 6480 - 240);
    }
    for (int y : {240, 720, 2280, 2760, 3240, 3600, 4080, 4560, 5040, 5520, 6000, 6480}) {
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Plain);
        ui::placeInTwips(rule, "horizontalRule", 0, y, 12480, twipsPerPixel);
    }
}

// The headings of the caption column and of the three value columns.
void MixingWindow::buildHeadings()
{
    parametersHeading = placeLabel(this, "parametersHeading", "Parameters", captionLeft, 360, captionWidth, 345);
    stream1Heading = placeLabel(this, "stream1Heading", "Stream 1", stream1Left, 360, stream1Width, 345);
    stream2Heading = placeLabel(this, "stream2Heading", "Steram 2", stream2Left, 360, stream2Width, 345);
    mixedHeading = placeLabel(this, "mixedHeading", "Mixed stream", mixedLeft, 360, mixedWidth, 345);
}

// The inputs of the two streams: two property lists with their value boxes,
// and the air flow.
void MixingWindow::buildStreamInputs()
{
    // The property lists are drop-down lists without typing: only a choice
    // from a list solves its stream.
    auto list = [this](const char* name, int left, int top, int width) {
        return ui::placeInTwips(new QComboBox(this), name, left, top, width, 375);
    };
    auto box = [this](const char* name, int left, int top, int width) {
        return ui::placeInTwips(new QLineEdit(this), name, left, top, width, 375);
    };
    stream1FirstList = list("stream1FirstList", 2640, 840, 1935);
    stream1FirstValue = box("stream1FirstValue", 4800, 840, 1335);
    stream1SecondList = list("stream1SecondList", 2640, 1320, 1935);
    stream1SecondValue = box("stream1SecondValue", 4800, 1320, 1335);
    stream2FirstList = list("stream2FirstList", 6360, 840, 1695);
    stream2FirstValue = box("stream2FirstValue", 8280, 840, 1695);
    stream2SecondList = list("stream2SecondList", 6360, 1320, 1695);
    stream2SecondValue = box("stream2SecondValue", 8280, 1320, 1695);
    stream1AirFlow = box("stream1AirFlow", stream1Left, 1800, 1935);
    stream2AirFlow = box("stream2AirFlow", stream2Left, 1800, 1695);
    // The air flows go into the mixing record as typed.
    ui::keepOnOneLine(stream1AirFlow);
    ui::keepOnOneLine(stream2AirFlow);
}

// The captions of the rows and the value cells of the three columns. Every
// value a cell can show fits whole.
void MixingWindow::buildColumns()
{
    airFlowCaption = placeLabel(this, "airFlowCaption", "Air flow rate (acfm)", captionLeft, 1800, captionWidth, 465);
    airFlowCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mixedAirFlow = placeLabel(this, "mixedAirFlow", "", mixedLeft, 1800, mixedWidth, 345);
    struct Column {
        ColumnCells& cells;
        const char* name;
        int left, width;
    };
    const Column columns[] = {
        {stream1Column, "stream1", stream1Left, stream1Width},
        {stream2Column, "stream2", stream2Left, stream2Width},
        {mixedColumn, "mixed", mixedLeft, mixedWidth},
    };
    for (const Row& row : rows) {
        QLabel* caption = placeLabel(this, std::string(1, char(std::tolower(row.name[0]))) + (row.name + 1) + "Caption",
                                     row.captionText, captionLeft, row.top, captionWidth, row.height);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        this->*row.caption = caption;
        for (const Column& column : columns)
            column.cells.*row.cell = placeLabel(this, std::string(column.name) + row.name, "", column.left, row.top,
                                                column.width, std::min(row.height, 345));
    }
    // The pressure caption starts further left, to have room for the longest.
    pressureCaption->setGeometry(120 / twipsPerPixel, pressureCaption->y(), (2520 - 120 - 60) / twipsPerPixel,
                                 pressureCaption->height());
    for (const Column& column : columns) {
        for (QLabel* cell : cellsOf(column.cells)) {
            cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
            ui::widenToShow(cell, {ui::widestProperty});
        }
        // The pressure cells show the pressure as the user typed it.
        ui::widenToShow(column.cells.pressure, {ui::widestGeneralNumber});
    }
    mixedAirFlow->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui::widenToShow(mixedAirFlow, {ui::widestProperty});
    ui::widenToShow(pressureCaption, point::pressureRowCaptions());
    for (QComboBox* list : {stream1FirstList, stream1SecondList, stream2FirstList, stream2SecondList})
        ui::widenToShow(list, propertyListItems());
}

// The commands below the grid.
void MixingWindow::buildCommands()
{
    drawMixButton = ui::placeInTwips(new QPushButton("Draw mixing line and points on the chart", this), "drawMixButton",
                                     2160, 8760, 2895, 495);
    saveDataButton = ui::placeInTwips(new QPushButton("Save data", this), "saveDataButton", 6000, 8760, 2175, 495);
    exitButton
        = ui::placeInTwips(new QPushButton("Exit and return to chart", this), "exitButton", 9360, 8760, 2055, 495);
}

void MixingWindow::wireEvents()
{
    for (QComboBox* list : {stream1FirstList, stream1SecondList})
        connect(list, &QComboBox::activated, this, [this] { stream1Changed(); });
    for (QLineEdit* box : {stream1AirFlow, stream1FirstValue, stream1SecondValue})
        connect(box, &QLineEdit::textChanged, this, [this] { stream1Changed(); });
    for (QComboBox* list : {stream2FirstList, stream2SecondList})
        connect(list, &QComboBox::activated, this, [this] { stream2Changed(); });
    for (QLineEdit* box : {stream2AirFlow, stream2FirstValue, stream2SecondValue})
        connect(box, &QLineEdit::textChanged, this, [this] { stream2Changed(); });
    connect(drawMixButton, &QPushButton::clicked, this, [this] { drawMixClicked(); });
    connect(saveDataButton, &QPushButton::clicked, this, [this] { main_.saveRecord(mixingRecord()); });
    connect(exitButton, &QPushButton::clicked, this, [this] { close(); });
}

void MixingWindow::selectListItem(QComboBox* list, int index)
{
    ui::setListIndex(list, index);
    if (list == stream1FirstList || list == stream1SecondList)
        stream1Changed();
    else if (list == stream2FirstList || list == stream2SecondList)
        stream2Changed();
}

bool MixingWindow::load()
{
    atm = chart::workingPressureOf(main_.state.workingPressureText);

    if (endForSmallScreen(main_.dialogs())) {
        main_.hooks.quit();
        return false;
    }

    for (QComboBox* list : {stream1FirstList, stream1SecondList, stream2FirstList, stream2SecondList})
        ui::fillList(list, propertyListItems());
    selectListItem(stream1FirstList, 0);
    selectListItem(stream1SecondList, 1);
    selectListItem(stream2FirstList, 0);
    selectListItem(stream2SecondList, 1);

    typedPressureText = main_.state.typedPressureText;
    return true;
}

MixingWindow::StreamCells MixingWindow::stream1Cells()
{
    return {stream1FirstList, stream1FirstValue, stream1SecondList, stream1SecondValue,
            stream1AirFlow,   stream1Column,     &stream1Solved};
}

MixingWindow::StreamCells MixingWindow::stream2Cells()
{
    return {stream2FirstList, stream2FirstValue, stream2SecondList, stream2SecondValue,
            stream2AirFlow,   stream2Column,     &stream2Solved};
}

void MixingWindow::trace(MixingStep step)
{
    if (trace_)
        trace_(step);
}

// A change on one stream's side solves that stream, then mixes.
void MixingWindow::stream1Changed()
{
    showStream1();
    showMix();
}

void MixingWindow::stream2Changed()
{
    showStream2();
    showMix();
}

void MixingWindow::showStream1()
{
    trace(MixingStep::Stream1);
    showStream(stream1Cells());
}

void MixingWindow::showStream2()
{
    trace(MixingStep::Stream2);
    showStream(stream2Cells());
}

void MixingWindow::showStream(const StreamCells& stream)
{
    const ColumnCells& c = stream.cells;
    const ColumnCells& m = mixedColumn;
    *stream.solved = false;
    for (QLabel* cell :
         {c.pressure,           c.dryBulb,    c.wetBulb,        c.relativeHumidity, c.enthalpy, c.volume,
          c.humidityRatio,      c.dewPoint,   c.vapourPressure, m.pressure,         m.dryBulb,  m.wetBulb,
          m.relativeHumidity,   m.enthalpy,   m.volume,         m.humidityRatio,    m.dewPoint, m.vapourPressure,
          c.saturationPressure, c.dryAirFlow, c.vapourFlow,     c.moistAirFlow})
        cell->clear();

    point::SolveContext window = mixing::streamSolveContext(main_.state, atm, wetBulb, span);
    const mixing::StreamInput input{givenProperty(stream.firstList, stream.firstValue),
                                    givenProperty(stream.secondList, stream.secondValue), textOf(stream.airFlow)};
    const std::optional<mixing::StreamColumn> column = mixing::solveStream(input, main_.state, window);
    if (!column)
        return;

    const std::pair<QLabel*, const std::string&> cells[] = {
        {c.dryBulb, column->db},
        {c.wetBulb, column->wb},
        {c.relativeHumidity, column->rh},
        {c.enthalpy, column->h},
        {c.volume, column->v},
        {c.humidityRatio, column->hr},
        {c.dewPoint, column->dp},
        {c.vapourPressure, column->pv},
        {c.pressure, column->prvalue},
        {c.saturationPressure, column->pvs},
        {c.dryAirFlow, column->dryair},
        {c.vapourFlow, column->vapour},
        {c.moistAirFlow, column->moistair},
    };
    for (const auto& [cell, text] : cells)
        setCell(cell, text);
    if (!column->pressureCaption.empty())
        setCell(pressureCaption, column->pressureCaption);
    *stream.solved = true;
}

void MixingWindow::showMix()
{
    trace(MixingStep::Mix);
    auto streamTexts = [](const StreamCells& s) {
        const ColumnCells& c = s.cells;
        return mixing::StreamTexts{*s.solved,
                                   textOf(s.airFlow),
                                   textOf(c.enthalpy),
                                   textOf(c.humidityRatio),
                                   textOf(c.dryAirFlow),
                                   textOf(c.vapourFlow),
                                   textOf(c.moistAirFlow)};
    };
    const std::optional<mixing::MixedColumn> mix
        = mixing::mixstreams(streamTexts(stream1Cells()), streamTexts(stream2Cells()), typedPressureText,
                             main_.state.workingPressureText, atm, ui::localeDecimal());
    if (!mix) {
        blankMixedColumn();
        saveDataButton->setEnabled(false);
        return;
    }
    const ColumnCells& m = mixedColumn;
    const std::pair<QLabel*, const std::string&> cells[] = {
        {mixedAirFlow, mix->acfm},   {m.pressure, mix->prvalue},       {m.dryBulb, mix->db},
        {m.wetBulb, mix->wb},        {m.relativeHumidity, mix->rh},    {m.enthalpy, mix->h},
        {m.volume, mix->v},          {m.humidityRatio, mix->hr},       {m.dewPoint, mix->dp},
        {m.vapourPressure, mix->pv}, {m.saturationPressure, mix->pvs}, {m.dryAirFlow, mix->dryair},
        {m.vapourFlow, mix->vapour}, {m.moistAirFlow, mix->moistair},
    };
    for (const auto& [cell, text] : cells)
        setCell(cell, text);
    saveDataButton->setEnabled(true);
}

void MixingWindow::blankMixedColumn()
{
    for (QLabel* cell : cellsOf(mixedColumn))
        cell->clear();
    mixedAirFlow->clear();
}

void MixingWindow::drawMixClicked()
{
    auto pointOf = [](const ColumnCells& c) {
        return mixing::MixPoint{textOf(c.dryBulb), textOf(c.humidityRatio), textOf(c.relativeHumidity)};
    };
    if (!mixing::drawmix(pointOf(stream1Column), pointOf(mixedColumn), pointOf(stream2Column), main_.state,
                         main_.limitTexts(), main_.W(), main_.H(), main_.surface(), main_.dialogs()))
        return;
    setReturnOnClose(ChildReturn::BringForward);
    close();
}

point::RecordLines MixingWindow::mixingRecord() const
{
    const mixing::RowCaptions captions{textOf(airFlowCaption),          textOf(pressureCaption),
                                       textOf(dryBulbCaption),          textOf(wetBulbCaption),
                                       textOf(relativeHumidityCaption), textOf(enthalpyCaption),
                                       textOf(volumeCaption),           textOf(humidityRatioCaption),
                                       textOf(dewPointCaption),         textOf(vapourPressureCaption)};
    auto block = [](const QLabel* heading, const std::string& airFlow, const ColumnCells& c) {
        return mixing::RecordBlock{textOf(heading),         airFlow,
                                   textOf(c.pressure),      textOf(c.dryBulb),
                                   textOf(c.wetBulb),       textOf(c.relativeHumidity),
                                   textOf(c.enthalpy),      textOf(c.volume),
                                   textOf(c.humidityRatio), textOf(c.dewPoint),
                                   textOf(c.vapourPressure)};
    };
    return mixing::mixingRecord(captions, block(stream1Heading, textOf(stream1AirFlow), stream1Column),
                                block(stream2Heading, textOf(stream2AirFlow), stream2Column),
                                block(mixedHeading, textOf(mixedAirFlow), mixedColumn));
}


void openMixingWindow(MainWindow& main, const StepTrace& trace)
{
    main.waitForChild();
    auto* window = new MixingWindow(main, trace);
    if (!window->load()) {
        delete window;
        return;
    }
    main.setMixingWindow(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void traceMixingSteps(MainWindow& main, StepTrace trace)
{
    main.hooks.mixingProblem = [&main, trace] { openMixingWindow(main, trace); };
}

} // namespace windows
