#include "chart/form2.h"

#include "chart/drawcontext.h"
#include "chart/form1.h"
#include "chart/mainstate.h"
#include "chart/scales.h"

#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/textfit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <iterator>

namespace chart {
namespace {

using ui::twipsPerPixel;

// Pounds per square inch in one inch of mercury, and the reverse.
constexpr double psiPerInchHg = 0.4911541;
constexpr double inchesHgPerPsi = 2.036021;

struct UnitInfo {
    const char* listCaption; // item of the unit list
    const char* caption;     // unit of the value box
    const char* rangeText;   // accepted range, as shown
    double low, high;        // accepted range, both ends included
};

constexpr UnitInfo units[] = {
    {"Default", "Inches of Hg", "", 0, 0},
    {"Inches of Hg", "Inches of Hg", "(5.906 - 147.65)", 5.906, 147.65},
    {"Pounds/sq inch", "Pounds/sq inch", "(2.9 - 72.5)", 2.9, 72.5},
    {"Elevation in feet", "Elevation in feet", "(0 - 38650)", 0, 38650},
};

bool isUnit(int unit) { return unit >= 0 && unit < int(std::size(units)); }

// One text of every unit, in the order of the unit list.
QStringList unitTexts(const char* const UnitInfo::*text)
{
    QStringList texts;
    for (const UnitInfo& unit : units)
        texts << unit.*text;
    return texts;
}

const char* const confirmation =
    "If you change the chart atmos pressure your chart,if any, will be cleared and you need to redraw the chart. "
    "Are You Sure ?";
const char* const outOfRange = "Atmospheric pressure input out of range, change value";

// The text of v times the factor; empty when v has no value in a double or
// the product overflows.
std::string productText(std::optional<double> v, double factor)
{
    return v ? numtext::generalText(*v * factor) : std::string();
}

// The barometric pressure at the elevation; nullopt when the elevation has
// none (above about 145446 ft, or a value without a result in a double).
std::optional<double> pressureAtElevation(std::optional<double> elevation)
{
    std::optional<double> pressure;
    if (elevation)
        moistair::skipOnFailure([&] { pressure = moistair::psychro_atm(*elevation); });
    return pressure;
}

} // namespace

PressureReadings convertPressure(int unit, const std::string& typed)
{
    const std::optional<double> v = numtext::leadingNumber(typed);
    PressureReadings shown;
    switch (unit) {
    case int(PressureUnit::Default):
    case int(PressureUnit::InchesHg):
        shown.inchesHg = typed;
        shown.psi = productText(v, psiPerInchHg);
        break;
    case int(PressureUnit::Psi):
        shown.inchesHg = typed.empty() ? std::string() : productText(v, inchesHgPerPsi);
        if (!typed.empty())
            shown.psi = typed;
        break;
    case int(PressureUnit::Elevation): {
        const std::optional<double> pressure = pressureAtElevation(v);
        shown.inchesHg = pressure ? numtext::generalText(*pressure) : std::string();
        // The pounds value comes from the inches as shown.
        shown.psi = pressure ? productText(numtext::leadingNumber(*shown.inchesHg), psiPerInchHg) : std::string();
        shown.feet = typed;
        break;
    }
    default:
        break;
    }
    return shown;
}

std::optional<std::string> acceptedPressure(int unit, const std::string& typed)
{
    if (unit == int(PressureUnit::Default))
        return std::string(standardPressureText);
    if (!isUnit(unit))
        return std::string();
    const std::optional<double> v = numtext::leadingNumber(typed);
    if (!v || *v < units[unit].low || *v > units[unit].high)
        return std::nullopt;
    switch (unit) {
    case int(PressureUnit::InchesHg):
        return typed;
    case int(PressureUnit::Psi):
        return productText(v, inchesHgPerPsi);
    default: {
        const std::optional<double> pressure = pressureAtElevation(v);
        if (!pressure)
            return std::nullopt;
        return numtext::generalText(*pressure);
    }
    }
}

Form2::Form2(Form1& main) : main_(main)
{
    setObjectName("Form2");
    setWindowTitle("Change pressure");
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    connect(Combo1, &QComboBox::activated, this, [this] { unitChosen(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { showConversion(); });
    connect(Command1, &QPushButton::clicked, this, [this] { setClicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { close(); });
}

void Form2::buildControls()
{
    setFont(ui::twipWindowFont());
    setFixedSize(7320 / twipsPerPixel, 5220 / twipsPerPixel);
    Label3 = ui::placeInTwips(new QLabel("Chart atmoshperic pressure setting", this), "Label3", 1800, 360, 3735, 495);
    Label1 = ui::placeInTwips(new QLabel("Choose unit", this), "Label1", 1680, 1200, 1095, 255);
    Label2 = ui::placeInTwips(new QLabel("Input value", this), "Label2", 3480, 1200, 1095, 255);
    Combo1 = ui::placeInTwips(new QComboBox(this), "Combo1", 1440, 1560, 1455, 315);
    Text1 = ui::placeInTwips(new QLineEdit(this), "Text1", 3360, 1560, 1335, 375);
    Label4 = ui::placeInTwips(new QLabel(this), "Label4", 5040, 1560, 1335, 375);
    Label11 = ui::placeInTwips(new QLabel(this), "Label11", 3360, 2040, 1335, 255);
    Label5 = ui::placeInTwips(new QLabel("Inches of Hg", this), "Label5", 1560, 2520, 1575, 375);
    Label8 = ui::placeInTwips(new QLabel(this), "Label8", 3240, 2520, 1095, 375);
    Label6 = ui::placeInTwips(new QLabel("Pound/sq inch", this), "Label6", 1560, 3000, 1695, 375);
    Label9 = ui::placeInTwips(new QLabel(this), "Label9", 3240, 3000, 1335, 375);
    Label7 = ui::placeInTwips(new QLabel("Elevation in feet", this), "Label7", 1560, 3480, 1575, 375);
    Label10 = ui::placeInTwips(new QLabel(this), "Label10", 3240, 3480, 1575, 375);
    Command2 = ui::placeInTwips(new QPushButton("Return to chart", this), "Command2", 840, 4080, 1935, 495);
    Command1 = ui::placeInTwips(new QPushButton("Set/Change chart atmos. pressure", this), "Command1", 3600, 4080, 2175, 495);

    // Every text the dialog can show fits whole.
    ui::widenToShowTexts(this);
    ui::widenToShow(Combo1, unitTexts(&UnitInfo::listCaption));
    ui::widenToShow(Label4, unitTexts(&UnitInfo::caption));
    ui::widenToShow(Label11, unitTexts(&UnitInfo::rangeText));
    for (QLabel* result : {Label8, Label9, Label10})
        ui::widenToShow(result, {ui::widestGeneralNumber});

    ui::showLabelTextsAsTheyStand(this);
    setTabOrder(Combo1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
}

void Form2::load()
{
    ui::fillList(Combo1, unitTexts(&UnitInfo::listCaption));
    selectUnit(int(PressureUnit::Default));
    Label4->setText(units[0].caption);
    Text1->setText(standardPressureText);
    Text1->setEnabled(false);
    pressureAtOpening_ = main_.state.workingPressureText;
    main_.state.workingPressureText = standardPressureText;
    bringMainForward();
    main_.setEnabled(false);
    show();
    raise();
    activateWindow();
}

void Form2::selectUnit(int index)
{
    ui::setListIndex(Combo1, index);
    unitChosen();
}

void Form2::unitChosen()
{
    const int unit = ui::listIndex(Combo1);
    if (!isUnit(unit))
        return;
    Label4->setText(units[unit].caption);
    if (unit == int(PressureUnit::Default)) {
        // The value box shows the standard pressure; when it held it already
        // no change is raised, and the conversion is shown all the same.
        const bool unchanged = Text1->text() == standardPressureText;
        Text1->setText(standardPressureText);
        if (unchanged)
            showConversion();
        Text1->setEnabled(false);
        Label11->clear();
        return;
    }
    Text1->setEnabled(true);
    Label11->setText(units[unit].rangeText);
    Text1->clear();
    for (QLabel* result : {Label8, Label9, Label10})
        result->clear();
}

void Form2::showConversion()
{
    const PressureReadings shown = convertPressure(ui::listIndex(Combo1), Text1->text().toStdString());
    if (shown.inchesHg)
        Label8->setText(QString::fromStdString(*shown.inchesHg));
    if (shown.psi)
        Label9->setText(QString::fromStdString(*shown.psi));
    if (shown.feet)
        Label10->setText(QString::fromStdString(*shown.feet));
}

void Form2::setClicked()
{
    ui::Dialogs& dialogs = main_.dialogs();
    if (dialogs.message(confirmation, ui::Buttons::YesNo, "DELETE") != ui::Answer::Yes)
        return;
    const std::optional<std::string> pressure =
        acceptedPressure(ui::listIndex(Combo1), Text1->text().toStdString());
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
void Form2::applyPressure()
{
    main_.clearChartAndInputs(Form1::Readout::BlankDewPoint);
    bringMainForward();
    main_.state.pressureUnitText = numtext::generalText(ui::listIndex(Combo1));
    main_.state.typedPressureText = Text1->text().toStdString();
    DrawContext ctx = main_.drawContext();
    printPressureCaption(ctx);
    pressureSet_ = true;
    close();
    main_.setEnabled(true);
}

void Form2::closeEvent(QCloseEvent* event)
{
    // Every later computation, and the captions that name the pressure, must
    // agree: without Set the pressure in force before the dialog stays.
    if (!pressureSet_)
        main_.state.workingPressureText = pressureAtOpening_;
    main_.setEnabled(true);
    bringMainForward();
    QWidget::closeEvent(event);
}

void Form2::bringMainForward()
{
    if (!main_.isVisible())
        return;
    main_.raise();
    main_.activateWindow();
}

} // namespace chart
