#include "windows/pressuredialog.h"

#include "windows/mainwindow.h"

#include "chart/pressure.h"
#include "chart/scales.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/keyboard.h"
#include "ui/localenumbers.h"
#include "ui/singleline.h"
#include "ui/textfit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace windows {
namespace {

using ui::twipsPerPixel;

// One text of every unit, in the order of the unit list.
QStringList unitTexts(const char* const chart::PressureUnitInfo::*text)
{
    QStringList texts;
    for (const chart::PressureUnitInfo& unit : chart::pressureUnits)
        texts << unit.*text;
    return texts;
}

const char* const confirmation
    = "If you change the chart atmos pressure your chart,if any, will be cleared and you need to redraw the chart. "
      "Are You Sure ?";
const char* const outOfRange = "Atmospheric pressure input out of range, change value";

} // namespace

PressureDialog::PressureDialog(MainWindow& main) : ChildWindow(main, ChildReturn::BringForward)
{
    setObjectName("pressureDialog");
    setWindowTitle("Change pressure");
    buildControls();

    connect(unitList, &QComboBox::activated, this, [this] { unitChosen(); });
    connect(valueBox, &QLineEdit::textChanged, this, [this] { showConversion(); });
    connect(setButton, &QPushButton::clicked, this, [this] { setClicked(); });
    connect(returnButton, &QPushButton::clicked, this, [this] { close(); });
}

void PressureDialog::buildControls()
{
    setFont(ui::twipWindowFont());
    setFixedSize(7320 / twipsPerPixel, 5220 / twipsPerPixel);
    heading = ui::placeInTwips(new QLabel("Chart atmoshperic pressure setting", this), "heading", 1800, 360, 3735, 495);
    unitCaption = ui::placeInTwips(new QLabel("Choose unit", this), "unitCaption", 1680, 1200, 1095, 255);
    valueCaption = ui::placeInTwips(new QLabel("Input value", this), "valueCaption", 3480, 1200, 1095, 255);
    unitList = ui::placeInTwips(new QComboBox(this), "unitList", 1440, 1560, 1455, 315);
    valueBox = ui::placeInTwips(new QLineEdit(this), "valueBox", 3360, 1560, 1335, 375);
    ui::keepOnOneLine(valueBox); // it goes into the chart's caption and the records
    valueUnit = ui::placeInTwips(new QLabel(this), "valueUnit", 5040, 1560, 1335, 375);
    valueRange = ui::placeInTwips(new QLabel(this), "valueRange", 3360, 2040, 1335, 255);
    inchesCaption = ui::placeInTwips(new QLabel("Inches of Hg", this), "inchesCaption", 1560, 2520, 1575, 375);
    inchesValue = ui::placeInTwips(new ui::ElidingLabel(this), "inchesValue", 3240, 2520, 1095, 375);
    poundsCaption = ui::placeInTwips(new QLabel("Pound/sq inch", this), "poundsCaption", 1560, 3000, 1695, 375);
    poundsValue = ui::placeInTwips(new ui::ElidingLabel(this), "poundsValue", 3240, 3000, 1335, 375);
    elevationCaption
        = ui::placeInTwips(new QLabel("Elevation in feet", this), "elevationCaption", 1560, 3480, 1575, 375);
    elevationValue = ui::placeInTwips(new ui::ElidingLabel(this), "elevationValue", 3240, 3480, 1575, 375);
    returnButton = ui::placeInTwips(new QPushButton("Return to chart", this), "returnButton", 840, 4080, 1935, 495);
    setButton = ui::placeInTwips(new QPushButton("Set/Change chart atmos. pressure", this), "setButton", 3600, 4080,
                                 2175, 495);

    // Every text the dialog can show fits whole.
    ui::widenToShowTexts(this);
    ui::widenToShow(unitList, unitTexts(&chart::PressureUnitInfo::listCaption));
    ui::widenToShow(valueUnit, unitTexts(&chart::PressureUnitInfo::caption));
    ui::widenToShow(valueRange, unitTexts(&chart::PressureUnitInfo::rangeText));
    // The value box takes a number of any length, and so may the values
    // converted from it: they take the room to the window's edge, and one
    // longer still is cut short.
    for (ui::ElidingLabel* result : {inchesValue, poundsValue, elevationValue})
        result->widenToWindowEdge(ui::windowMargin);

    ui::showLabelTextsAsTheyStand(this);
    ui::setKeyboard(this, {unitList, valueBox, setButton, returnButton}, ui::EscapeCloses::Yes);
}

void PressureDialog::load()
{
    ui::fillList(unitList, unitTexts(&chart::PressureUnitInfo::listCaption));
    selectUnit(int(chart::PressureUnit::Default));
    valueUnit->setText(chart::pressureUnitInfo(chart::PressureUnit::Default).caption);
    valueBox->setText(chart::standardPressureText);
    valueBox->setEnabled(false);
    main_.bringForward();
    main_.waitForChild();
    show();
    raise();
    activateWindow();
}

void PressureDialog::selectUnit(int index)
{
    ui::setListIndex(unitList, index);
    unitChosen();
}

std::optional<chart::PressureUnit> PressureDialog::chosenUnit() const
{
    return chart::pressureUnitAt(ui::listIndex(unitList));
}

void PressureDialog::unitChosen()
{
    const std::optional<chart::PressureUnit> unit = chosenUnit();
    if (!unit)
        return;
    valueUnit->setText(chart::pressureUnitInfo(*unit).caption);
    if (unit == chart::PressureUnit::Default) {
        // The value box shows the standard pressure; when it held it already
        // no change is raised, and the conversion is shown all the same.
        const bool unchanged = valueBox->text() == chart::standardPressureText;
        valueBox->setText(chart::standardPressureText);
        if (unchanged)
            showConversion();
        valueBox->setEnabled(false);
        valueRange->clear();
        return;
    }
    valueBox->setEnabled(true);
    valueRange->setText(chart::pressureUnitInfo(*unit).rangeText);
    valueBox->clear();
    for (QLabel* result : {inchesValue, poundsValue, elevationValue})
        result->clear();
}

void PressureDialog::showConversion()
{
    const chart::PressureReadings shown
        = chart::convertPressure(chosenUnit(), valueBox->text().toStdString(), ui::localeDecimal());
    if (shown.inchesHg)
        inchesValue->setText(QString::fromStdString(*shown.inchesHg));
    if (shown.psi)
        poundsValue->setText(QString::fromStdString(*shown.psi));
    if (shown.feet)
        elevationValue->setText(QString::fromStdString(*shown.feet));
}

void PressureDialog::setClicked()
{
    // The dialog may go while its question is open; then nothing is set.
    const QPointer<PressureDialog> alive = this;
    ui::Dialogs& dialogs = main_.dialogs();
    if (dialogs.message(confirmation, ui::Buttons::YesNo, "DELETE") != ui::Answer::Yes || !alive)
        return;
    const std::optional<std::string> pressure
        = chart::acceptedPressure(chosenUnit(), valueBox->text().toStdString(), ui::localeDecimal());
    if (!pressure) {
        dialogs.message(outOfRange, ui::Buttons::Ok);
        return;
    }
    if (!pressure->empty())
        main_.state.workingPressureText = *pressure;
    applyPressure();
}

// The new pressure takes effect: the chart and the main window's inputs are
// cleared, the unit and the typed value recorded and the new pressure
// printed; the dialog then closes.
void PressureDialog::applyPressure()
{
    main_.clearChartAndInputs(MainWindow::DewPointReadout::Blank);
    main_.bringForward();
    main_.state.pressureUnit = chosenUnit();
    main_.state.typedPressureText = valueBox->text().toStdString();
    chart::DrawContext ctx = main_.drawContext();
    chart::printPressureCaption(ctx);
    setReturnOnClose(ChildReturn::FocusChartAndBringForward);
    close();
}

} // namespace windows
