#include "chart/form1.h"

#include "chart/chartcommands.h"
#include "chart/drawchart.h"
#include "chart/form2.h"
#include "chart/form4.h"
#include "chart/form6.h"
#include "chart/linecommands.h"

#include "numtext/numtext.h"
#include "ui/controls.h"
#include "ui/flowlayout.h"
#include "ui/qtchartsurface.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace chart {

bool CheckRez(const ui::ScreenSize& screen, int pixelWidth, int pixelHeight)
{
    const std::int32_t twipsWidth = pixelWidth * 15;
    const std::int32_t twipsHeight = pixelHeight * 15;
    if (screen.widthTwips < twipsWidth)
        return false;
    return screen.heightTwips >= twipsHeight;
}

namespace {

using ui::twipsPerPixel;

const char* const busyText = "PLEASE WAIT";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLabel* makeReadout(QWidget* parent, const char* name)
{
    QLabel* label = makeLabel(parent, name, "");
    label->setMinimumWidth(78);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

QLineEdit* makeInput(QWidget* parent, const char* name, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(width);
    return box;
}

QPushButton* makeCommand(QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

// A caption, a box or list and perhaps a command that stay together on one
// row of the band.
QHBoxLayout* group(std::initializer_list<QWidget*> controls)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    for (QWidget* control : controls)
        row->addWidget(control);
    return row;
}

QStringList dryBulbLimits()
{
    QStringList items;
    for (int db = 0; db <= 120; db += 10)
        items << QString::number(db);
    return items;
}

const QStringList humidityRatioLimits{"0", "0.010", "0.020", "0.030"};

QStringList propertyList()
{
    QStringList items;
    for (const char* caption : propertyCaptions)
        items << caption;
    return items;
}

} // namespace

Form1::Form1(const Form1Setup& setup)
    : dialogs_(setup.dialogs), surface_(setup.surface), runData_(setup.dataFolder),
      dataFolder_(setup.dataFolder)
{
    setObjectName("Form1");
    setWindowTitle("Psychrometric chart - English Units");
    buildControls();
    wireEvents();
    if (!surface_)
        surface_ = graph;
    // The window takes what the desktop leaves of the screen; its band and
    // the chart's place are laid out at once, so that the chart's extents
    // are known before the window is first shown.
    const ui::ScreenSize area = dialogs_->availableArea();
    resize(area.widthTwips / twipsPerPixel, area.heightTwips / twipsPerPixel);
    layout()->activate();
}

Form1::~Form1()
{
    // The child windows work on this window: none may outlive it.
    delete form2_;
    delete form4_;
    delete form6_;
    delete form3_;
    delete form5_;
}

void Form1::buildControls()
{
    // The band of controls above the chart: the commands, then the chart
    // limits and the line commands, then the point and its readout. Each
    // takes as many rows as the window's width needs.
    auto* commands = new ui::FlowLayout;
    Command3 = makeCommand(this, "Command3", "Draw chart", "Draw chart");
    Command12 = makeCommand(this, "Command12", "Clear chart", "Clear chart");
    Command11 = makeCommand(this, "Command11", "Save chart", "Save present chart in a file");
    Command4 = makeCommand(this, "Command4", "Set/reset atmos pressure", "Set/reset atmos. pressure");
    Command13 = makeCommand(this, "Command13", "Mixing problem", "Start MIxing problem");
    Command1 = makeCommand(this, "Command1", "View saved data", "View saved data of this session");
    Command2 = makeCommand(this, "Command2", "Save data in file", "Save the already saved data in a file");
    Command16 = makeCommand(this, "Command16", "Help", "");
    Command8 = makeCommand(this, "Command8", "Exit", "Exit the program");
    Label4 = makeLabel(this, "Label4", "");
    // As wide as its text, so that it shares a row with the commands.
    Label4->setMinimumWidth(Label4->fontMetrics().horizontalAdvance(busyText) + 8);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setAutoFillBackground(true);
    Label4->setBackgroundRole(QPalette::Button);
    for (QWidget* w : {static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command12),
                       static_cast<QWidget*>(Command11), static_cast<QWidget*>(Command4),
                       static_cast<QWidget*>(Command13), static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(Command2), static_cast<QWidget*>(Command16),
                       static_cast<QWidget*>(Command8), static_cast<QWidget*>(Label4)})
        commands->addWidget(w);

    auto* limitsAndLines = new ui::FlowLayout;
    Combo3 = ui::makeEditableList(this, "Combo3");
    Combo4 = ui::makeEditableList(this, "Combo4");
    Combo5 = ui::makeEditableList(this, "Combo5");
    Combo6 = ui::makeEditableList(this, "Combo6");
    limitsAndLines->addGroup(group({makeLabel(this, "captionLowDb", "L. DBT(F)"), Combo3}));
    limitsAndLines->addGroup(group({makeLabel(this, "captionHighDb", "H. DBT(F)"), Combo4}));
    limitsAndLines->addGroup(group({makeLabel(this, "captionLowHr", "L. H ratio"), Combo5}));
    limitsAndLines->addGroup(group({makeLabel(this, "captionHighHr", "H. H ratio"), Combo6}));
    Text1 = makeInput(this, "Text1", 60);
    Text2 = makeInput(this, "Text2", 60);
    Text3 = makeInput(this, "Text3", 60);
    Text6 = makeInput(this, "Text6", 60);
    Command5 = makeCommand(this, "Command5", "Rel. Humidity line", "Draw relative humidity line");
    Command6 = makeCommand(this, "Command6", "Const WB line", "Draw wet bulb line");
    Command7 = makeCommand(this, "Command7", "Const Enthal line", "Draw enthalpy line");
    Command9 = makeCommand(this, "Command9", "Const sp vol line", "Draw specific voloume line");
    limitsAndLines->addGroup(group({makeLabel(this, "captionRelHum", "Rel Hum,      %"), Text1, Command5}));
    limitsAndLines->addGroup(group({makeLabel(this, "captionWetBulb", "WBT,         Deg F"), Text2, Command6}));
    limitsAndLines->addGroup(group({makeLabel(this, "captionEnthalpy", "Enthal, Btu/lb"), Text3, Command7}));
    limitsAndLines->addGroup(group({makeLabel(this, "captionSpVol", "Sp vol, cuf/lb"), Text6, Command9}));

    auto* point = new ui::FlowLayout;
    Combo1 = ui::makeEditableList(this, "Combo1");
    Combo2 = ui::makeEditableList(this, "Combo2");
    Text4 = makeInput(this, "Text4", 80);
    Text5 = makeInput(this, "Text5", 80);
    Text7 = makeInput(this, "Text7", 80);
    Text7->setToolTip("Enter point identification");
    Command14 = makeCommand(this, "Command14", "Locate point", "Locate point with two input parameters");
    point->addGroup(group({Combo1, Text4}));
    point->addGroup(group({Combo2, Text5}));
    point->addGroup(group({makeLabel(this, "captionPoint", "Point"), Text7, Command14}));
    struct Readout { const char* captionName; const char* caption; QLabel** value; const char* valueName; };
    const Readout readouts[] = {
        {"Label7", "DB=", &Label13, "Label13"},      {"Label8", "WB=", &Label14, "Label14"},
        {"Label9", "RH(%)=", &Label15, "Label15"},   {"Label10", "Enthalpy=", &Label16, "Label16"},
        {"Label11", "Sp vol=", &Label17, "Label17"}, {"Label12", "H.ratio=", &Label18, "Label18"},
        {"Label23", "DP=", &Label24, "Label24"},     {"Label25", "V. pr=", &Label26, "Label26"},
    };
    for (const Readout& r : readouts) {
        *r.value = makeReadout(this, r.valueName);
        point->addGroup(group({makeLabel(this, r.captionName, r.caption), *r.value}));
    }

    // The surface is sized to the screen at load; what lies beyond the
    // window is not shown, and the chart is laid out on what is.
    graph = new ui::QtChartSurface;
    graph->setObjectName("graph");
    graphArea_ = new QScrollArea(this);
    graphArea_->setObjectName("graphArea");
    graphArea_->setFrameShape(QFrame::NoFrame);
    graphArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    graphArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    graphArea_->setWidget(graph);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    for (ui::FlowLayout* band : {commands, limitsAndLines, point}) {
        band->setContentsMargins(4, 0, 4, 0);
        layout->addLayout(band);
    }
    layout->addWidget(graphArea_, 1);
    ui::showLabelTextsAsTheyStand(this);
}

void Form1::wireEvents()
{
    connect(Combo1, &ui::ProgramList::chosen, this, [this] { runReadout(); });
    connect(Combo2, &ui::ProgramList::chosen, this, [this] { runReadout(); });
    connect(Text4, &QLineEdit::textChanged, this, [this] { runReadout(); });
    connect(Text5, &QLineEdit::textChanged, this, [this] { runReadout(); });
    struct LineCommand { QPushButton* button; QLineEdit* value; LineKind kind; };
    for (LineCommand c : {LineCommand{Command5, Text1, LineKind::RelativeHumidity},
                          LineCommand{Command6, Text2, LineKind::WetBulb},
                          LineCommand{Command7, Text3, LineKind::Enthalpy},
                          LineCommand{Command9, Text6, LineKind::SpecificVolume}})
        connect(c.button, &QPushButton::clicked, this, [this, c] { drawLineClicked(c.kind, c.value); });
    connect(Command3, &QPushButton::clicked, this, [this] { drawChartClicked(); });
    connect(Command12, &QPushButton::clicked, this, [this] { clearChartClicked(); });
    connect(Command11, &QPushButton::clicked, this, [this] { saveChartClicked(); });
    connect(Command1, &QPushButton::clicked, this, [this] { viewSavedDataClicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { saveDataClicked(); });
    connect(Command8, &QPushButton::clicked, this, [this] { exitClicked(); });
    connect(Command16, &QPushButton::clicked, this, [this] { helpClicked(); });
    connect(Command4, &QPushButton::clicked, this, [this] { setPressureClicked(); });
    connect(Command14, &QPushButton::clicked, this, [this] {
        if (hooks.locatePoint)
            hooks.locatePoint();
    });
    connect(Command13, &QPushButton::clicked, this, [this] {
        if (hooks.mixingProblem)
            hooks.mixingProblem();
    });
}

void Form1::runReadout()
{
    if (hooks.updatereadout)
        hooks.updatereadout();
}

void Form1::selectListItem(QComboBox* list, int index)
{
    ui::setListIndex(list, index);
    if (list == Combo1 || list == Combo2)
        runReadout();
}

void Form1::drawChartClicked()
{
    DrawContext ctx = drawContext();
    if (prepareDrawChart(ctx, *dialogs_))
        showChartTypeDialog();
}

Form6* Form1::chartTypeDialog() const
{
    return form6_;
}

void Form1::showChartTypeDialog()
{
    if (!form6_) {
        form6_ = new Form6([this](const char* chartType) {
            state.chartTypeText = chartType;
            drawchart();
        });
    }
    keepInFront(form6_);
    form6_->show();
    form6_->raise();
    form6_->activateWindow();
}

void Form1::drawchart()
{
    DrawContext ctx = drawContext();
    chart::drawchart(ctx, *dialogs_);
}

void Form1::drawLineClicked(LineKind kind, const QLineEdit* value)
{
    DrawContext ctx = drawContext();
    drawConstantLine(ctx, *dialogs_, kind, value->text().toStdString());
}

void Form1::clearChartClicked()
{
    clearChartAndInputs(Readout::KeepDewPoint);
}

void Form1::clearChartAndInputs(Readout readout)
{
    surface().clear();
    surface().setEmptyPicture();
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7})
        box->clear();
    for (QLabel* label : {Label13, Label14, Label15, Label16, Label17, Label18})
        label->clear();
    if (readout == Readout::BlankDewPoint)
        Label24->clear();
    state.drawnLowerDryBulb = nochart;
    state.drawnLowerDryBulbText = numtext::generalText(nochart);
    surface().takeFocus();
}

void Form1::saveChartClicked()
{
    saveChart(surface(), CommonDialog1, *dialogs_);
}

Form2* Form1::pressureDialog() const
{
    return form2_ && form2_->isVisible() ? form2_.data() : nullptr;
}

void Form1::setPressureClicked()
{
    // Each opening starts the dialog afresh; an open one only comes forward.
    if (Form2* open = pressureDialog()) {
        open->raise();
        open->activateWindow();
    } else {
        form2_ = new Form2(*this);
        keepInFront(form2_);
        form2_->load();
    }
    setEnabled(false);
}

QWidget* Form1::locatePointWindow() const
{
    return form3_;
}

void Form1::setLocatePointWindow(QWidget* window)
{
    form3_ = window;
    keepInFront(window);
}

QWidget* Form1::mixingWindow() const
{
    return form5_;
}

void Form1::setMixingWindow(QWidget* window)
{
    form5_ = window;
    keepInFront(window);
}

Form4* Form1::savedDataViewer() const
{
    return form4_;
}

void Form1::viewSavedDataClicked()
{
    std::string text;
    if (!readSavedData(runData_, *dialogs_, text))
        return;
    if (!form4_)
        form4_ = new Form4([this] { setEnabled(true); });
    form4_->Text1->setPlainText(QString::fromStdString(text));
    keepInFront(form4_);
    form4_->show();
    setEnabled(false);
}

void Form1::saveDataClicked()
{
    saveData(runData_, CommonDialog1, *dialogs_, surface());
}

void Form1::exitClicked()
{
    exitProgram(runData_, *dialogs_, hooks.quit);
}

void Form1::helpClicked()
{
    openHelp(dataFolder_, *dialogs_);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The chart-type dialog draws on this window: it goes with it.
    if (form6_)
        form6_->close();
    // So does the viewer of the run data file.
    if (form4_)
        form4_->close();
    // So does the pressure dialog, which works on this window's state.
    if (form2_)
        form2_->close();
    // So does the result window of "Locate point".
    if (form3_)
        form3_->close();
    // So does the mixing window.
    if (form5_)
        form5_->close();
    QWidget::closeEvent(event);
}

// The desktop keeps a child window in front of the main window and places it
// over it, so that no child is ever hidden behind the main window's chart.
// The child stays a window of its own; only the window that it belongs to is
// named.
void Form1::keepInFront(QWidget* child)
{
    if (!child || !windowHandle())
        return; // this window has not been shown: it covers nothing
    child->winId(); // gives the child its window on the desktop
    child->windowHandle()->setTransientParent(windowHandle());
}

// The chart is laid out in fractions of W and H while its texts keep their
// size, so the extents are what lets the whole chart, texts included, lie on
// the part of the surface that the window shows. Right of the chart, the
// humidity-ratio caption begins at 5675/6000 of W and takes less than five
// line heights; below it, the credit line begins at 5000/6000 of H and takes
// one. Each ends a line or more short of the edge. The extents are whole
// twips, and never below one, so that the drawing's loops end on any window.
double Form1::W() const
{
    const double visibleWidth = graphArea_->maximumViewportSize().width() * twipsPerPixel;
    return std::max(1.0, std::floor((visibleWidth - 6 * graph->lineHeightTwips()) * 6000 / 5675));
}

double Form1::H() const
{
    const double visibleHeight = graphArea_->maximumViewportSize().height() * twipsPerPixel;
    return std::max(1.0, std::floor((visibleHeight - 2 * graph->lineHeightTwips()) * 6000 / 5000));
}

LimitTexts Form1::limitTexts() const
{
    return {Combo3->currentText().toStdString(), Combo4->currentText().toStdString(),
            Combo5->currentText().toStdString(), Combo6->currentText().toStdString(),
            ui::localeDecimal()};
}

DrawContext Form1::drawContext()
{
    return {state, surface(), W(), H(), limitTexts(), [this] { setbusy(); }, [this] { clearbusy(); }};
}

void Form1::setbusy()
{
    Label4->setStyleSheet("background-color: #ffff00;");
    Label4->setText(busyText);
    Label4->repaint();
}

void Form1::clearbusy()
{
    Label4->setStyleSheet("");
    Label4->setText("");
}

bool Form1::load()
{
    setWorkingPressure();
    printStartCaption();
    if (askToEndForSmallScreen())
        return false;
    fillLists();
    selectListItem(Combo1, 0);
    selectListItem(Combo2, 1);
    state.pressureUnitText = "0";
    state.typedPressureText = standardPressureText;
    sizeSurfaceToScreen();
    emptyRunData();
    Command2->setEnabled(false);
    return true;
}

void Form1::setWorkingPressure()
{
    double typed = numtext::leadingNumberOr0(state.workingPressureText);
    if (typed > 0) {
        state.atm = typed;
    } else {
        state.atm = standardPressure;
        state.workingPressureText = standardPressureText;
    }
}

void Form1::printStartCaption()
{
    surface().setCurrentPosition(W() / 12 - 0.8 * W() / 12, 4700 * H() / 6000 - 4650 * H() / 6000);
    surface().print({"Atmos. pr=", numtext::leadingNumberOr0(state.workingPressureText), " ", "In Hg"});
}

bool Form1::askToEndForSmallScreen()
{
    if (CheckRez(dialogs_->screenSize(), 1024, 728))
        return false;
    ui::Answer answer = dialogs_->message(
        "You must set screen size to 1024x768 or higher if your monitor size is less than 15 inch. "
        "Do you want to exit the program and reset your screen reolution now ?",
        ui::Buttons::YesNo, "DELETE");
    return answer == ui::Answer::Yes;
}

void Form1::fillLists()
{
    ui::fillList(Combo1, propertyList());
    ui::fillList(Combo2, propertyList());
    ui::fillList(Combo3, dryBulbLimits());
    ui::setListIndex(Combo3, 0);
    ui::fillList(Combo4, dryBulbLimits());
    ui::setListIndex(Combo4, 12);
    ui::fillList(Combo5, humidityRatioLimits);
    ui::setListIndex(Combo5, 0);
    ui::fillList(Combo6, humidityRatioLimits);
    ui::setListIndex(Combo6, 3);
}

// As wide as the screen, from the window's left edge, and as high as the
// window leaves below the band.
void Form1::sizeSurfaceToScreen()
{
    const ui::ScreenSize screen = dialogs_->screenSize();
    layout()->activate();
    graph->setSizeTwips(screen.widthTwips, graphArea_->maximumViewportSize().height() * twipsPerPixel);
}

void Form1::emptyRunData()
{
    std::string reason;
    if (runData_.reset(reason))
        return;
    dialogs_->message("The run data file " + runData_.path() + " could not be emptied: " + reason
                          + "\nPoints and mixings cannot be saved in it during this run.",
                      ui::Buttons::Ok);
}

} // namespace chart
