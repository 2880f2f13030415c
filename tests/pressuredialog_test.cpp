// The pressure dialog "Change pressure", opened by the main window's
// "Set/reset atmos pressure": the unit choice, the live conversion, Set with
// its range tests and its effects on the main window, and the ways out.
#include "windows/pressuredialog.h"
#include "mainwindow_fixture.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"
#include "windows/charttypedialog.h"
#include "windows/pointresultwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Kind = ui::RecordingSurface::Kind;

const char* const confirmation =
    "If you change the chart atmos pressure your chart,if any, will be cleared and you need to redraw the chart. "
    "Are You Sure ?";
const char* const outOfRange = "Atmospheric pressure input out of range, change value";

enum Unit { Default = 0, InchesHg = 1, Psi = 2, Elevation = 3 };

std::string text(const QLabel* label) { return label->text().toStdString(); }
std::string text(const QLineEdit* box) { return box->text().toStdString(); }

// The main window's pressure cells, compared as one.
struct PressureCells {
    std::string workingPressureText;
    std::optional<chart::PressureUnit> pressureUnit;
    std::string typedPressureText, drawnLowerDryBulbText;
    bool operator==(const PressureCells&) const = default;
};

void PrintTo(const PressureCells& c, std::ostream* os)
{
    *os << "{workingPressureText \"" << c.workingPressureText << "\", pressureUnit "
        << (c.pressureUnit ? std::to_string(int(*c.pressureUnit)) : "none") << ", typedPressureText \"" << c.typedPressureText
        << "\", drawnLowerDryBulbText \"" << c.drawnLowerDryBulbText << "\"}";
}

class PressureDialog : public testsupport::MainWindowTest {
protected:
    void SetUp() override { start(); }

    PressureCells pressureCells() const
    {
        const chart::MainState& s = form->state;
        return {s.workingPressureText, s.pressureUnit, s.typedPressureText, s.drawnLowerDryBulbText};
    }

    std::vector<QLineEdit*> inputBoxes() const
    {
        return {form->relativeHumidityLineValue, form->wetBulbLineValue, form->enthalpyLineValue, form->firstPropertyValue, form->secondPropertyValue, form->volumeLineValue, form->pointIdentification};
    }

    // The readout labels that a new pressure empties; the vapour pressure keeps its text.
    std::vector<QLabel*> emptiedLabels() const
    {
        return {form->readoutDryBulb, form->readoutWetBulb, form->readoutRelativeHumidity, form->readoutEnthalpy, form->readoutVolume, form->readoutHumidityRatio,
                form->readoutDewPoint};
    }

    // Presses "Set/reset atmos pressure" and returns the dialog it opens.
    windows::PressureDialog& open()
    {
        form->setPressureButton->click();
        windows::PressureDialog* dialog = form->pressureDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }

    // The user picks a unit from the list.
    static void chooseUnit(windows::PressureDialog& dialog, int unit)
    {
        dialog.unitList->setCurrentIndex(unit);
        emit dialog.unitList->activated(unit);
    }

    // Opens the dialog, enters the value under the unit and presses Set,
    // answering Yes to the confirmation.
    void setPressure(int unit, const QString& value)
    {
        windows::PressureDialog& dialog = open();
        chooseUnit(dialog, unit);
        if (unit != Default)
            dialog.valueBox->setText(value);
        dialogs.queueAnswer(ui::Answer::Yes);
        dialog.setButton->click();
    }

    // Gives the main window inputs, a readout and a drawn chart to lose.
    void fillMainWindow()
    {
        for (QLineEdit* box : inputBoxes())
            box->setText("5");
        for (QLabel* label : emptiedLabels())
            label->setText("1.0000000");
        form->readoutVapourPressure->setText("1.0000000");
        form->state.drawnLowerDryBulbText = "0";
        surface.line(0, 0, 100, 100);
        surface.forgetLog();
        readoutRuns = 0;
    }
};

TEST_F(PressureDialog, OpensAtTheDefaultUnitAndKeepsThePressureInForce)
{
    form->state.workingPressureText = "20";
    form->state.pressureUnit = chart::PressureUnit::InchesHg;
    form->state.typedPressureText = "20";
    form->state.drawnLowerDryBulbText = "0";

    windows::PressureDialog& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), "Change pressure");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(form->isEnabled());
    ASSERT_EQ(dialog.unitList->count(), 4);
    const char* const unitNames[] = {"Default", "Inches of Hg", "Pounds/sq inch", "Elevation in feet"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dialog.unitList->itemText(i), unitNames[i]);
    EXPECT_EQ(dialog.unitList->currentIndex(), 0);
    EXPECT_EQ(text(dialog.valueBox), "29.92126");
    EXPECT_FALSE(dialog.valueBox->isEnabled());
    EXPECT_EQ(text(dialog.valueUnit), "Inches of Hg");
    EXPECT_EQ(text(dialog.valueRange), "");
    EXPECT_EQ(text(dialog.inchesValue), "29.92126");
    EXPECT_EQ(text(dialog.poundsValue), "14.695949526166");
    EXPECT_EQ(text(dialog.elevationValue), "");

    // Until Set, the pressure stays as the last Set left it.
    EXPECT_EQ(pressureCells(), (PressureCells{.workingPressureText = "20", .pressureUnit = chart::PressureUnit::InchesHg, .typedPressureText = "20", .drawnLowerDryBulbText = "0"}));
    EXPECT_TRUE(surface.log().empty());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PressureDialog, ControlsCarryTheirNamesAndCaptions)
{
    windows::PressureDialog& dialog = open();
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"heading", "Chart atmoshperic pressure setting"},
        {"unitCaption", "Choose unit"},
        {"valueCaption", "Input value"},
        {"inchesCaption", "Inches of Hg"},
        {"poundsCaption", "Pound/sq inch"},
        {"elevationCaption", "Elevation in feet"},
        {"returnButton", "Return to chart"},
        {"setButton", "Set/Change chart atmos. pressure"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(c.name);
        auto* widget = dialog.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr);
        if (auto* label = qobject_cast<QLabel*>(widget))
            EXPECT_EQ(label->text(), c.caption);
        else
            EXPECT_EQ(qobject_cast<QPushButton*>(widget)->text(), c.caption);
    }
    for (const char* name : {"unitList", "valueBox", "valueUnit", "valueRange", "inchesValue", "poundsValue", "elevationValue"})
        EXPECT_NE(dialog.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(PressureDialog, ChoosingAUnitSetsItsCaptionRangeAndEmptiesTheResults)
{
    windows::PressureDialog& dialog = open();
    const struct {
        int unit;
        const char* caption;
        const char* range;
    } cases[] = {
        {InchesHg, "Inches of Hg", "(5.906 - 147.65)"},
        {Psi, "Pounds/sq inch", "(2.9 - 72.5)"},
        {Elevation, "Elevation in feet", "(0 - 38650)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        dialog.valueBox->setEnabled(true);
        dialog.valueBox->setText("5000");
        chooseUnit(dialog, c.unit);
        EXPECT_EQ(text(dialog.valueUnit), c.caption);
        EXPECT_EQ(text(dialog.valueRange), c.range);
        EXPECT_TRUE(dialog.valueBox->isEnabled());
        EXPECT_EQ(text(dialog.valueBox), "");
        EXPECT_EQ(text(dialog.inchesValue), "");
        EXPECT_EQ(text(dialog.poundsValue), "");
        EXPECT_EQ(text(dialog.elevationValue), "");
    }

    // Back to Default: the standard pressure and its values return; an
    // earlier elevation stays in its label.
    dialog.valueBox->setText("5000");
    chooseUnit(dialog, Default);
    EXPECT_EQ(text(dialog.valueUnit), "Inches of Hg");
    EXPECT_EQ(text(dialog.valueRange), "");
    EXPECT_EQ(text(dialog.valueBox), "29.92126");
    EXPECT_FALSE(dialog.valueBox->isEnabled());
    EXPECT_EQ(text(dialog.inchesValue), "29.92126");
    EXPECT_EQ(text(dialog.poundsValue), "14.695949526166");
    EXPECT_EQ(text(dialog.elevationValue), "5000");

    // Also when the standard pressure had been typed under another unit.
    chooseUnit(dialog, Psi);
    dialog.valueBox->setText("29.92126");
    chooseUnit(dialog, Default);
    EXPECT_EQ(text(dialog.inchesValue), "29.92126");
    EXPECT_EQ(text(dialog.poundsValue), "14.695949526166");
}

TEST_F(PressureDialog, LiveConversionShowsThePressureInAllThreeUnits)
{
    const char* const unchanged = "<unchanged>";
    const struct {
        int unit;
        const char* typed;
        const char* inchesHg;
        const char* psi;
        const char* feet;
    } cases[] = {
        {InchesHg, "29.92126", "29.92126", "14.695949526166", unchanged},
        {InchesHg, " 20 ", " 20 ", "9.823082", unchanged},
        // Only a number as a whole, as Set takes it, shows converted.
        {InchesHg, "", "", "", unchanged},
        {InchesHg, "abc", "abc", "", unchanged},
        {InchesHg, "20 In", "20 In", "", unchanged},
        {Psi, "10", "20.36021", "10", unchanged},
        {Psi, "", "", unchanged, unchanged},
        {Psi, "10 psi", "", "10 psi", unchanged},
        {Elevation, "", "", "", ""},
        {Elevation, "abc", "", "", "abc"},
        {Elevation, "5000 ft", "", "", "5000 ft"},
        {Elevation, "5000", "24.8961078291965", "12.227825434352", "5000"},
        // Values without a result in a double show no number at all.
        {InchesHg, "1e400", "1e400", "", unchanged},
        {Psi, "1e400", "", "1e400", unchanged},
        {Psi, "1e308", "", "1e308", unchanged},
        {Elevation, "1e400", "", "", "1e400"},
        {Elevation, "200000", "", "", "200000"},
        {Elevation, "-1e300", "", "", "-1e300"},
    };
    windows::PressureDialog& dialog = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + " " + c.typed);
        chooseUnit(dialog, c.unit);
        for (QLabel* label : {dialog.inchesValue, dialog.poundsValue, dialog.elevationValue})
            label->setText(unchanged);
        dialog.valueBox->setText("x"); // so that the typed text is a change even when empty
        for (QLabel* label : {dialog.inchesValue, dialog.poundsValue, dialog.elevationValue})
            label->setText(unchanged);
        dialog.valueBox->setText(c.typed);
        EXPECT_EQ(text(dialog.inchesValue), c.inchesHg);
        EXPECT_EQ(text(dialog.poundsValue), c.psi);
        EXPECT_EQ(text(dialog.elevationValue), c.feet);
    }
}

TEST_F(PressureDialog, PoundsLabelKeepsTheLastValueWhenTheBoxIsEmptied)
{
    windows::PressureDialog& dialog = open();
    chooseUnit(dialog, Psi);
    dialog.valueBox->setText("10");
    dialog.valueBox->clear();
    EXPECT_EQ(text(dialog.inchesValue), "");
    EXPECT_EQ(text(dialog.poundsValue), "10");
}

TEST_F(PressureDialog, SetMakesTheTypedPressureTheWorkingPressure)
{
    const struct {
        int unit;
        const char* typed;
        const char* workingPressureText;
        const char* typedPressureText;
        const char* caption;
    } cases[] = {
        {Default, "", "29.92126", "29.92126", "Atmos. pr=29.92126 In Hg"},
        {InchesHg, "20", "20", "20", "Atmos. pr=20 In Hg"},
        {Psi, "10", "20.36021", "10", "Atmos. pr=10 Pounds/sq inch"},
        {InchesHg, "20\t", "20 ", "20 ", "Atmos. pr=20  In Hg"}, // kept on one line
        {Elevation, "5000", "24.8961078291965", "5000", "Site elevation=5000 ft"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + " " + c.typed);
        form->state.workingPressureText = "1";
        surface.forgetLog();
        setPressure(c.unit, c.typed);

        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, confirmation);
        EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::YesNo);
        EXPECT_EQ(dialogs.messages()[0].title, "DELETE");
        dialogs = ui::ScriptedDialogs();

        EXPECT_EQ(form->state.workingPressureText, c.workingPressureText);
        EXPECT_EQ(form->state.pressureUnit, chart::PressureUnit(c.unit));
        EXPECT_EQ(form->state.typedPressureText, c.typedPressureText);
        EXPECT_EQ(form->pressureDialog(), nullptr);
        EXPECT_TRUE(form->isEnabled());

        const auto texts = surface.texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, c.caption);
        const double W = form->W(), H = form->H();
        EXPECT_FLOAT_EQ(texts[0].x1, float(W / 12 - 0.8 * W / 12));
        EXPECT_FLOAT_EQ(texts[0].y1, float(4700 * H / 6000 - 4650 * H / 6000));
    }
}

TEST_F(PressureDialog, SetClearsTheChartAndTheMainWindowInputs)
{
    fillMainWindow();
    setPressure(InchesHg, "20");

    // The chart goes, then the surface takes the focus and shows only the
    // new caption; it takes the focus again once the main window is back.
    std::vector<Kind> kinds;
    for (const auto& op : surface.log())
        kinds.push_back(op.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Clear, Kind::Focus, Kind::Text, Kind::Focus}));
    ASSERT_EQ(surface.visible().size(), 1u);
    EXPECT_EQ(surface.visible()[0].text, "Atmos. pr=20 In Hg");

    for (QLineEdit* box : inputBoxes())
        EXPECT_EQ(text(box), "") << box->objectName().toStdString();
    for (QLabel* label : emptiedLabels())
        EXPECT_EQ(text(label), "") << label->objectName().toStdString();
    EXPECT_EQ(text(form->readoutVapourPressure), "1.0000000");
    // Emptying the two point values each ran the live readout.
    EXPECT_EQ(readoutRuns, 2);
    EXPECT_EQ(form->state.drawnLowerDryBulbText, "121");
}

TEST_F(PressureDialog, SetRunsTheReadoutOnlyForAPointValueThatHeldText)
{
    form->secondPropertyValue->setText("50");
    readoutRuns = 0;
    setPressure(Default, "");
    EXPECT_EQ(readoutRuns, 1);
}

// Under a locale that writes a comma, "20,5" is 20.5 inches everywhere it is
// read, and shows as typed everywhere it is shown.
TEST_F(PressureDialog, TheLocaleDecimalSeparatorIsReadAsThePoint)
{
    const testsupport::UserLocale comma(testsupport::commaLocale());
    windows::PressureDialog& dialog = open();
    chooseUnit(dialog, Psi);
    dialog.valueBox->setText("10,5");
    EXPECT_EQ(text(dialog.inchesValue), "21.3782205");
    chooseUnit(dialog, InchesHg);
    dialog.valueBox->setText("20,5");
    EXPECT_EQ(text(dialog.inchesValue), "20,5");
    EXPECT_EQ(text(dialog.poundsValue), "10.06865905");

    dialogs.queueAnswer(ui::Answer::Yes);
    dialog.setButton->click();
    ASSERT_EQ(dialogs.messageTexts(), std::vector<std::string>{confirmation});
    EXPECT_EQ(form->state.workingPressureText, "20.5");
    EXPECT_EQ(form->state.typedPressureText, "20,5");
    ASSERT_EQ(surface.texts().size(), 1u);
    EXPECT_EQ(surface.texts()[0].text, "Atmos. pr=20,5 In Hg");

    testsupport::drawChart(*form, testsupport::ChartType::Blank);
    give(testsupport::DB, "75", testsupport::WB, "65");
    EXPECT_EQ(text(form->readoutRelativeHumidity), "63.0448681");
    form->locatePointButton->click();
    auto* result = qobject_cast<windows::PointResultWindow*>(form->pointResultWindow());
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(text(result->relativeHumidity), "63.0448681");
    EXPECT_EQ(text(result->pressureValue), "20,5");
}

TEST_F(PressureDialog, SetAcceptsOnlyValuesInsideTheUnitsRange)
{
    const struct {
        int unit;
        const char* typed;
        bool accepted;
    } cases[] = {
        {InchesHg, "5.906", true},   {InchesHg, "147.65", true},  {InchesHg, "5.905", false},
        {InchesHg, "147.66", false}, {InchesHg, "abc", false},    {InchesHg, "", false},
        {InchesHg, "1e400", false},  {Psi, "2.9", true},          {Psi, "72.5", true},
        {Psi, "2.89", false},        {Psi, "72.51", false},       {Psi, "", false},
        {Psi, "1e400", false},       {Elevation, "0", true},      {Elevation, "38650", true},
        {Elevation, "-1", false},    {Elevation, "38651", false}, {Elevation, "200000", false},
        {Elevation, "1e400", false}, {Elevation, "-1e400", false}, {Elevation, "", false},
        {Elevation, "abc", false},   {InchesHg, "20abc", false},  {Psi, " 10 ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + " " + c.typed);
        form->state = chart::MainState{};
        form->state.workingPressureText = "29.92126";
        form->state.pressureUnit = chart::PressureUnit::Default;
        form->state.typedPressureText = "29.92126";
        form->state.drawnLowerDryBulbText = "0";
        fillMainWindow();
        dialogs = ui::ScriptedDialogs();
        setPressure(c.unit, c.typed);

        if (c.accepted) {
            EXPECT_EQ(dialogs.messages().size(), 1u);
            EXPECT_EQ(form->pressureDialog(), nullptr);
            EXPECT_EQ(form->state.drawnLowerDryBulbText, "121");
            continue;
        }
        ASSERT_EQ(dialogs.messages().size(), 2u);
        EXPECT_EQ(dialogs.messages()[1].text, outOfRange);
        EXPECT_EQ(dialogs.messages()[1].buttons, ui::Buttons::Ok);
        EXPECT_EQ(dialogs.messages()[1].title, "");
        // Nothing changed; the dialog stays open with the value as typed.
        windows::PressureDialog* dialog = form->pressureDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(text(dialog->valueBox), c.typed);
        EXPECT_FALSE(form->isEnabled());
        EXPECT_EQ(pressureCells(),
                  (PressureCells{.workingPressureText = "29.92126", .pressureUnit = chart::PressureUnit::Default, .typedPressureText = "29.92126", .drawnLowerDryBulbText = "0"}));
        EXPECT_EQ(text(form->firstPropertyValue), "5");
        EXPECT_EQ(text(form->readoutDryBulb), "1.0000000");
        EXPECT_TRUE(surface.log().empty());
        for (QLabel* label : {dialog->inchesValue, dialog->poundsValue, dialog->elevationValue}) {
            const QString shown = label->text().toLower();
            EXPECT_FALSE(shown.contains("inf") || shown.contains("nan")) << shown.toStdString();
        }
        dialog->returnButton->click();
    }
}

TEST_F(PressureDialog, RefusedValueMayBeCorrectedAndSetAgain)
{
    setPressure(InchesHg, "200");
    windows::PressureDialog* dialog = form->pressureDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->valueBox->setText("25");
    dialogs.queueAnswer(ui::Answer::Yes);
    dialog->setButton->click();
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<std::string>{confirmation, outOfRange, confirmation}));
    EXPECT_EQ(form->state.workingPressureText, "25");
    EXPECT_EQ(form->pressureDialog(), nullptr);
    EXPECT_TRUE(form->isEnabled());
}

// The dialog may go while its question is open: nothing is set then.
TEST_F(PressureDialog, ADialogThatGoesWhileItsQuestionIsOpenSetsNothing)
{
    QPointer<windows::PressureDialog> dialog = &open();
    chooseUnit(*dialog, InchesHg);
    dialog->valueBox->setText("20");
    dialogs.queueAnswer(ui::Answer::Yes);
    dialogs.whileNextIsOpen([&dialog] { delete dialog; });
    dialog->setButton->click();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{confirmation});
    EXPECT_EQ(form->state.typedPressureText, "29.92126");
    EXPECT_TRUE(surface.log().empty());
}

TEST_F(PressureDialog, NoToTheConfirmationChangesNothing)
{
    fillMainWindow();
    windows::PressureDialog& dialog = open();
    chooseUnit(dialog, InchesHg);
    dialog.valueBox->setText("20");
    dialogs.queueAnswer(ui::Answer::No);
    dialog.setButton->click();

    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{confirmation});
    EXPECT_EQ(form->pressureDialog(), &dialog);
    EXPECT_EQ(text(dialog.valueBox), "20");
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(form->state.workingPressureText, "29.92126");
    EXPECT_EQ(form->state.drawnLowerDryBulbText, "0");
    EXPECT_EQ(text(form->firstPropertyValue), "5");
    EXPECT_TRUE(surface.log().empty());
}

TEST_F(PressureDialog, LeavingWithoutSetKeepsTheChartAndThePressure)
{
    setPressure(InchesHg, "20");
    surface.forgetLog();
    dialogs = ui::ScriptedDialogs();
    form->state.drawnLowerDryBulbText = "0"; // as a chart drawn at 20 inches leaves it

    // By "Return to chart", and by the window's own close box.
    for (bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox);
        form->state.workingPressureText = "20";
        windows::PressureDialog& dialog = open();
        if (byCloseBox)
            dialog.close();
        else
            dialog.returnButton->click();

        EXPECT_EQ(form->pressureDialog(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        EXPECT_EQ(pressureCells(), (PressureCells{.workingPressureText = "20", .pressureUnit = chart::PressureUnit::InchesHg, .typedPressureText = "20", .drawnLowerDryBulbText = "0"}));
        EXPECT_TRUE(surface.log().empty());
        EXPECT_TRUE(dialogs.messages().empty());
    }
}

TEST_F(PressureDialog, APointAfterLeavingWithoutSetIsSolvedAndRecordedAtThePressureLastSet)
{
    setPressure(InchesHg, "20");
    open().returnButton->click();
    testsupport::drawChart(*form, testsupport::ChartType::Blank);
    form->selectListItem(form->firstPropertyList, 0);
    form->selectListItem(form->secondPropertyList, 1);
    form->firstPropertyValue->setText("75");
    form->secondPropertyValue->setText("65");
    const std::string enthalpy = numtext::formatprop(moistair::psychro_h(75, 65, 20));
    EXPECT_EQ(text(form->readoutEnthalpy), enthalpy);

    form->locatePointButton->click();
    auto* result = qobject_cast<windows::PointResultWindow*>(form->pointResultWindow());
    ASSERT_NE(result, nullptr);
    const std::vector<std::string> record = result->pointRecord().lines();
    ASSERT_GE(record.size(), 7u);
    // Each record line holds its value from column 57 on.
    EXPECT_EQ(record[2].substr(0, 17) + record[2].substr(56), "Atmos. pr (in Hg)20");
    EXPECT_EQ(record[6].substr(56), enthalpy);
}

// The chart-type dialog stays usable while this dialog is open: a chart it
// draws then is drawn at the pressure its caption names.
TEST_F(PressureDialog, AChartDrawnWhileTheDialogIsOpenIsDrawnAtThePressureInForce)
{
    setPressure(InchesHg, "20");
    const auto drawnByTheChartTypeDialog = [&](const std::function<void()>& meanwhile) {
        form->drawChartButton->click();
        windows::ChartTypeDialog* chartType = form->chartTypeDialog();
        EXPECT_NE(chartType, nullptr);
        meanwhile();
        surface.forgetLog();
        if (chartType)
            chartType->drawChartButton->click();
        return surface.log();
    };
    const auto before = drawnByTheChartTypeDialog([] {});
    form->clearChartButton->click();
    const auto whileOpen = drawnByTheChartTypeDialog([&] { open(); });
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(whileOpen == before);
}

TEST_F(PressureDialog, EachOpeningStartsAfresh)
{
    setPressure(Psi, "10");
    windows::PressureDialog& dialog = open();
    EXPECT_EQ(dialog.unitList->currentIndex(), Default);
    EXPECT_EQ(text(dialog.valueBox), "29.92126");
    EXPECT_EQ(form->state.workingPressureText, "20.36021");
    EXPECT_EQ(form->state.pressureUnit, chart::PressureUnit::Psi);
    EXPECT_EQ(form->state.typedPressureText, "10");

    // Asked again while open, the dialog only comes forward as it is.
    chooseUnit(dialog, InchesHg);
    dialog.valueBox->setText("20");
    form->setPressureClicked();
    EXPECT_EQ(form->pressureDialog(), &dialog);
    EXPECT_EQ(text(dialog.valueBox), "20");
    EXPECT_FALSE(form->isEnabled());
}

TEST_F(PressureDialog, ClosingTheMainWindowClosesTheDialog)
{
    windows::PressureDialog& dialog = open();
    form->close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(form->pressureDialog(), nullptr);
}

} // namespace
