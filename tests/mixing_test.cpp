// The mixing window "Mixing problem": opening it from the main window, its
// stream columns and mixed column as the inputs change, drawing the mix on
// the chart, the mixing record, and leaving it.
#include "mainwindow_fixture.h"
#include "windows/mixingwindow.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using windows::MixingWindow;
using windows::MixingStep;
using testsupport::readFile;
using testsupport::writeFile;

using namespace testsupport;

const std::string screenQuestion =
    "You must set screen size to 1024x768 or higher if your monitor size is less than 15 inch. "
    "Do you want to exit the program and reset your screen reolution now ?";

std::string text(const QLabel* label) { return label->text().toStdString(); }
std::string text(const QLineEdit* box) { return box->text().toStdString(); }

class Mixing : public testsupport::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        form->hooks.quit = [this] { ++quits; };
        windows::traceMixingSteps(*form, [this](MixingStep step) { steps.push_back(step); });
    }

    // Presses "Mixing problem"; gives the mixing window when it opened.
    MixingWindow* open()
    {
        form->mixingProblemButton->click();
        return qobject_cast<MixingWindow*>(form->mixingWindow());
    }

    // Opens the window and forgets the steps its loading ran.
    MixingWindow* openFresh()
    {
        MixingWindow* window = open();
        steps.clear();
        return window;
    }

    // Gives a stream its two properties, their values and its air flow, the
    // way the user does: a list chosen, then a box typed in.
    static void give(QComboBox* list1, QLineEdit* value1, QComboBox* list2, QLineEdit* value2, QLineEdit* acfm,
                     Kind kind1, const char* text1, Kind kind2, const char* text2, const char* flow)
    {
        choose(list1, listIndexOf(kind1));
        choose(list2, listIndexOf(kind2));
        value1->setText(text1);
        value2->setText(text2);
        acfm->setText(flow);
    }
    static void give1(MixingWindow* w, Kind k1, const char* t1, Kind k2, const char* t2, const char* flow)
    {
        give(w->stream1FirstList, w->stream1FirstValue, w->stream1SecondList, w->stream1SecondValue, w->stream1AirFlow, k1, t1, k2, t2, flow);
    }
    static void give2(MixingWindow* w, Kind k1, const char* t1, Kind k2, const char* t2, const char* flow)
    {
        give(w->stream2FirstList, w->stream2FirstValue, w->stream2SecondList, w->stream2SecondValue, w->stream2AirFlow, k1, t1, k2, t2, flow);
    }

    // The user's choice of an item in a list.
    static void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Two solved streams with positive air flows: the mixed column is full.
    MixingWindow* openMixed()
    {
        MixingWindow* w = open();
        if (!w)
            return nullptr;
        give1(w, DB, "75", WB, "65", "1000");
        give2(w, DB, "95", WB, "70", "500");
        steps.clear();
        return w;
    }

    // The 13 value cells of a stream column, the air flow aside, in row order.
    static std::vector<std::string> column(const MixingWindow::StreamCells& c)
    {
        std::vector<std::string> cells;
        for (const QLabel* cell : {c.cells.pressure, c.cells.dryBulb, c.cells.wetBulb, c.cells.relativeHumidity, c.cells.enthalpy, c.cells.volume, c.cells.humidityRatio, c.cells.dewPoint, c.cells.vapourPressure, c.cells.saturationPressure, c.cells.dryAirFlow,
                                   c.cells.vapourFlow, c.cells.moistAirFlow})
            cells.push_back(text(cell));
        return cells;
    }

    // The 14 cells of the mixed column, the air flow first.
    static std::vector<std::string> mixedColumn(const MixingWindow* w)
    {
        std::vector<std::string> cells;
        for (const QLabel* cell : {w->mixedAirFlow, w->mixedColumn.pressure, w->mixedColumn.dryBulb, w->mixedColumn.wetBulb, w->mixedColumn.relativeHumidity, w->mixedColumn.enthalpy,
                                   w->mixedColumn.volume, w->mixedColumn.humidityRatio, w->mixedColumn.dewPoint, w->mixedColumn.vapourPressure, w->mixedColumn.saturationPressure, w->mixedColumn.dryAirFlow,
                                   w->mixedColumn.vapourFlow, w->mixedColumn.moistAirFlow})
            cells.push_back(text(cell));
        return cells;
    }

    static bool allEmpty(const std::vector<std::string>& cells)
    {
        for (const std::string& cell : cells)
            if (!cell.empty())
                return false;
        return true;
    }

    static bool allFilled(const std::vector<std::string>& cells)
    {
        for (const std::string& cell : cells)
            if (cell.empty())
                return false;
        return true;
    }

    std::vector<MixingStep> steps;
    int quits = 0;
};

TEST_F(Mixing, OpensWithBothStreamsOnDryBulbAndWetBulbAndEverythingEmpty)
{
    MixingWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->parent(), nullptr);
    EXPECT_EQ(w->windowTitle(), "Mixing problem");
    EXPECT_TRUE(dialogs.messages().empty());

    for (QComboBox* list : {w->stream1FirstList, w->stream1SecondList, w->stream2FirstList, w->stream2SecondList}) {
        SCOPED_TRACE(list->objectName().toStdString());
        ASSERT_EQ(list->count(), 7);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(list->itemText(i).toStdString(), point::propertyCaptions[i]);
    }
    EXPECT_EQ(w->stream1FirstList->currentText(), "Dry bulb temp, Deg F");
    EXPECT_EQ(w->stream1SecondList->currentText(), "Wet bulb temp, Deg F");
    EXPECT_EQ(w->stream2FirstList->currentText(), "Dry bulb temp, Deg F");
    EXPECT_EQ(w->stream2SecondList->currentText(), "Wet bulb temp, Deg F");

    // The loading selections solve each stream twice, each followed by the
    // mix, all with empty values.
    EXPECT_EQ(steps, (std::vector<MixingStep>{MixingStep::Stream1, MixingStep::Mix, MixingStep::Stream1, MixingStep::Mix, MixingStep::Stream2, MixingStep::Mix,
                                        MixingStep::Stream2, MixingStep::Mix}));

    for (QLineEdit* box : {w->stream1AirFlow, w->stream2AirFlow, w->stream1FirstValue, w->stream1SecondValue, w->stream2FirstValue, w->stream2SecondValue})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(allEmpty(column(w->stream1Cells())));
    EXPECT_TRUE(allEmpty(column(w->stream2Cells())));
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_EQ(text(w->pressureCaption), "");
    EXPECT_FALSE(w->stream1Solved);
    EXPECT_FALSE(w->stream2Solved);
    EXPECT_FALSE(w->saveDataButton->isEnabled());
    EXPECT_EQ(w->typedPressureText, form->state.typedPressureText);

    // The captions are those of the grid, typing errors included.
    EXPECT_EQ(text(w->stream2Heading), "Steram 2");
    EXPECT_EQ(text(w->dryAirFlowCaption), "Dry air fow rate (lb/min)");
    EXPECT_EQ(text(w->vapourFlowCaption), "Water vapor flow rate  (lb/min)");
}

TEST_F(Mixing, LoadTakesTheWorkingPressureOfTheMainWindow)
{
    struct Case {
        const char* text12;
        double atm;
    };
    const Case cases[] = {
        {"29.92126", 29.92126}, {"30.5", 30.5}, {"14.2 in", 14.2}, {"0", 29.92126},
        {"", 29.92126},         {"-3", 29.92126}, {"abc", 29.92126},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text12);
        form->state.workingPressureText = c.text12;
        MixingWindow* w = open();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->atm, c.atm);
        w->exitButton->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, ScreenQuestion)
{
    struct Case {
        const char* name;
        ui::ScreenSize screen;
        bool asks;
        ui::Answer answer;
    };
    const Case cases[] = {
        {"1024 by 728", {1024 * 15, 728 * 15}, false, ui::Answer::No},
        {"1024 by 740", {1024 * 15, 740 * 15}, false, ui::Answer::No},
        {"1023 by 768, No", {1023 * 15, 768 * 15}, true, ui::Answer::No},
        {"1024 by 727, No", {1024 * 15, 727 * 15}, true, ui::Answer::No},
        {"1024 by 768 at 12 twips, No", {12288, 9216}, true, ui::Answer::No},
        {"1023 by 768, Yes", {1023 * 15, 768 * 15}, true, ui::Answer::Yes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(runDataPath(), "earlier run\r\n");
        dialogs = ui::ScriptedDialogs();
        dialogs.setScreenSize(c.screen);
        dialogs.queueAnswer(c.answer);
        steps.clear();
        quits = 0;

        MixingWindow* w = open();
        if (c.asks) {
            ASSERT_EQ(dialogs.messages().size(), 1u);
            EXPECT_EQ(dialogs.messages()[0].text, screenQuestion);
            EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::YesNo);
            EXPECT_EQ(dialogs.messages()[0].title, "DELETE");
        } else {
            EXPECT_TRUE(dialogs.messages().empty());
        }
        if (c.answer == ui::Answer::Yes) {
            // The program ends at once: nothing more is loaded, nothing shown,
            // and the run data file stays as it was.
            EXPECT_EQ(quits, 1);
            EXPECT_EQ(w, nullptr);
            EXPECT_TRUE(steps.empty());
            EXPECT_EQ(readFile(runDataPath()), "earlier run\r\n");
            continue;
        }
        EXPECT_EQ(quits, 0);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(steps.size(), 8u);
        EXPECT_EQ(w->stream2SecondList->currentIndex(), 1);
        w->exitButton->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, EveryChangeSolvesItsOwnStreamThenMixes)
{
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<MixingStep> expected;
    };
    const std::vector<MixingStep> one1{MixingStep::Stream1, MixingStep::Mix};
    const std::vector<MixingStep> one2{MixingStep::Stream2, MixingStep::Mix};
    const Case cases[] = {
        {"typing 75 into the first value of stream 1", [&] { w->stream1FirstValue->setText("7"); w->stream1FirstValue->setText("75"); },
         {MixingStep::Stream1, MixingStep::Mix, MixingStep::Stream1, MixingStep::Mix}},
        {"second value of stream 1", [&] { w->stream1SecondValue->setText("64"); }, one1},
        {"air flow of stream 1", [&] { w->stream1AirFlow->setText("900"); }, one1},
        {"first list of stream 1", [&] { choose(w->stream1FirstList, listIndexOf(DB)); }, one1},
        {"second list of stream 1", [&] { choose(w->stream1SecondList, listIndexOf(WB)); }, one1},
        {"first value of stream 2", [&] { w->stream2FirstValue->setText("94"); }, one2},
        {"second value of stream 2", [&] { w->stream2SecondValue->setText("71"); }, one2},
        {"air flow of stream 2", [&] { w->stream2AirFlow->setText("400"); }, one2},
        {"first list of stream 2", [&] { choose(w->stream2FirstList, listIndexOf(RH)); }, one2},
        {"second list of stream 2", [&] { choose(w->stream2SecondList, listIndexOf(WB)); }, one2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        steps.clear();
        const bool stream1 = c.expected.front() == MixingStep::Stream1;
        const std::vector<std::string> other = column(stream1 ? w->stream2Cells() : w->stream1Cells());
        c.change();
        EXPECT_EQ(steps, c.expected);
        EXPECT_EQ(column(stream1 ? w->stream2Cells() : w->stream1Cells()), other);
    }
}

TEST_F(Mixing, AStreamColumnShowsTheStateOfItsAirAndItsFlows)
{
    // The main window's readout of the same point.
    form->firstPropertyValue->setText("75");
    form->secondPropertyValue->setText("65");
    MixingWindow* w = open();
    ASSERT_NE(w, nullptr);
    give1(w, DB, "75", WB, "65", "1000");

    const MixingWindow::StreamCells c = w->stream1Cells();
    const std::pair<const QLabel*, const QLabel*> same[] = {
        {c.cells.dryBulb, form->readoutDryBulb}, {c.cells.wetBulb, form->readoutWetBulb}, {c.cells.relativeHumidity, form->readoutRelativeHumidity}, {c.cells.enthalpy, form->readoutEnthalpy},
        {c.cells.volume, form->readoutVolume},  {c.cells.humidityRatio, form->readoutHumidityRatio}, {c.cells.dewPoint, form->readoutDewPoint}, {c.cells.vapourPressure, form->readoutVapourPressure},
    };
    for (const auto& [cell, readout] : same) {
        EXPECT_FALSE(cell->text().isEmpty());
        EXPECT_EQ(cell->text(), readout->text()) << cell->objectName().toStdString();
    }

    const double atm = 29.92126;
    const double v = moistair::psychro_v(75, 65, atm);
    const double hr = moistair::psychro_w(75, 65, atm);
    EXPECT_EQ(text(w->pressureCaption), "Atmos. pr (in Hg)");
    EXPECT_EQ(text(c.cells.pressure), "29.92126");
    EXPECT_EQ(text(c.cells.saturationPressure), numtext::formatprop(moistair::psychro_pvs(75)));
    // The dry air from the full-precision volume; the vapour from the dry
    // air as shown; the moist air the sum of the two shown.
    const std::string dryair = numtext::formatprop(1000 / v);
    const std::string vapour = numtext::formatprop(numtext::leadingNumberOr0(dryair) * hr);
    EXPECT_EQ(text(c.cells.dryAirFlow), dryair);
    EXPECT_EQ(text(c.cells.vapourFlow), vapour);
    EXPECT_EQ(text(c.cells.moistAirFlow),
              numtext::formatprop(numtext::leadingNumberOr0(dryair) + numtext::leadingNumberOr0(vapour)));
    EXPECT_TRUE(w->stream1Solved);
    EXPECT_FALSE(w->stream2Solved);
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Mixing, InputWithoutAValidStateLeavesTheColumnBlank)
{
    struct Case {
        const char* name;
        Kind kind1;
        const char* text1;
        Kind kind2;
        const char* text2;
        bool solved;
    };
    const Case cases[] = {
        {"the same property twice", DB, "75", DB, "65", false},
        {"humidity ratio with dew point", HR, ".01", DP, "50", false},
        {"dew point with humidity ratio", DP, "50", HR, ".01", false},
        {"first value empty", DB, "", WB, "65", false},
        {"second value empty", DB, "75", WB, "", false},
        {"wet bulb above dry bulb", DB, "75", WB, "80", false},
        {"dry bulb 0", DB, "0", WB, "0", false},
        {"relative humidity 0", DB, "75", RH, "0", false},
        {"humidity ratio 0", DB, "75", HR, "0", false},
        {"dry bulb 120", DB, "120", WB, "70", true},
        {"relative humidity 100", DB, "70", RH, "100", true},
        {"humidity ratio 0.03", DB, "95", HR, ".03", true},
        {"a line with no point in the fixed bounds", H, "70", RH, "50", false},
        {"a line of enthalpy within the fixed bounds", H, "30", RH, "50", true},
    };
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    const std::vector<std::string> stream2 = column(w->stream2Cells());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        give1(w, DB, "75", WB, "65", "1000");
        ASSERT_TRUE(allFilled(mixedColumn(w)));
        give1(w, c.kind1, c.text1, c.kind2, c.text2, "1000");
        EXPECT_EQ(w->stream1Solved, c.solved);
        if (c.solved) {
            EXPECT_TRUE(allFilled(column(w->stream1Cells())));
            EXPECT_TRUE(allFilled(mixedColumn(w)));
            EXPECT_TRUE(w->saveDataButton->isEnabled());
        } else {
            EXPECT_TRUE(allEmpty(column(w->stream1Cells())));
            EXPECT_TRUE(allEmpty(mixedColumn(w)));
            EXPECT_FALSE(w->saveDataButton->isEnabled());
        }
        EXPECT_EQ(column(w->stream2Cells()), stream2);
        EXPECT_EQ(text(w->pressureCaption), "Atmos. pr (in Hg)");
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Mixing, AirFlowsThatGiveNoMix)
{
    const double v = moistair::psychro_v(75, 65, 29.92126);
    char minusVolume[40];
    std::snprintf(minusVolume, sizeof minusVolume, "%.17g", -v);
    const std::string negative = numtext::formatprop(-500 / v);
    struct Case {
        std::string acfm;
        std::string dryair, vapour, moistair;
    };
    const Case cases[] = {
        {"", ".0000000", ".0000000", ".0000000"},
        {"0", ".0000000", ".0000000", ".0000000"},
        {"abc", ".0000000", ".0000000", ".0000000"},
        {"-500", negative, "", ""},
        // A number too large for a double: the dry air cannot be computed.
        {"1e400", "", ".0000000", ".0000000"},
        // A dry-air flow of exactly -1 shows nothing, and reads as 0.
        {minusVolume, "", ".0000000", ".0000000"},
        // A negative flow too small to show keeps its sign.
        {"-0.0000001", "-.0000000", ".0000000", ".0000000"},
    };
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.acfm);
        w->stream1AirFlow->setText(QString::fromStdString(c.acfm));
        const MixingWindow::StreamCells s = w->stream1Cells();
        EXPECT_TRUE(w->stream1Solved);
        EXPECT_EQ(text(s.cells.dryAirFlow), c.dryair);
        if (!c.vapour.empty()) {
            EXPECT_EQ(text(s.cells.vapourFlow), c.vapour);
            EXPECT_EQ(text(s.cells.moistAirFlow), c.moistair);
        } else {
            EXPECT_EQ(text(s.cells.vapourFlow)[0], '-');
            EXPECT_EQ(text(s.cells.moistAirFlow)[0], '-');
        }
        EXPECT_FALSE(text(s.cells.dryBulb).empty());
        EXPECT_FALSE(text(s.cells.saturationPressure).empty());
        EXPECT_TRUE(allEmpty(mixedColumn(w)));
        EXPECT_FALSE(w->saveDataButton->isEnabled());
    }

    // Flows so small that their mass flows show as 0 give no mix either.
    w->stream1AirFlow->setText("1e-9");
    w->stream2AirFlow->setText("1e-9");
    EXPECT_TRUE(w->stream1Solved);
    EXPECT_TRUE(w->stream2Solved);
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_FALSE(w->saveDataButton->isEnabled());
}

TEST_F(Mixing, AirFlowsAreReadWithTheLocaleDecimalSeparator)
{
    const testsupport::UserLocale comma(testsupport::commaLocale());
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    w->stream1AirFlow->setText("1000.5");
    const std::string pointDryAir = text(w->stream1Column.dryAirFlow);
    w->stream1AirFlow->setText("1000,5");
    w->stream2AirFlow->setText("500,5");
    EXPECT_EQ(text(w->stream1Column.dryAirFlow), pointDryAir);
    EXPECT_EQ(text(w->mixedAirFlow), "1501");
}

// The air flows go into the mixing record as typed: a line separator set
// into either becomes a blank.
TEST_F(Mixing, EachAirFlowStaysOnOneLine)
{
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    for (QLineEdit* airFlow : {w->stream1AirFlow, w->stream2AirFlow}) {
        airFlow->setText(QString("900") + QChar(u'\u2028') + "5");
        EXPECT_EQ(text(airFlow), "900 5") << airFlow->objectName().toStdString();
    }
}

TEST_F(Mixing, EditingOnlyTheAirFlowRecomputesTheWholeColumn)
{
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->state.workingPressureText = "25";
    w->stream1AirFlow->setText("999");
    EXPECT_EQ(text(w->stream1Column.volume), numtext::formatprop(moistair::psychro_v(75, 65, 25)));
    EXPECT_EQ(w->atm, 25);
    // Stream 2 still shows its state at the pressure it was solved at.
    EXPECT_EQ(text(w->stream2Column.volume), numtext::formatprop(moistair::psychro_v(95, 70, 29.92126)));
}

TEST_F(Mixing, ThePressureRowFollowsTheMainWindowsUnit)
{
    using Unit = chart::PressureUnit;
    struct Case {
        std::optional<Unit> unit;
        const char* typed;
        const char* caption;
        const char* streamValue;
        const char* mixedValue;
    };
    const Case cases[] = {
        {Unit::Default, "29.92126", "Atmos. pr (in Hg)", "29.92126", "29.92126"},
        {Unit::InchesHg, "30.1", "Atmos. pr (in Hg)", "30.1", "30.1"},
        {Unit::Psi, "14.7", "Atmos. pr (Pounds/sq inch)", "14.7", "14.7"},
        {Unit::Elevation, "1500", "Site elevation (ft)", "1500", "1500"},
        {std::nullopt, "29.92126", "", "29.92126", "29.92126"}, // set with no unit chosen
        {Unit::Default, "-1", "Atmos. pr (in Hg)", "", ""},
        {Unit::Default, "abc", "Atmos. pr (in Hg)", "", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " " + c.typed);
        form->state.pressureUnit = c.unit;
        form->state.typedPressureText = c.typed;
        MixingWindow* w = openMixed();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(text(w->pressureCaption), c.caption);
        EXPECT_EQ(text(w->stream1Column.pressure), c.streamValue);
        EXPECT_EQ(text(w->stream2Column.pressure), c.streamValue);
        EXPECT_EQ(text(w->mixedColumn.pressure), c.mixedValue);
        EXPECT_TRUE(w->saveDataButton->isEnabled());
        w->exitButton->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, TheMixedColumnFillsOnlyWhileBothStreamsAreSolvedWithPositiveFlows)
{
    MixingWindow* w = open();
    ASSERT_NE(w, nullptr);
    give1(w, DB, "75", WB, "65", "60");
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_FALSE(w->saveDataButton->isEnabled());
    give2(w, DB, "95", WB, "70", "2.5");
    EXPECT_EQ(text(w->mixedAirFlow), "62.5");
    EXPECT_TRUE(allFilled(mixedColumn(w)));
    EXPECT_TRUE(w->saveDataButton->isEnabled());

    // What the mix computes from the two columns as they show them.
    double atm = 0;
    auto texts = [](const MixingWindow::StreamCells& c, bool solved) {
        return mixing::StreamTexts{solved, c.airFlow->text().toStdString(), text(c.cells.enthalpy), text(c.cells.humidityRatio),
                                   text(c.cells.dryAirFlow), text(c.cells.vapourFlow), text(c.cells.moistAirFlow)};
    };
    const std::optional<mixing::MixedColumn> mix = mixing::mixstreams(
        texts(w->stream1Cells(), w->stream1Solved), texts(w->stream2Cells(), w->stream2Solved), "29.92126", "29.92126", atm, '.');
    ASSERT_TRUE(mix);
    EXPECT_EQ(mixedColumn(w), (std::vector<std::string>{mix->acfm, mix->prvalue, mix->db, mix->wb, mix->rh, mix->h,
                                                        mix->v, mix->hr, mix->dp, mix->pv, mix->pvs, mix->dryair,
                                                        mix->vapour, mix->moistair}));

    // A change that leaves a stream unsolved empties the mix again.
    w->stream2FirstValue->clear();
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_FALSE(w->saveDataButton->isEnabled());
}

TEST_F(Mixing, DrawingTheMixMarksTheChartAndReturns)
{
    drawChart(ChartType::Blank);
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->setbusy();
    surface.forgetLog();
    w->drawMixButton->click();
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(surface.circles().size(), 19u + 39u + 19u);
    std::vector<std::string> labels;
    for (const auto& t : surface.texts())
        labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"St1", "Mix", "St2"}));
    EXPECT_EQ(surface.lines().size(), 2u);
    // The stream 1 marker sits where the chosen limits put it.
    const chart::ChartFrame chosen = chart::frameOf(form->W(), form->H(), {0, 120, 0, 0.03});
    EXPECT_EQ(surface.circles()[0].x1, float(chosen.dbtox(75)));
    // The main window is back, its busy indicator and focus untouched.
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->busyIndicator->text(), "PLEASE WAIT");
    EXPECT_EQ(surface.focusCount(), 0);
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), nullptr);

    // A second mixing adds its marks to those of the first.
    w = openMixed();
    ASSERT_NE(w, nullptr);
    w->drawMixButton->click();
    EXPECT_EQ(surface.ofKind(ui::RecordingSurface::Kind::Circle).size(), 2u * 77u);
    int drawnCircles = 0;
    for (const auto& op : surface.visible())
        drawnCircles += op.kind == ui::RecordingSurface::Kind::Circle;
    EXPECT_EQ(drawnCircles, 2 * 77);
}

TEST_F(Mixing, ARefusedMixIsToldAndTheWindowStays)
{
    drawChart(ChartType::Blank, {.hdb = "90"});
    form->lowerDryBulbList->setEditText("10"); // chosen after the chart was drawn
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    surface.forgetLog();
    auto refused = [&](const std::string& message) {
        w->drawMixButton->click();
        EXPECT_EQ(dialogs.messageTexts().back(), message);
        EXPECT_TRUE(surface.log().empty());
        deleteClosedWindows();
        EXPECT_EQ(form->mixingWindow(), w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(form->isEnabled());
    };
    refused("First draw axis as per latest chart limits");

    // Back to the chart's limits: stream 2 at 95 deg F lies beyond 90.
    form->lowerDryBulbList->setEditText("0");
    refused("The stream2 point as per input parameters is out of chart limits");

    // Not solved: stream 1 is named first.
    w->stream1FirstValue->clear();
    refused("The stream1 point as per input parameters is out of chart limits");
}

// The lines of a record block as the file holds them.
std::string line(const std::string& caption, std::size_t blanks, const std::string& value)
{
    return caption + std::string(blanks, ' ') + value + "\r\n";
}

std::string block(const std::string& title, const std::string& acfm, const std::string& pressureCaption,
                  std::size_t pressureBlanks, const std::vector<const QLabel*>& cells)
{
    return title + "\r\n" + line("Air flow rate (acfm)", 36, acfm)
           + line(pressureCaption, pressureBlanks, text(cells[0])) + line("Dry bulb temp (Deg F)", 35, text(cells[1]))
           + line("Wet bulb temp (Deg F)", 35, text(cells[2])) + line("Relative humidity (%)", 35, text(cells[3]))
           + line("Specific enthalpy (btu/lb)", 30, text(cells[4]))
           + line("Specific volume (cuf/lb)", 32, text(cells[5]))
           + line("Humidity ratio (lb/lb of air)", 27, text(cells[6]))
           + line("Dew point (Deg F)", 39, text(cells[7])) + line("Vapor pressure (In Hg)", 34, text(cells[8]));
}

std::string record(const MixingWindow* w, const std::string& pressureCaption, std::size_t pressureBlanks)
{
    return std::string(34, '-') + "\r\n"
           + block("Stream 1", w->stream1AirFlow->text().toStdString(), pressureCaption, pressureBlanks,
                   {w->stream1Column.pressure, w->stream1Column.dryBulb, w->stream1Column.wetBulb, w->stream1Column.relativeHumidity, w->stream1Column.enthalpy, w->stream1Column.volume, w->stream1Column.humidityRatio, w->stream1Column.dewPoint,
                    w->stream1Column.vapourPressure})
           + "\r\n"
           + block("Steram 2", w->stream2AirFlow->text().toStdString(), pressureCaption, pressureBlanks,
                   {w->stream2Column.pressure, w->stream2Column.dryBulb, w->stream2Column.wetBulb, w->stream2Column.relativeHumidity, w->stream2Column.enthalpy, w->stream2Column.volume, w->stream2Column.humidityRatio, w->stream2Column.dewPoint,
                    w->stream2Column.vapourPressure})
           + "\r\n"
           + block("Mixed stream", text(w->mixedAirFlow), pressureCaption, pressureBlanks,
                   {w->mixedColumn.pressure, w->mixedColumn.dryBulb, w->mixedColumn.wetBulb, w->mixedColumn.relativeHumidity, w->mixedColumn.enthalpy, w->mixedColumn.volume, w->mixedColumn.humidityRatio, w->mixedColumn.dewPoint,
                    w->mixedColumn.vapourPressure})
           + std::string(29, '-') + "\r\n";
}

TEST_F(Mixing, SaveDataAppendsTheMixingRecord)
{
    using Unit = chart::PressureUnit;
    struct Case {
        Unit unit;
        const char* typed;
        const char* caption;
        std::size_t blanks;
    };
    const Case cases[] = {
        {Unit::Default, "29.92126", "Atmos. pr (in Hg)", 39},
        {Unit::Psi, "14.7", "Atmos. pr (Pounds/sq inch)", 30},
        {Unit::Elevation, "1500", "Site elevation (ft)", 37},
        {Unit::InchesHg, "-1", "Atmos. pr (in Hg)", 39},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        writeFile(runDataPath(), "\r\n");
        form->saveDataInFileButton->setEnabled(false);
        form->state.pressureUnit = c.unit;
        form->state.typedPressureText = c.typed;
        MixingWindow* w = open();
        ASSERT_NE(w, nullptr);
        give1(w, DB, "75", WB, "65", "1e3");
        give2(w, DB, "95", WB, "70", "500");
        ASSERT_TRUE(w->saveDataButton->isEnabled());
        const std::vector<std::string> before = mixedColumn(w);

        w->saveDataButton->click();
        const std::string expected = record(w, c.caption, c.blanks);
        EXPECT_EQ(readFile(runDataPath()).toStdString(), "\r\n" + expected);
        EXPECT_TRUE(form->saveDataInFileButton->isEnabledTo(form.get()));
        // The typed air flow as typed, the mixed one as the sum shown.
        EXPECT_NE(expected.find(line("Air flow rate (acfm)", 36, "1e3")), std::string::npos);
        EXPECT_NE(expected.find(line("Air flow rate (acfm)", 36, "1500")), std::string::npos);
        EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 37);
        // An air flow keeps to its line whatever is typed.
        w->stream2AirFlow->setText("500\r\n");
        EXPECT_EQ(text(w->stream2AirFlow), "500  ");
        w->stream2AirFlow->setText("500");

        // A second press appends the same record again; the window stays as
        // it was.
        w->saveDataButton->click();
        EXPECT_EQ(readFile(runDataPath()).toStdString(), "\r\n" + expected + expected);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(mixedColumn(w), before);
        EXPECT_FALSE(form->isEnabled());
        EXPECT_TRUE(dialogs.messages().empty());
        w->exitButton->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, ExitReturnsToTheChartWithNothingKept)
{
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->setbusy();
    surface.forgetLog();
    w->exitButton->click();
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->busyIndicator->text(), "");
    EXPECT_EQ(surface.focusCount(), 1);
    EXPECT_EQ(surface.log().size(), 1u); // the focus; the chart is unchanged
    EXPECT_EQ(readFile(runDataPath()), "\r\n");
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), nullptr);

    // Reopening shows none of the earlier inputs or results.
    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->stream1FirstValue->text().isEmpty());
    EXPECT_TRUE(w->stream1AirFlow->text().isEmpty());
    EXPECT_TRUE(allEmpty(column(w->stream1Cells())));
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_EQ(text(w->pressureCaption), "");
    EXPECT_FALSE(w->saveDataButton->isEnabled());
}

TEST_F(Mixing, ClosingByTheTitleBarReturnsToTheChart)
{
    MixingWindow* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->setbusy();
    surface.forgetLog();
    w->close();
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->busyIndicator->text(), "");
    EXPECT_EQ(surface.focusCount(), 1);
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), nullptr);
}

TEST_F(Mixing, TheMixingWindowGoesWithTheMainWindow)
{
    ASSERT_NE(open(), nullptr);
    form->close();
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), nullptr);
}

} // namespace
