// Every window laid out in twips keeps its rectangles' left and top, and
// every text that its controls can show fits whole.
#include "mainwindow_fixture.h"
#include "windows/pressuredialog.h"
#include "windows/mixingwindow.h"
#include "windows/pointresultwindow.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QToolTip>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A control's left and top in twips, and the longest text it shows when it
// is not its own caption.
struct Place {
    const char* name;
    int left, top;
    const char* longest = nullptr;
};

double advance(const QWidget* control, const QString& text)
{
    return QFontMetricsF(control->font()).horizontalAdvance(text);
}

// Whether the control's text (a list: each item) fits the room it gives its
// text.
bool showsWhole(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        for (int i = 0; i < list->count(); ++i)
            if (advance(list, list->itemText(i)) > room)
                return false;
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->sizeHint().width() <= button->width();
    if (auto* label = qobject_cast<QLabel*>(control))
        return advance(label, label->text()) <= label->contentsRect().width();
    return true;
}

class WindowTexts : public testsupport::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
    }

    void check(QWidget* window, const std::vector<Place>& places)
    {
        ASSERT_NE(window, nullptr);
        for (const Place& place : places) {
            auto* control = window->findChild<QWidget*>(place.name);
            ASSERT_NE(control, nullptr) << place.name;
            EXPECT_EQ(control->pos(), QPoint(place.left / 15, place.top / 15)) << place.name;
            if (place.longest)
                qobject_cast<QLabel*>(control)->setText(place.longest);
        }
        const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* control : controls) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(showsWhole(control)) << name;
            EXPECT_TRUE(window->rect().contains(control->geometry())) << name;
            if (qobject_cast<QFrame*>(control) && !qobject_cast<QLabel*>(control))
                continue; // the rules of a grid
            // Some of the designed rectangles overlap by a pixel; a control
            // widened into its neighbour overlaps by more.
            for (QWidget* other : controls) {
                if (other != control && !(qobject_cast<QFrame*>(other) && !qobject_cast<QLabel*>(other))) {
                    EXPECT_LE(control->geometry().intersected(other->geometry()).width(), 1)
                        << name << " and " << other->objectName().toStdString();
                }
            }
        }
    }
};

TEST_F(WindowTexts, PressureDialog)
{
    form->setPressureButton->click();
    check(form->pressureDialog(),
          {{"heading", 1800, 360},   {"unitCaption", 1680, 1200}, {"valueCaption", 3480, 1200},
           {"unitList", 1440, 1560},  {"valueBox", 3360, 1560},  {"valueUnit", 5040, 1560, "Elevation in feet"},
           {"valueRange", 3360, 2040, "(5.906 - 147.65)"},     {"inchesCaption", 1560, 2520},
           {"inchesValue", 3240, 2520, "24.8961078291965"},      {"poundsCaption", 1560, 3000},
           {"poundsValue", 3240, 3000, "14.695949526166"},       {"elevationCaption", 1560, 3480},
           {"elevationValue", 3240, 3480, "-12345.6789012345"},    {"returnButton", 840, 4080},
           {"setButton", 3600, 4080}});
}

// 105000 ft is out of range, but its conversions show as typed: whole.
TEST_F(WindowTexts, PressureDialogConvertingALongEntry)
{
    form->setPressureButton->click();
    windows::PressureDialog* dialog = form->pressureDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->unitList->setCurrentIndex(3);
    emit dialog->unitList->activated(3);
    dialog->valueBox->setText("105000");
    ASSERT_FALSE(dialog->inchesValue->text().isEmpty());
    check(dialog, {});
}

// A text longer than its label's room shows cut short, and whole in the
// tooltip, as typed: markup is not read as markup, and blanks stay.
TEST_F(WindowTexts, TextsLongerThanTheWindowEndInAnEllipsis)
{
    drawChart();
    give(testsupport::DB, "75", testsupport::WB, "65");
    const QString id = QString("<b>AHU-2</b> <font color=red>supply</font>  &amp; (level 3) ").repeated(5);
    form->pointIdentification->setText(id);
    form->locatePointButton->click();
    ui::ElidingLabel* label = form->pointResultWindow()->pointId;
    EXPECT_EQ(label->text(), id);
    const QString shown = label->shownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(id.startsWith(shown.chopped(1)));
    EXPECT_LE(advance(label, shown), label->contentsRect().width());
    EXPECT_LE(label->geometry().right(), label->window()->width());

    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(label, &hover);
    QTextDocument tooltip;
    tooltip.setHtml(QToolTip::text());
    EXPECT_EQ(tooltip.toPlainText().toStdString(), id.toStdString());
    tooltip.setTextWidth(label->width());
    EXPECT_EQ(tooltip.lineCount(), 1);
}

TEST_F(WindowTexts, LocatePointResultWindow)
{
    drawChart();
    give(testsupport::DB, "75", testsupport::WB, "65");
    form->locatePointButton->click();
    const char* value = "-123.4567890";
    check(form->pointResultWindow(),
          {{"pointIdCaption", 1920, 120},  {"pointId", 3240, 120, "Supply air AHU-2 (level 3), N1"},
           {"heading", 1440, 720},  {"pressureCaption", 1320, 1320, "Atmos. pr (Pounds/sq inch)"},
           {"pressureValue", 3720, 1320, "24.8961078291965"},
           {"dryBulbCaption", 1320, 1920},  {"dryBulb", 3720, 1920, value},   {"wetBulbCaption", 1320, 2640},
           {"wetBulb", 3720, 2640, value},   {"relativeHumidityCaption", 1320, 3240},  {"relativeHumidity", 3720, 3240, value},
           {"enthalpyCaption", 1320, 3840},  {"enthalpy", 3720, 3960, value},  {"volumeCaption", 1320, 4560},
           {"volume", 3720, 4560, value},  {"humidityRatioCaption", 1320, 5160},  {"humidityRatio", 3720, 5160, value},
           {"dewPointCaption", 1320, 5880}, {"dewPoint", 3720, 5880, value},  {"vapourPressureCaption", 1320, 6480},
           {"vapourPressure", 3720, 6480, value},  {"saveDataButton", 120, 7080}, {"locateOnChartButton", 1800, 7080},
           {"exitButton", 5520, 7080}});
}

TEST_F(WindowTexts, MixingWindow)
{
    form->mixingProblemButton->click();
    std::vector<Place> places = {
        {"parametersHeading", 240, 360},   {"stream1Heading", 3000, 360},  {"stream2Heading", 6360, 360},  {"mixedHeading", 10320, 360},
        {"stream1FirstList", 2640, 840},   {"stream1FirstValue", 4800, 840},    {"stream2FirstList", 6360, 840},   {"stream2FirstValue", 8280, 840},
        {"stream1SecondList", 2640, 1320},  {"stream1SecondValue", 4800, 1320},   {"stream2SecondList", 6360, 1320},  {"stream2SecondValue", 8280, 1320},
        {"airFlowCaption", 240, 1800},  {"stream1AirFlow", 3000, 1800},   {"stream2AirFlow", 6360, 1800},   {"mixedAirFlow", 10320, 1800, "123456.7890123"},
        {"pressureCaption", 120, 2400, "Atmos. pr (Pounds/sq inch)"},
        {"drawMixButton", 2160, 8760}, {"saveDataButton", 6000, 8760}, {"exitButton", 9360, 8760}};
    // The rows of the grid: the caption, then the cells of stream 1, stream 2
    // and the mix; the first row shows the pressure as typed.
    const int tops[] = {2400, 2880, 3360, 3720, 4200, 4680, 5160, 5640, 6120, 6600, 7080, 7560, 8040};
    const char* rows[][4] = {{"pressureCaption", "stream1Pressure", "stream2Pressure", "mixedPressure"}, {"dryBulbCaption", "stream1DryBulb", "stream2DryBulb", "mixedDryBulb"},
                             {"wetBulbCaption", "stream1WetBulb", "stream2WetBulb", "mixedWetBulb"}, {"relativeHumidityCaption", "stream1RelativeHumidity", "stream2RelativeHumidity", "mixedRelativeHumidity"},
                             {"enthalpyCaption", "stream1Enthalpy", "stream2Enthalpy", "mixedEnthalpy"}, {"volumeCaption", "stream1Volume", "stream2Volume", "mixedVolume"},
                             {"humidityRatioCaption", "stream1HumidityRatio", "stream2HumidityRatio", "mixedHumidityRatio"},  {"dewPointCaption", "stream1DewPoint", "stream2DewPoint", "mixedDewPoint"},
                             {"vapourPressureCaption", "stream1VapourPressure", "stream2VapourPressure", "mixedVapourPressure"}, {"saturationPressureCaption", "stream1SaturationPressure", "stream2SaturationPressure", "mixedSaturationPressure"},
                             {"dryAirFlowCaption", "stream1DryAirFlow", "stream2DryAirFlow", "mixedDryAirFlow"}, {"vapourFlowCaption", "stream1VapourFlow", "stream2VapourFlow", "mixedVapourFlow"},
                             {"moistAirFlowCaption", "stream1MoistAirFlow", "stream2MoistAirFlow", "mixedMoistAirFlow"}};
    const int lefts[] = {240, 3000, 6360, 10320};
    for (int row = 1; row < int(std::size(rows)); ++row)
        for (int column = 0; column < 4; ++column)
            places.push_back({rows[row][column], lefts[column], tops[row], column ? "123456.7890123" : nullptr});
    for (int column = 1; column < 4; ++column)
        places.push_back({rows[0][column], lefts[column], tops[0], "24.8961078291965"});
    check(form->mixingWindow(), places);
}

TEST_F(WindowTexts, ChartTypeDialog)
{
    form->drawChartButton->click();
    check(form->chartTypeDialog(), {});
}

} // namespace
