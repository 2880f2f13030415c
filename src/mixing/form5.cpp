#include "mixing/form5.h"

#include "chart/form1.h"
#include "chart/mainstate.h"
#include "numtext/numtext.h"
#include "point/records.h"
#include "ui/controls.h"
#include "ui/textfit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace mixing {
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

QStringList propertyList()
{
    QStringList items;
    for (const char* caption : chart::propertyCaptions)
        items << caption;
    return items;
}

// Columns of the grid, in twips: left edge and width of the cells.
constexpr int captionLeft = 240, captionWidth = 2220;
constexpr int stream1Left = 3000, stream2Left = 6360, mixedLeft = 10320;
constexpr int stream1Width = 3120, stream2Width = 3600, mixedWidth = 2160;

} // namespace

Form5::Form5(chart::Form1& main, StepTrace trace) : main_(main), trace_(std::move(trace))
{
    setObjectName("Form5");
    setWindowTitle("Mixing problem");
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    wireEvents();
}

void Form5::buildControls()
{
    setFont(ui::twipWindowFont());
    setFixedSize(12615 / twipsPerPixel, 9495 / twipsPerPixel);

    // The rules of the grid.
    const int vertical[] = {2520, 6240, 10080};
    const int horizontal[] = {240, 720, 2280, 2760, 3240, 3600, 4080, 4560, 5040, 5520, 6000, 6480};
    int line = 1;
    for (int x : vertical) {
        const QByteArray name = "Line" + QByteArray::number(line++);
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::VLine);
        rule->setFrameShadow(QFrame::Plain);
        ui::placeInTwips(rule, name.constData(), x, 240, twipsPerPixel, 6480 - 240);
    }
    for (int y : horizontal) {
        const QByteArray name = "Line" + QByteArray::number(line++);
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Plain);
        ui::placeInTwips(rule, name.constData(), 0, y, 12480, twipsPerPixel);
    }

    auto label = [this](const char* name, const char* text, int left, int top, int width, int height) {
        return ui::placeInTwips(new QLabel(text, this), name, left, top, width, height);
    };
    Label51 = label("Label51", "Parameters", captionLeft, 360, captionWidth, 345);
    Label19 = label("Label19", "Stream 1", stream1Left, 360, stream1Width, 345);
    Label21 = label("Label21", "Steram 2", stream2Left, 360, stream2Width, 345);
    Label22 = label("Label22", "Mixed stream", mixedLeft, 360, mixedWidth, 345);

    // The property lists are drop-down lists without typing: only a choice
    // from a list solves its stream.
    Combo1 = ui::placeInTwips(new QComboBox(this), "Combo1", 2640, 840, 1935, 375);
    Text4 = ui::placeInTwips(new QLineEdit(this), "Text4", 4800, 840, 1335, 375);
    Combo2 = ui::placeInTwips(new QComboBox(this), "Combo2", 2640, 1320, 1935, 375);
    Text5 = ui::placeInTwips(new QLineEdit(this), "Text5", 4800, 1320, 1335, 375);
    Combo3 = ui::placeInTwips(new QComboBox(this), "Combo3", 6360, 840, 1695, 375);
    Text6 = ui::placeInTwips(new QLineEdit(this), "Text6", 8280, 840, 1695, 375);
    Combo4 = ui::placeInTwips(new QComboBox(this), "Combo4", 6360, 1320, 1695, 375);
    Text7 = ui::placeInTwips(new QLineEdit(this), "Text7", 8280, 1320, 1695, 375);
    Text2 = ui::placeInTwips(new QLineEdit(this), "Text2", stream1Left, 1800, 1935, 375);
    Text3 = ui::placeInTwips(new QLineEdit(this), "Text3", stream2Left, 1800, 1695, 375);

    // The rows below the inputs: the caption and the three value cells, each
    // short of the rule below it. Every value a cell can show fits whole.
    struct Row {
        int top, height;
        QLabel** caption; const char* captionName; const char* captionText;
        QLabel** stream1; const char* stream1Name;
        QLabel** stream2; const char* stream2Name;
        QLabel** mixed; const char* mixedName;
    };
    const Row rows[] = {
        {1800, 465, &Label17, "Label17", "Air flow rate (acfm)", nullptr, nullptr, nullptr, nullptr, &Label50, "Label50"},
        {2400, 345, &Label20, "Label20", "", &Label23, "Label23", &Label32, "Label32", &Label41, "Label41"},
        {2880, 345, &Label16, "Label16", "Dry bulb temp (Deg F)", &Label24, "Label24", &Label33, "Label33", &Label42, "Label42"},
        {3360, 240, &Label15, "Label15", "Wet bulb temp (Deg F)", &Label25, "Label25", &Label34, "Label34", &Label43, "Label43"},
        {3720, 345, &Label13, "Label13", "Relative humidity (%)", &Label26, "Label26", &Label35, "Label35", &Label44, "Label44"},
        {4200, 345, &Label12, "Label12", "Specific enthalpy (btu/lb)", &Label27, "Label27", &Label36, "Label36", &Label45, "Label45"},
        {4680, 345, &Label2, "Label2", "Specific volume (cuf/lb)", &Label28, "Label28", &Label37, "Label37", &Label46, "Label46"},
        {5160, 345, &Label1, "Label1", "Humidity ratio (lb/lb of air)", &Label29, "Label29", &Label38, "Label38", &Label47, "Label47"},
        {5640, 345, &Label14, "Label14", "Dew point (Deg F)", &Label30, "Label30", &Label39, "Label39", &Label48, "Label48"},
        {6120, 345, &Label18, "Label18", "Vapor pressure (In Hg)", &Label31, "Label31", &Label40, "Label40", &Label49, "Label49"},
        {6600, 465, &Label52, "Label52", "Vapor pr. at saturation (In Hg)", &Label56, "Label56", &Label60, "Label60", &Label64, "Label64"},
        {7080, 465, &Label53, "Label53", "Dry air fow rate (lb/min)", &Label57, "Label57", &Label61, "Label61", &Label65, "Label65"},
        {7560, 465, &Label54, "Label54", "Water vapor flow rate  (lb/min)", &Label58, "Label58", &Label62, "Label62", &Label66, "Label66"},
        {8040, 465, &Label55, "Label55", "Moist air flow rate (lb/min)", &Label59, "Label59", &Label63, "Label63", &Label67, "Label67"},
    };
    for (const Row& row : rows) {
        QLabel* caption = label(row.captionName, row.captionText, captionLeft, row.top, captionWidth, row.height);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        *row.caption = caption;
        const int cellHeight = std::min(row.height, 345);
        if (row.stream1)
            *row.stream1 = label(row.stream1Name, "", stream1Left, row.top, stream1Width, cellHeight);
        if (row.stream2)
            *row.stream2 = label(row.stream2Name, "", stream2Left, row.top, stream2Width, cellHeight);
        *row.mixed = label(row.mixedName, "", mixedLeft, row.top, mixedWidth, cellHeight);
    }
    // The pressure caption starts further left, to have room for the longest.
    Label20->setGeometry(120 / twipsPerPixel, Label20->y(), (2520 - 120 - 60) / twipsPerPixel, Label20->height());
    for (QLabel* cell : {Label23, Label24, Label25, Label26, Label27, Label28, Label29, Label30, Label31, Label32,
                         Label33, Label34, Label35, Label36, Label37, Label38, Label39, Label40, Label41, Label42,
                         Label43, Label44, Label45, Label46, Label47, Label48, Label49, Label50, Label56, Label57,
                         Label58, Label59, Label60, Label61, Label62, Label63, Label64, Label65, Label66, Label67}) {
        cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
        ui::widenToShow(cell, {ui::widestProperty});
    }
    // The pressure cells show the pressure as the user typed it.
    for (QLabel* pressure : {Label23, Label32, Label41})
        ui::widenToShow(pressure, {ui::widestGeneralNumber});
    ui::widenToShow(Label20, point::pressureRowCaptions());
    for (QComboBox* list : {Combo1, Combo2, Combo3, Combo4})
        ui::widenToShow(list, propertyList());

    ui::showLabelTextsAsTheyStand(this);

    Command1 = ui::placeInTwips(new QPushButton("Draw mixing line and points on the chart", this), "Command1", 2160, 8760, 2895,
                     495);
    Command3 = ui::placeInTwips(new QPushButton("Save data", this), "Command3", 6000, 8760, 2175, 495);
    Command4 = ui::placeInTwips(new QPushButton("Exit and return to chart", this), "Command4", 9360, 8760, 2055, 495);
    // The captions and the commands show their texts whole too.
    ui::widenToShowTexts(this);
}

void Form5::wireEvents()
{
    connect(Combo1, &QComboBox::activated, this, [this] { stream1point(); mixstreams(); });
    connect(Combo2, &QComboBox::activated, this, [this] { stream1point(); mixstreams(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { stream1point(); mixstreams(); });
    connect(Text4, &QLineEdit::textChanged, this, [this] { stream1point(); mixstreams(); });
    connect(Text5, &QLineEdit::textChanged, this, [this] { stream1point(); mixstreams(); });
    connect(Combo3, &QComboBox::activated, this, [this] { stream2point(); mixstreams(); });
    connect(Combo4, &QComboBox::activated, this, [this] { stream2point(); mixstreams(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { stream2point(); mixstreams(); });
    connect(Text6, &QLineEdit::textChanged, this, [this] { stream2point(); mixstreams(); });
    connect(Text7, &QLineEdit::textChanged, this, [this] { stream2point(); mixstreams(); });
    connect(Command1, &QPushButton::clicked, this, [this] { drawMixClicked(); });
    connect(Command3, &QPushButton::clicked, this, [this] { saveDataClicked(); });
    connect(Command4, &QPushButton::clicked, this, [this] { exitClicked(); });
}

void Form5::selectListItem(QComboBox* list, int index)
{
    ui::setListIndex(list, index);
    if (list == Combo1 || list == Combo2) {
        stream1point();
        mixstreams();
    } else if (list == Combo3 || list == Combo4) {
        stream2point();
        mixstreams();
    }
}

bool Form5::load()
{
    const double pressure = numtext::leadingNumberOr0(main_.state.workingPressureText);
    atm = pressure > 0 ? pressure : chart::standardPressure;

    if (!chart::CheckRez(main_.dialogs().screenSize(), 1024, 728)) {
        const ui::Answer answer = main_.dialogs().message(
            "You must set screen size to 1024x768 or higher if your monitor size is less than 15 inch. "
            "Do you want to exit the program and reset your screen reolution now ?",
            ui::Buttons::YesNo, "DELETE");
        if (answer == ui::Answer::Yes) {
            main_.hooks.quit();
            return false;
        }
    }

    for (QComboBox* list : {Combo1, Combo2, Combo3, Combo4})
        ui::fillList(list, propertyList());
    selectListItem(Combo1, 0);
    selectListItem(Combo2, 1);
    selectListItem(Combo3, 0);
    selectListItem(Combo4, 1);

    typedPressureText = main_.state.typedPressureText;
    return true;
}

Form5::StreamCells Form5::stream1Cells()
{
    return {Combo1,  Text4,   Combo2,  Text5,   Text2,   Label23, Label24, Label25, Label26, Label27,
            Label28, Label29, Label30, Label31, Label56, Label57, Label58, Label59, &Text51};
}

Form5::StreamCells Form5::stream2Cells()
{
    return {Combo3,  Text6,   Combo4,  Text7,   Text3,   Label32, Label33, Label34, Label35, Label36,
            Label37, Label38, Label39, Label40, Label60, Label61, Label62, Label63, &Text52};
}

void Form5::trace(Step step)
{
    if (trace_)
        trace_(step);
}

void Form5::stream1point()
{
    trace(Step::Stream1);
    streampoint(stream1Cells());
}

void Form5::stream2point()
{
    trace(Step::Stream2);
    streampoint(stream2Cells());
}

void Form5::streampoint(const StreamCells& c)
{
    *c.solved = "0";
    for (QLabel* cell : {c.prvalue, c.db, c.wb, c.rh, c.h, c.v, c.hr, c.dp, c.pv, Label41, Label42, Label43, Label44,
                         Label45, Label46, Label47, Label48, Label49, c.pvs, c.dryair, c.vapour, c.moistair})
        cell->clear();

    point::SolveWindow window;
    window.pressureText = &main_.state.workingPressureText;
    window.atm = &atm;
    window.fields = &wetBulb;
    window.span = &span;
    window.localeDecimal = ui::localeDecimal();
    window.localeGrouping = ui::localeGrouping();
    const StreamInput input{ui::listIndex(c.list1), textOf(c.value1), ui::listIndex(c.list2), textOf(c.value2),
                            textOf(c.acfm)};
    const std::optional<StreamColumn> column = solveStream(input, main_.state, window);
    if (!column)
        return;

    const std::pair<QLabel*, const std::string&> cells[] = {
        {c.db, column->db}, {c.wb, column->wb}, {c.rh, column->rh}, {c.h, column->h},
        {c.v, column->v},   {c.hr, column->hr}, {c.dp, column->dp}, {c.pv, column->pv},
    };
    for (const auto& [cell, text] : cells)
        setCell(cell, text);
    if (!column->pressureCaption.empty())
        setCell(Label20, column->pressureCaption);
    setCell(c.prvalue, column->prvalue);
    setCell(c.pvs, column->pvs);
    setCell(c.dryair, column->dryair);
    setCell(c.vapour, column->vapour);
    setCell(c.moistair, column->moistair);
    *c.solved = "1";
}

void Form5::mixstreams()
{
    trace(Step::Mix);
    auto streamTexts = [](const StreamCells& c) {
        return StreamTexts{*c.solved,        textOf(c.acfm),   textOf(c.h),       textOf(c.hr),
                           textOf(c.dryair), textOf(c.vapour), textOf(c.moistair)};
    };
    const std::optional<MixedColumn> mix =
        mixing::mixstreams(streamTexts(stream1Cells()), streamTexts(stream2Cells()), typedPressureText, main_.state.workingPressureText, atm);
    if (!mix) {
        blankMixedColumn();
        Command3->setEnabled(false);
        return;
    }
    const std::pair<QLabel*, const std::string&> cells[] = {
        {Label50, mix->acfm}, {Label41, mix->prvalue}, {Label42, mix->db},     {Label43, mix->wb},
        {Label44, mix->rh},   {Label45, mix->h},       {Label46, mix->v},      {Label47, mix->hr},
        {Label48, mix->dp},   {Label49, mix->pv},      {Label64, mix->pvs},    {Label65, mix->dryair},
        {Label66, mix->vapour}, {Label67, mix->moistair},
    };
    for (const auto& [cell, text] : cells)
        setCell(cell, text);
    Command3->setEnabled(true);
}

void Form5::blankMixedColumn()
{
    for (QLabel* cell : {Label41, Label42, Label43, Label44, Label45, Label46, Label47, Label48, Label49, Label50,
                         Label64, Label65, Label66, Label67})
        cell->clear();
}

void Form5::drawMixClicked()
{
    const MixPoint stream1{textOf(Label24), textOf(Label29), textOf(Label26)};
    const MixPoint mixed{textOf(Label42), textOf(Label47), textOf(Label44)};
    const MixPoint stream2{textOf(Label33), textOf(Label38), textOf(Label35)};
    if (!drawmix(stream1, mixed, stream2, main_.limitTexts(), main_.W(), main_.H(), frame, main_.surface(),
                 main_.dialogs()))
        return;
    main_.setEnabled(true);
    bringMainForward();
    leaving_ = true;
    close();
}

point::RecordLines Form5::mixingRecord() const
{
    const RowCaptions captions{textOf(Label17), textOf(Label20), textOf(Label16), textOf(Label15), textOf(Label13),
                               textOf(Label12), textOf(Label2),  textOf(Label1),  textOf(Label14), textOf(Label18)};
    const RecordBlock stream1{textOf(Label19), textOf(Text2),   textOf(Label23), textOf(Label24),
                              textOf(Label25), textOf(Label26), textOf(Label27), textOf(Label28),
                              textOf(Label29), textOf(Label30), textOf(Label31)};
    const RecordBlock stream2{textOf(Label21), textOf(Text3),   textOf(Label32), textOf(Label33),
                              textOf(Label34), textOf(Label35), textOf(Label36), textOf(Label37),
                              textOf(Label38), textOf(Label39), textOf(Label40)};
    const RecordBlock mixed{textOf(Label22), textOf(Label50), textOf(Label41), textOf(Label42),
                            textOf(Label43), textOf(Label44), textOf(Label45), textOf(Label46),
                            textOf(Label47), textOf(Label48), textOf(Label49)};
    return mixing::mixingRecord(captions, stream1, stream2, mixed);
}

void Form5::saveDataClicked()
{
    point::appendRecord(main_, mixingRecord());
}

void Form5::exitClicked()
{
    leaving_ = true;
    main_.setEnabled(true);
    bringMainForward();
    close();
    returnToChart();
}

void Form5::closeEvent(QCloseEvent* event)
{
    // The title bar's close leaves as "Exit and return to chart" does, so
    // that the main window is never left disabled.
    if (!leaving_) {
        leaving_ = true;
        main_.setEnabled(true);
        bringMainForward();
        returnToChart();
    }
    QWidget::closeEvent(event);
}

void Form5::returnToChart()
{
    main_.clearbusy();
    main_.surface().takeFocus();
    bringMainForward();
}

void Form5::bringMainForward()
{
    if (!main_.isVisible())
        return;
    main_.raise();
    main_.activateWindow();
}

void Command13_Click(chart::Form1& main, const StepTrace& trace)
{
    main.setEnabled(false);
    auto* window = new Form5(main, trace);
    if (!window->load()) {
        delete window;
        return;
    }
    main.setMixingWindow(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void attach(chart::Form1& main, StepTrace trace)
{
    main.hooks.mixingProblem = [&main, trace] { Command13_Click(main, trace); };
}

} // namespace mixing
