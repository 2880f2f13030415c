#include "windows/pointresultwindow.h"

#include "windows/mainwindow.h"

#include "numtext/numtext.h"
#include "point/marking.h"
#include "ui/controls.h"
#include "ui/keyboard.h"
#include "ui/textfit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace windows {
namespace {

using ui::twipsPerPixel;

const char* const headingText = "Properties of the specified point are as below:";

std::string textOf(const QLabel* label)
{
    return label->text().toStdString();
}

void setText(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
}

} // namespace

PointResultWindow::PointResultWindow(MainWindow& main, const point::LocatedPoint& located)
    : ChildWindow(main, ChildReturn::ClearBusyAndFocusChart)
{
    setObjectName("pointResultWindow");
    setWindowTitle("Locate point");
    buildControls();

    connect(saveDataButton, &QPushButton::clicked, this, [this] { main_.saveRecord(pointRecord()); });
    connect(locateOnChartButton, &QPushButton::clicked, this, [this] { locateOnChart(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { close(); });
    load(located);
}

void PointResultWindow::buildControls()
{
    setFont(ui::twipWindowFont());
    setFixedSize(7470 / twipsPerPixel, 7755 / twipsPerPixel);
    auto label = [this](const char* name, const char* text, int left, int top, int width, int height) {
        return ui::placeInTwips(new QLabel(text, this), name, left, top, width, height);
    };
    pointIdCaption = label("pointIdCaption", "Point Id", 1920, 120, 1095, 375);
    pointId = ui::placeInTwips(new ui::ElidingLabel(this), "pointId", 3240, 120, 1335, 375);
    heading = label("heading", "", 1440, 720, 3855, 375);
    pressureCaption = label("pressureCaption", "", 1320, 1320, 1815, 375);
    pressureValue = label("pressureValue", "", 3720, 1320, 1815, 375);
    dryBulbCaption = label("dryBulbCaption", "Dry bulb temp (Deg F)", 1320, 1920, 1695, 375);
    dryBulb = label("dryBulb", "", 3720, 1920, 1935, 375);
    wetBulbCaption = label("wetBulbCaption", "Wet bulb temp (Deg F)", 1320, 2640, 1815, 375);
    wetBulb = label("wetBulb", "", 3720, 2640, 1815, 375);
    relativeHumidityCaption = label("relativeHumidityCaption", "Relative humidity (%)", 1320, 3240, 1815, 375);
    relativeHumidity = label("relativeHumidity", "", 3720, 3240, 1935, 375);
    enthalpyCaption = label("enthalpyCaption", "Specific enthalpy (btu/lb)", 1320, 3840, 1815, 495);
    enthalpy = label("enthalpy", "", 3720, 3960, 1935, 375);
    volumeCaption = label("volumeCaption", "Specific volume (cuf/lb)", 1320, 4560, 1935, 375);
    volume = label("volume", "", 3720, 4560, 1935, 375);
    humidityRatioCaption = label("humidityRatioCaption", "Humidity ratio (lb/lb of air)", 1320, 5160, 1935, 495);
    humidityRatio = label("humidityRatio", "", 3720, 5160, 1935, 375);
    dewPointCaption = label("dewPointCaption", "Dew point (Deg F)", 1320, 5880, 1695, 495);
    dewPoint = label("dewPoint", "", 3720, 5880, 2055, 375);
    vapourPressureCaption = label("vapourPressureCaption", "Vapor pressure (In Hg)", 1320, 6480, 1695, 375);
    vapourPressure = label("vapourPressure", "", 3720, 6480, 2055, 375);
    saveDataButton = ui::placeInTwips(new QPushButton("Save data", this), "saveDataButton", 120, 7080, 1335, 495);
    locateOnChartButton = ui::placeInTwips(new QPushButton("Locate point on the chart", this), "locateOnChartButton",
                                           1800, 7080, 2775, 495);
    exitButton
        = ui::placeInTwips(new QPushButton("Exit and return to chart", this), "exitButton", 5520, 7080, 1215, 495);
    // Every text the window can show fits whole.
    ui::widenToShowTexts(this);
    ui::widenToShow(heading, {QString(headingText)});
    // An identification may be as long as the user typed it: it takes the
    // room to the window's edge, and one longer still is cut short.
    pointId->widenToWindowEdge(ui::windowMargin);
    ui::widenToShow(pressureCaption, point::pressureRowCaptions());
    ui::widenToShow(pressureValue, {ui::widestGeneralNumber});
    for (QLabel* value :
         {dryBulb, wetBulb, relativeHumidity, enthalpy, volume, humidityRatio, dewPoint, vapourPressure})
        ui::widenToShow(value, {ui::widestProperty});

    ui::showLabelTextsAsTheyStand(this);
    ui::setKeyboard(this, {locateOnChartButton, exitButton, saveDataButton}, ui::EscapeCloses::Yes);
    locateOnChartButton->setFocus();
}

// The heading, the point identification of the main window as it is now
// ("Nil" when empty), the pressure row and the state of the point.
void PointResultWindow::load(const point::LocatedPoint& located)
{
    heading->setText(headingText);
    const QString id = main_.pointIdentification->text();
    pointId->setText(id.isEmpty() ? QString("Nil") : id);
    setText(pressureCaption, located.pressureCaption);
    setText(pressureValue, located.pressureValue);
    const point::StateValues values = point::inDisplayOrder(located.state);
    const auto labels = valueLabels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        setText(labels[i], numtext::formatprop(values[i]));
}

std::array<QLabel*, point::stateValueCount> PointResultWindow::valueLabels() const
{
    return {dryBulb, wetBulb, relativeHumidity, enthalpy, volume, humidityRatio, dewPoint, vapourPressure};
}

point::RecordLines PointResultWindow::pointRecord() const
{
    const auto row = [](const QLabel* caption, const QLabel* value) {
        return point::CaptionValue{textOf(caption), textOf(value)};
    };
    return point::pointRecord(row(pointIdCaption, pointId),
                              {row(pressureCaption, pressureValue), row(dryBulbCaption, dryBulb),
                               row(wetBulbCaption, wetBulb), row(relativeHumidityCaption, relativeHumidity),
                               row(enthalpyCaption, enthalpy), row(volumeCaption, volume),
                               row(humidityRatioCaption, humidityRatio), row(dewPointCaption, dewPoint),
                               row(vapourPressureCaption, vapourPressure)});
}

void PointResultWindow::locateOnChart()
{
    // The window may go while the box of a point outside the chart is open;
    // then there is nothing left to close.
    const QPointer<PointResultWindow> alive = this;
    point::PointContext context = main_.pointContext();
    point::PointTexts shown;
    const auto labels = valueLabels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        shown[i] = textOf(labels[i]);
    point::markLocatedPoint(context, shown);
    if (alive)
        close();
}

} // namespace windows
