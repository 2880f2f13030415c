#include "windows/mainwindow.h"

#include "windows/charttypedialog.h"
#include "windows/mixingwindow.h"
#include "windows/pointresultwindow.h"
#include "windows/pressuredialog.h"
#include "windows/propertylists.h"
#include "windows/saveddataviewer.h"

#include "chart/pressure.h"
#include "chart/scales.h"
#include "ui/controls.h"
#include "ui/flowlayout.h"
#include "ui/keyboard.h"
#include "ui/localenumbers.h"
#include "ui/qtchartsurface.h"
#include "ui/singleline.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace windows {

bool endForSmallScreen(ui::Dialogs& dialogs)
{
    if (ui::screenIsAtLeast(dialogs.screenSize(), 1024, 728))
        return false;
    const ui::Answer answer
        = dialogs.message("You must set screen size to 1024x768 or higher if your monitor size is less than 15 inch. "
                          "Do you want to exit the program and reset your screen reolution now ?",
                          ui::Buttons::YesNo, "DELETE");
    return answer == ui::Answer::Yes;
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

} // namespace

MainWindow::MainWindow(const MainWindowSetup& setup)
    : dialogs_(setup.dialogs), surface_(setup.surface), runData_(setup.dataFolder), dataFolder_(setup.dataFolder)
{
    setObjectName("mainWindow");
    setWindowTitle(ui::applicationTitle);
    buildControls();
    wireEvents();
    if (!surface_)
        surface_ = surfaceWidget;
    hooks.updateReadout = [this] { updateReadout(); };
    hooks.locatePoint = [this] { locatePointClicked(); };
    hooks.mixingProblem = [this] { openMixingWindow(*this); };
    // The window takes what the desktop leaves of the screen; its band and
    // the chart's place are laid out at once, so that the chart's extents
    // are known before the window is first shown.
    const ui::ScreenSize area = dialogs_->availableArea();
    resize(area.widthTwips / twipsPerPixel, area.heightTwips / twipsPerPixel);
    layout()->activate();
    // Until the load sizes it to the screen, the surface is as large as the
    // window, so that what the load prints before has room.
    surfaceWidget->setSizeTwips(width() * twipsPerPixel, height() * twipsPerPixel);
}

MainWindow::~MainWindow()
{
    // The child windows work on this window: none may outlive it.
    delete pressureDialog_;
    delete savedDataViewer_;
    delete chartTypeDialog_;
    delete pointResultWindow_;
    delete mixingWindow_;
}

// The band of controls above the chart: the commands, then the chart limits
// and the line commands, then the point and its readout. Each takes as many
// rows as the window's width needs.
void MainWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    for (ui::FlowLayout* band : {buildCommandBand(), buildLimitsAndLinesBand(), buildPointBand()}) {
        band->setContentsMargins(4, 0, 4, 0);
        layout->addLayout(band);
    }
    layout->addWidget(buildChartArea(), 1);
    ui::showLabelTextsAsTheyStand(this);
    setKeyboardOrder();
}

// Tab goes through the band in the order its controls stand, row by row and
// left to right at any width. The chart takes no keys and is no stop of its
// own: where the program gives it the focus, Tab goes on to the first
// command and Shift+Tab back to Locate point.
void MainWindow::setKeyboardOrder()
{
    ui::setKeyboard(this,
                    {drawChartButton, clearChartButton, saveChartButton, setPressureButton, mixingProblemButton,
                     viewSavedDataButton, saveDataInFileButton, helpButton, exitButton,
                     lowerDryBulbList, higherDryBulbList, lowerHumidityRatioList, higherHumidityRatioList,
                     relativeHumidityLineValue, relativeHumidityLineButton, wetBulbLineValue, wetBulbLineButton,
                     enthalpyLineValue, enthalpyLineButton, volumeLineValue, volumeLineButton,
                     firstPropertyList, firstPropertyValue, secondPropertyList, secondPropertyValue,
                     pointIdentification, locatePointButton, surfaceWidget},
                    ui::EscapeCloses::No);
}

ui::FlowLayout* MainWindow::buildCommandBand()
{
    drawChartButton = makeCommand(this, "drawChartButton", "Draw chart", "Draw chart");
    clearChartButton = makeCommand(this, "clearChartButton", "Clear chart", "Clear chart");
    saveChartButton = makeCommand(this, "saveChartButton", "Save chart", "Save present chart in a file");
    setPressureButton = makeCommand(this, "setPressureButton", "Set/reset atmos pressure", "Set/reset atmos. pressure");
    mixingProblemButton = makeCommand(this, "mixingProblemButton", "Mixing problem", "Start MIxing problem");
    viewSavedDataButton
        = makeCommand(this, "viewSavedDataButton", "View saved data", "View saved data of this session");
    saveDataInFileButton
        = makeCommand(this, "saveDataInFileButton", "Save data in file", "Save the already saved data in a file");
    helpButton = makeCommand(this, "helpButton", "Help", "");
    exitButton = makeCommand(this, "exitButton", "Exit", "Exit the program");
    busyIndicator = makeLabel(this, "busyIndicator", "");
    // As wide as its text, so that it shares a row with the commands.
    busyIndicator->setMinimumWidth(busyIndicator->fontMetrics().horizontalAdvance(busyText) + 8);
    busyIndicator->setAlignment(Qt::AlignCenter);
    busyIndicator->setAutoFillBackground(true);
    busyIndicator->setBackgroundRole(QPalette::Button);

    auto* band = new ui::FlowLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{
             drawChartButton, clearChartButton, saveChartButton, setPressureButton, mixingProblemButton,
             viewSavedDataButton, saveDataInFileButton, helpButton, exitButton, busyIndicator})
        band->addWidget(control);
    return band;
}

ui::FlowLayout* MainWindow::buildLimitsAndLinesBand()
{
    lowerDryBulbList = ui::makeEditableList(this, "lowerDryBulbList");
    higherDryBulbList = ui::makeEditableList(this, "higherDryBulbList");
    lowerHumidityRatioList = ui::makeEditableList(this, "lowerHumidityRatioList");
    higherHumidityRatioList = ui::makeEditableList(this, "higherHumidityRatioList");
    relativeHumidityLineValue = makeInput(this, "relativeHumidityLineValue", 60);
    wetBulbLineValue = makeInput(this, "wetBulbLineValue", 60);
    enthalpyLineValue = makeInput(this, "enthalpyLineValue", 60);
    volumeLineValue = makeInput(this, "volumeLineValue", 60);
    relativeHumidityLineButton
        = makeCommand(this, "relativeHumidityLineButton", "Rel. Humidity line", "Draw relative humidity line");
    wetBulbLineButton = makeCommand(this, "wetBulbLineButton", "Const WB line", "Draw wet bulb line");
    enthalpyLineButton = makeCommand(this, "enthalpyLineButton", "Const Enthal line", "Draw enthalpy line");
    volumeLineButton = makeCommand(this, "volumeLineButton", "Const sp vol line", "Draw specific voloume line");

    auto* band = new ui::FlowLayout;
    band->addGroup(group({makeLabel(this, "lowerDryBulbCaption", "L. DBT(F)"), lowerDryBulbList}));
    band->addGroup(group({makeLabel(this, "higherDryBulbCaption", "H. DBT(F)"), higherDryBulbList}));
    band->addGroup(group({makeLabel(this, "lowerHumidityRatioCaption", "L. H ratio"), lowerHumidityRatioList}));
    band->addGroup(group({makeLabel(this, "higherHumidityRatioCaption", "H. H ratio"), higherHumidityRatioList}));
    band->addGroup(group({makeLabel(this, "relativeHumidityLineCaption", "Rel Hum,      %"), relativeHumidityLineValue,
                          relativeHumidityLineButton}));
    band->addGroup(
        group({makeLabel(this, "wetBulbLineCaption", "WBT,         Deg F"), wetBulbLineValue, wetBulbLineButton}));
    band->addGroup(
        group({makeLabel(this, "enthalpyLineCaption", "Enthal, Btu/lb"), enthalpyLineValue, enthalpyLineButton}));
    band->addGroup(group({makeLabel(this, "volumeLineCaption", "Sp vol, cuf/lb"), volumeLineValue, volumeLineButton}));
    return band;
}

ui::FlowLayout* MainWindow::buildPointBand()
{
    firstPropertyList = ui::makeEditableList(this, "firstPropertyList");
    secondPropertyList = ui::makeEditableList(this, "secondPropertyList");
    firstPropertyValue = makeInput(this, "firstPropertyValue", 80);
    secondPropertyValue = makeInput(this, "secondPropertyValue", 80);
    pointIdentification = makeInput(this, "pointIdentification", 80);
    ui::keepOnOneLine(pointIdentification); // it goes into the point record
    pointIdentification->setToolTip("Enter point identification");
    locatePointButton
        = makeCommand(this, "locatePointButton", "Locate point", "Locate point with two input parameters");

    auto* band = new ui::FlowLayout;
    band->addGroup(group({firstPropertyList, firstPropertyValue}));
    band->addGroup(group({secondPropertyList, secondPropertyValue}));
    band->addGroup(group({makeLabel(this, "pointCaption", "Point"), pointIdentification, locatePointButton}));
    // The readout: each value beside its caption, the caption's name being
    // the value's with "Caption" after it.
    struct ReadoutCell {
        const char* caption;
        QLabel** value;
        const char* name;
    };
    const ReadoutCell readouts[] = {
        {"DB=", &readoutDryBulb, "readoutDryBulb"},
        {"WB=", &readoutWetBulb, "readoutWetBulb"},
        {"RH(%)=", &readoutRelativeHumidity, "readoutRelativeHumidity"},
        {"Enthalpy=", &readoutEnthalpy, "readoutEnthalpy"},
        {"Sp vol=", &readoutVolume, "readoutVolume"},
        {"H.ratio=", &readoutHumidityRatio, "readoutHumidityRatio"},
        {"DP=", &readoutDewPoint, "readoutDewPoint"},
        {"V. pr=", &readoutVapourPressure, "readoutVapourPressure"},
    };
    for (const ReadoutCell& r : readouts) {
        *r.value = makeReadout(this, r.name);
        const std::string captionName = std::string(r.name) + "Caption";
        band->addGroup(group({makeLabel(this, captionName.c_str(), r.caption), *r.value}));
    }
    return band;
}

// The surface is sized to the screen at load; what lies beyond the window is
// not shown, and the chart is laid out on what is. The area only cuts the
// surface off at its edges: it never scrolls, so no key, wheel or change of
// focus moves the chart.
QWidget* MainWindow::buildChartArea()
{
    surfaceArea_ = new QWidget(this);
    surfaceArea_->setObjectName("surfaceArea");
    surfaceArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    surfaceWidget = new ui::QtChartSurface(surfaceArea_);
    surfaceWidget->setObjectName("surfaceWidget");
    return surfaceArea_;
}

void MainWindow::wireEvents()
{
    connect(firstPropertyList, &ui::EditableList::chosen, this, [this] { runReadout(); });
    connect(secondPropertyList, &ui::EditableList::chosen, this, [this] { runReadout(); });
    connect(firstPropertyValue, &QLineEdit::textChanged, this, [this] { runReadout(); });
    connect(secondPropertyValue, &QLineEdit::textChanged, this, [this] { runReadout(); });
    struct LineCommand {
        QPushButton* button;
        QLineEdit* value;
        chart::LineKind kind;
    };
    for (LineCommand c :
         {LineCommand{relativeHumidityLineButton, relativeHumidityLineValue, chart::LineKind::RelativeHumidity},
          LineCommand{wetBulbLineButton, wetBulbLineValue, chart::LineKind::WetBulb},
          LineCommand{enthalpyLineButton, enthalpyLineValue, chart::LineKind::Enthalpy},
          LineCommand{volumeLineButton, volumeLineValue, chart::LineKind::SpecificVolume}})
        connect(c.button, &QPushButton::clicked, this, [this, c] { drawLineClicked(c.kind, c.value); });
    connect(drawChartButton, &QPushButton::clicked, this, [this] { drawChartClicked(); });
    connect(clearChartButton, &QPushButton::clicked, this, [this] { clearChartClicked(); });
    connect(saveChartButton, &QPushButton::clicked, this, [this] { saveChartClicked(); });
    connect(viewSavedDataButton, &QPushButton::clicked, this, [this] { viewSavedDataClicked(); });
    connect(saveDataInFileButton, &QPushButton::clicked, this, [this] { saveDataClicked(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitClicked(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { helpClicked(); });
    connect(setPressureButton, &QPushButton::clicked, this, [this] { setPressureClicked(); });
    connect(locatePointButton, &QPushButton::clicked, this, [this] {
        if (hooks.locatePoint)
            hooks.locatePoint();
    });
    connect(mixingProblemButton, &QPushButton::clicked, this, [this] {
        if (hooks.mixingProblem)
            hooks.mixingProblem();
    });
}

void MainWindow::runReadout()
{
    if (hooks.updateReadout)
        hooks.updateReadout();
}

void MainWindow::selectListItem(QComboBox* list, int index)
{
    ui::setListIndex(list, index);
    if (list == firstPropertyList || list == secondPropertyList)
        runReadout();
}

ChartTypeDialog* MainWindow::chartTypeDialog() const
{
    return chartTypeDialog_;
}

SavedDataViewer* MainWindow::savedDataViewer() const
{
    return savedDataViewer_;
}

PressureDialog* MainWindow::pressureDialog() const
{
    return pressureDialog_ && pressureDialog_->isVisible() ? pressureDialog_.data() : nullptr;
}

PointResultWindow* MainWindow::pointResultWindow() const
{
    return pointResultWindow_;
}

MixingWindow* MainWindow::mixingWindow() const
{
    return mixingWindow_;
}

void MainWindow::setMixingWindow(MixingWindow* window)
{
    mixingWindow_ = window;
    keepInFront(window);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every child window works on this window: each goes with it.
    for (QWidget* child : std::initializer_list<QWidget*>{chartTypeDialog_, savedDataViewer_, pressureDialog_,
                                                          pointResultWindow_, mixingWindow_})
        if (child)
            child->close();
    QWidget::closeEvent(event);
}

// A child window is a dialog that belongs to this window: the desktop keeps
// it in front of this window and places it over it, so that no child is ever
// hidden behind the chart. It stays a window of its own, not modal, with its
// own title bar. (On X11 a window names the window it belongs to only when it
// is of dialog type.)
void MainWindow::keepInFront(QWidget* child)
{
    if (!child)
        return;
    // A title and a close box, nothing to minimise it with: a child hidden
    // away would leave the disabled main window looking frozen.
    if (child->windowType() != Qt::Dialog)
        child->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (!child->isVisible())
        centreOver(child);
    if (!windowHandle())
        return;     // this window has not been shown: it covers nothing
    child->winId(); // gives the child its window on the desktop
    child->windowHandle()->setTransientParent(windowHandle());
}

// Some desktops place a window that belongs to another at the screen's
// top-left corner: the program places each child itself, before it opens,
// centred over this window and on the screen's available area. The child's
// frame is taken to be as wide as this window's, which the desktop draws
// alike.
void MainWindow::centreOver(QWidget* child) const
{
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    const QMargins decoration(inside.left() - frame.left(), inside.top() - frame.top(),
                              frame.right() - inside.right(), frame.bottom() - inside.bottom());
    QRect childFrame(QPoint(), child->size().grownBy(decoration));
    childFrame.moveCenter(frame.center());
    if (const QScreen* shownOn = screen()) {
        const QRect area = shownOn->availableGeometry();
        childFrame.moveLeft(std::max(area.left(), std::min(childFrame.left(), area.right() + 1 - childFrame.width())));
        childFrame.moveTop(std::max(area.top(), std::min(childFrame.top(), area.bottom() + 1 - childFrame.height())));
    }
    child->move(childFrame.topLeft());
}

void MainWindow::bringForward()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void MainWindow::waitForChild()
{
    // Disabling the window takes the focus from its controls: what had it
    // is kept first.
    if (isEnabled())
        childOpener_ = focusWidget();
    setEnabled(false);
}

void MainWindow::returnFromChild(ChildReturn how)
{
    setEnabled(true);
    if (how == ChildReturn::ClearBusyAndFocusChart)
        clearbusy();
    if (how == ChildReturn::ClearBusyAndFocusChart || how == ChildReturn::FocusChartAndBringForward)
        surface().takeFocus();
    else if (childOpener_)
        childOpener_->setFocus(Qt::OtherFocusReason);
    if (how != ChildReturn::EnableOnly)
        bringForward();
}

// The extents of the drawing: what lets the whole chart lie on the part of
// the surface that the window shows.
chart::Extents MainWindow::extents() const
{
    const QSize visible = surfaceArea_->size();
    return chart::extentsToShowWhole(visible.width() * twipsPerPixel, visible.height() * twipsPerPixel,
                                     surfaceWidget->lineHeightTwips());
}

double MainWindow::W() const
{
    return extents().W;
}

double MainWindow::H() const
{
    return extents().H;
}

chart::LimitTexts MainWindow::limitTexts() const
{
    return {lowerDryBulbList->currentText().toStdString(), higherDryBulbList->currentText().toStdString(),
            lowerHumidityRatioList->currentText().toStdString(), higherHumidityRatioList->currentText().toStdString(),
            ui::localeDecimal()};
}

chart::DrawContext MainWindow::drawContext()
{
    const chart::Extents drawing = extents();
    return {state, surface(), drawing.W, drawing.H, limitTexts(), [this] { setbusy(); }, [this] { clearbusy(); }};
}

point::PointContext MainWindow::pointContext()
{
    return {drawContext(), dialogs(), [this](const point::ReadoutTexts& texts) { showReadout(texts); },
            pointIdentification->text().toStdString()};
}

point::PointInputs MainWindow::pointInputs() const
{
    return {givenProperty(firstPropertyList, firstPropertyValue), givenProperty(secondPropertyList, secondPropertyValue)};
}

void MainWindow::showReadout(const point::ReadoutTexts& texts)
{
    const auto labels = readoutLabels();
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i])
            labels[i]->setText(QString::fromStdString(*texts[i]));
}

std::array<QLabel*, point::stateValueCount> MainWindow::readoutLabels() const
{
    return {readoutDryBulb, readoutWetBulb,       readoutRelativeHumidity, readoutEnthalpy,
            readoutVolume,  readoutHumidityRatio, readoutDewPoint,         readoutVapourPressure};
}

void MainWindow::setbusy()
{
    busyIndicator->setStyleSheet("background-color: #ffff00;");
    busyIndicator->setText(busyText);
    busyIndicator->repaint();
}

void MainWindow::clearbusy()
{
    busyIndicator->setStyleSheet("");
    busyIndicator->setText("");
}

bool MainWindow::load()
{
    chart::settleWorkingPressure(state);
    chart::DrawContext ctx = drawContext();
    chart::printStartCaption(ctx);
    if (endForSmallScreen(*dialogs_))
        return false;
    fillLists();
    selectListItem(firstPropertyList, 0);
    selectListItem(secondPropertyList, 1);
    state.pressureUnit = chart::PressureUnit::Default;
    state.typedPressureText = chart::standardPressureText;
    sizeSurfaceToScreen();
    emptyRunData();
    saveDataInFileButton->setEnabled(false);
    return true;
}

void MainWindow::fillLists()
{
    ui::fillList(firstPropertyList, propertyListItems());
    ui::fillList(secondPropertyList, propertyListItems());
    ui::fillList(lowerDryBulbList, dryBulbLimits());
    ui::setListIndex(lowerDryBulbList, 0);
    ui::fillList(higherDryBulbList, dryBulbLimits());
    ui::setListIndex(higherDryBulbList, 12);
    ui::fillList(lowerHumidityRatioList, humidityRatioLimits);
    ui::setListIndex(lowerHumidityRatioList, 0);
    ui::fillList(higherHumidityRatioList, humidityRatioLimits);
    ui::setListIndex(higherHumidityRatioList, 3);
}

// As wide as the screen, from the window's left edge, and as high as the
// window leaves below the band.
void MainWindow::sizeSurfaceToScreen()
{
    const ui::ScreenSize screen = dialogs_->screenSize();
    layout()->activate();
    surfaceWidget->setSizeTwips(screen.widthTwips, surfaceArea_->height() * twipsPerPixel);
}

void MainWindow::emptyRunData()
{
    std::string reason;
    if (runData_.reset(reason))
        return;
    const std::string why
        = runData_.heldByAnotherRun() ? " is in use by another run of the program." : " could not be emptied: " + reason;
    dialogs_->message("The run data file " + runData_.path() + why
                          + "\nPoints and mixings cannot be saved in it during this run.",
                      ui::Buttons::Ok);
}

} // namespace windows
