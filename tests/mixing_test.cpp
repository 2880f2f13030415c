// The mixing window "Mixing problem": opening it from the main window, its
// stream columns and mixed column as the inputs change, drawing the mix on
// the chart, the mixing record, and leaving it.
#include "mainwindow_fixture.h"
#include "mixing/form5.h"
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
#include <string>
#include <vector>

namespace {

using mixing::Form5;
using mixing::Step;
using testsupport::readFile;
using testsupport::writeFile;

enum Kind { DB, WB, RH, HR, H, DP, V };

const std::string screenQuestion =
    "You must set screen size to 1024x768 or higher if your monitor size is less than 15 inch. "
    "Do you want to exit the program and reset your screen reolution now ?";

std::string text(const QLabel* label) { return label->text().toStdString(); }

class Mixing : public testsupport::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        form->hooks.quit = [this] { ++quits; };
        mixing::attach(*form, [this](Step step) { steps.push_back(step); });
    }

    // Presses "Mixing problem"; gives the mixing window when it opened.
    Form5* open()
    {
        form->Command13->click();
        return qobject_cast<Form5*>(form->mixingWindow());
    }

    // Opens the window and forgets the steps its loading ran.
    Form5* openFresh()
    {
        Form5* window = open();
        steps.clear();
        return window;
    }

    // Gives a stream its two properties, their values and its air flow, the
    // way the user does: a list chosen, then a box typed in.
    static void give(QComboBox* list1, QLineEdit* value1, QComboBox* list2, QLineEdit* value2, QLineEdit* acfm,
                     int kind1, const char* text1, int kind2, const char* text2, const char* flow)
    {
        choose(list1, kind1);
        choose(list2, kind2);
        value1->setText(text1);
        value2->setText(text2);
        acfm->setText(flow);
    }
    static void give1(Form5* w, int k1, const char* t1, int k2, const char* t2, const char* flow)
    {
        give(w->Combo1, w->Text4, w->Combo2, w->Text5, w->Text2, k1, t1, k2, t2, flow);
    }
    static void give2(Form5* w, int k1, const char* t1, int k2, const char* t2, const char* flow)
    {
        give(w->Combo3, w->Text6, w->Combo4, w->Text7, w->Text3, k1, t1, k2, t2, flow);
    }

    // The user's choice of an item in a list.
    static void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Two solved streams with positive air flows: the mixed column is full.
    Form5* openMixed()
    {
        Form5* w = open();
        if (!w)
            return nullptr;
        give1(w, DB, "75", WB, "65", "1000");
        give2(w, DB, "95", WB, "70", "500");
        steps.clear();
        return w;
    }

    // The 13 value cells of a stream column, the air flow aside, in row order.
    static std::vector<std::string> column(const Form5::StreamCells& c)
    {
        std::vector<std::string> cells;
        for (const QLabel* cell : {c.prvalue, c.db, c.wb, c.rh, c.h, c.v, c.hr, c.dp, c.pv, c.pvs, c.dryair,
                                   c.vapour, c.moistair})
            cells.push_back(text(cell));
        return cells;
    }

    // The 14 cells of the mixed column, the air flow first.
    static std::vector<std::string> mixedColumn(const Form5* w)
    {
        std::vector<std::string> cells;
        for (const QLabel* cell : {w->Label50, w->Label41, w->Label42, w->Label43, w->Label44, w->Label45,
                                   w->Label46, w->Label47, w->Label48, w->Label49, w->Label64, w->Label65,
                                   w->Label66, w->Label67})
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

    std::vector<Step> steps;
    int quits = 0;
};

TEST_F(Mixing, OpensWithBothStreamsOnDryBulbAndWetBulbAndEverythingEmpty)
{
    Form5* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->parent(), nullptr);
    EXPECT_EQ(w->windowTitle(), "Mixing problem");
    EXPECT_TRUE(dialogs.messages().empty());

    for (QComboBox* list : {w->Combo1, w->Combo2, w->Combo3, w->Combo4}) {
        SCOPED_TRACE(list->objectName().toStdString());
        ASSERT_EQ(list->count(), 7);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(list->itemText(i).toStdString(), chart::propertyCaptions[i]);
    }
    EXPECT_EQ(w->Combo1->currentText(), "Dry bulb temp, Deg F");
    EXPECT_EQ(w->Combo2->currentText(), "Wet bulb temp, Deg F");
    EXPECT_EQ(w->Combo3->currentText(), "Dry bulb temp, Deg F");
    EXPECT_EQ(w->Combo4->currentText(), "Wet bulb temp, Deg F");

    // The loading selections solve each stream twice, each followed by the
    // mix, all with empty values.
    EXPECT_EQ(steps, (std::vector<Step>{Step::Stream1, Step::Mix, Step::Stream1, Step::Mix, Step::Stream2, Step::Mix,
                                        Step::Stream2, Step::Mix}));

    for (QLineEdit* box : {w->Text2, w->Text3, w->Text4, w->Text5, w->Text6, w->Text7})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(allEmpty(column(w->stream1Cells())));
    EXPECT_TRUE(allEmpty(column(w->stream2Cells())));
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_EQ(text(w->Label20), "");
    EXPECT_EQ(w->Text51, "0");
    EXPECT_EQ(w->Text52, "0");
    EXPECT_FALSE(w->Command3->isEnabled());
    EXPECT_EQ(w->typedPressureText, form->state.typedPressureText);

    // The captions are those of the grid, typing errors included.
    EXPECT_EQ(text(w->Label21), "Steram 2");
    EXPECT_EQ(text(w->Label53), "Dry air fow rate (lb/min)");
    EXPECT_EQ(text(w->Label54), "Water vapor flow rate  (lb/min)");
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
        Form5* w = open();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->atm, c.atm);
        w->Command4->click();
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

        Form5* w = open();
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
        EXPECT_EQ(w->Combo4->currentIndex(), 1);
        w->Command4->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, EveryChangeSolvesItsOwnStreamThenMixes)
{
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<Step> expected;
    };
    const std::vector<Step> one1{Step::Stream1, Step::Mix};
    const std::vector<Step> one2{Step::Stream2, Step::Mix};
    const Case cases[] = {
        {"typing 75 into the first value of stream 1", [&] { w->Text4->setText("7"); w->Text4->setText("75"); },
         {Step::Stream1, Step::Mix, Step::Stream1, Step::Mix}},
        {"second value of stream 1", [&] { w->Text5->setText("64"); }, one1},
        {"air flow of stream 1", [&] { w->Text2->setText("900"); }, one1},
        {"first list of stream 1", [&] { choose(w->Combo1, DB); }, one1},
        {"second list of stream 1", [&] { choose(w->Combo2, WB); }, one1},
        {"first value of stream 2", [&] { w->Text6->setText("94"); }, one2},
        {"second value of stream 2", [&] { w->Text7->setText("71"); }, one2},
        {"air flow of stream 2", [&] { w->Text3->setText("400"); }, one2},
        {"first list of stream 2", [&] { choose(w->Combo3, RH); }, one2},
        {"second list of stream 2", [&] { choose(w->Combo4, WB); }, one2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        steps.clear();
        const bool stream1 = c.expected.front() == Step::Stream1;
        const std::vector<std::string> other = column(stream1 ? w->stream2Cells() : w->stream1Cells());
        c.change();
        EXPECT_EQ(steps, c.expected);
        EXPECT_EQ(column(stream1 ? w->stream2Cells() : w->stream1Cells()), other);
    }
}

TEST_F(Mixing, AStreamColumnShowsTheStateOfItsAirAndItsFlows)
{
    // The main window's readout of the same point.
    form->Text4->setText("75");
    form->Text5->setText("65");
    Form5* w = open();
    ASSERT_NE(w, nullptr);
    give1(w, DB, "75", WB, "65", "1000");

    const Form5::StreamCells c = w->stream1Cells();
    const std::pair<const QLabel*, const QLabel*> same[] = {
        {c.db, form->Label13}, {c.wb, form->Label14}, {c.rh, form->Label15}, {c.h, form->Label16},
        {c.v, form->Label17},  {c.hr, form->Label18}, {c.dp, form->Label24}, {c.pv, form->Label26},
    };
    for (const auto& [cell, readout] : same) {
        EXPECT_FALSE(cell->text().isEmpty());
        EXPECT_EQ(cell->text(), readout->text()) << cell->objectName().toStdString();
    }

    const double atm = 29.92126;
    const double v = moistair::psychro_v(75, 65, atm);
    const double hr = moistair::psychro_w(75, 65, atm);
    EXPECT_EQ(text(w->Label20), "Atmos. pr (in Hg)");
    EXPECT_EQ(text(c.prvalue), "29.92126");
    EXPECT_EQ(text(c.pvs), numtext::formatprop(moistair::psychro_pvs(75)));
    // The dry air from the full-precision volume; the vapour from the dry
    // air as shown; the moist air the sum of the two shown.
    const std::string dryair = numtext::formatprop(1000 / v);
    const std::string vapour = numtext::formatprop(numtext::leadingNumberOr0(dryair) * hr);
    EXPECT_EQ(text(c.dryair), dryair);
    EXPECT_EQ(text(c.vapour), vapour);
    EXPECT_EQ(text(c.moistair),
              numtext::formatprop(numtext::leadingNumberOr0(dryair) + numtext::leadingNumberOr0(vapour)));
    EXPECT_EQ(w->Text51, "1");
    EXPECT_EQ(w->Text52, "0");
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Mixing, InputWithoutAValidStateLeavesTheColumnBlank)
{
    struct Case {
        const char* name;
        int kind1;
        const char* text1;
        int kind2;
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
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    const std::vector<std::string> stream2 = column(w->stream2Cells());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        give1(w, DB, "75", WB, "65", "1000");
        ASSERT_TRUE(allFilled(mixedColumn(w)));
        give1(w, c.kind1, c.text1, c.kind2, c.text2, "1000");
        EXPECT_EQ(w->Text51, c.solved ? "1" : "0");
        if (c.solved) {
            EXPECT_TRUE(allFilled(column(w->stream1Cells())));
            EXPECT_TRUE(allFilled(mixedColumn(w)));
            EXPECT_TRUE(w->Command3->isEnabled());
        } else {
            EXPECT_TRUE(allEmpty(column(w->stream1Cells())));
            EXPECT_TRUE(allEmpty(mixedColumn(w)));
            EXPECT_FALSE(w->Command3->isEnabled());
        }
        EXPECT_EQ(column(w->stream2Cells()), stream2);
        EXPECT_EQ(text(w->Label20), "Atmos. pr (in Hg)");
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
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.acfm);
        w->Text2->setText(QString::fromStdString(c.acfm));
        const Form5::StreamCells s = w->stream1Cells();
        EXPECT_EQ(w->Text51, "1");
        EXPECT_EQ(text(s.dryair), c.dryair);
        if (!c.vapour.empty()) {
            EXPECT_EQ(text(s.vapour), c.vapour);
            EXPECT_EQ(text(s.moistair), c.moistair);
        } else {
            EXPECT_EQ(text(s.vapour)[0], '-');
            EXPECT_EQ(text(s.moistair)[0], '-');
        }
        EXPECT_FALSE(text(s.db).empty());
        EXPECT_FALSE(text(s.pvs).empty());
        EXPECT_TRUE(allEmpty(mixedColumn(w)));
        EXPECT_FALSE(w->Command3->isEnabled());
    }

    // Flows so small that their mass flows show as 0 give no mix either.
    w->Text2->setText("1e-9");
    w->Text3->setText("1e-9");
    EXPECT_EQ(w->Text51, "1");
    EXPECT_EQ(w->Text52, "1");
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_FALSE(w->Command3->isEnabled());
}

TEST_F(Mixing, EditingOnlyTheAirFlowRecomputesTheWholeColumn)
{
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->state.workingPressureText = "25";
    w->Text2->setText("999");
    EXPECT_EQ(text(w->Label28), numtext::formatprop(moistair::psychro_v(75, 65, 25)));
    EXPECT_EQ(w->atm, 25);
    // Stream 2 still shows its state at the pressure it was solved at.
    EXPECT_EQ(text(w->Label37), numtext::formatprop(moistair::psychro_v(95, 70, 29.92126)));
}

TEST_F(Mixing, ThePressureRowFollowsTheMainWindowsUnit)
{
    struct Case {
        const char* unit;
        const char* typed;
        const char* caption;
        const char* streamValue;
        const char* mixedValue;
    };
    const Case cases[] = {
        {"0", "29.92126", "Atmos. pr (in Hg)", "29.92126", "29.92126"},
        {"1", "30.1", "Atmos. pr (in Hg)", "30.1", "30.1"},
        {"2", "14.7", "Atmos. pr (Pounds/sq inch)", "14.7", "14.7"},
        {"3", "1500", "Site elevation (ft)", "1500", "1500"},
        {"5", "29.92126", "", "29.92126", "29.92126"},
        {"0", "-1", "Atmos. pr (in Hg)", "", ""},
        {"0", "abc", "Atmos. pr (in Hg)", "", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.unit) + " " + c.typed);
        form->state.pressureUnitText = c.unit;
        form->state.typedPressureText = c.typed;
        Form5* w = openMixed();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(text(w->Label20), c.caption);
        EXPECT_EQ(text(w->Label23), c.streamValue);
        EXPECT_EQ(text(w->Label32), c.streamValue);
        EXPECT_EQ(text(w->Label41), c.mixedValue);
        EXPECT_TRUE(w->Command3->isEnabled());
        w->Command4->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, TheMixedColumnFillsOnlyWhileBothStreamsAreSolvedWithPositiveFlows)
{
    Form5* w = open();
    ASSERT_NE(w, nullptr);
    give1(w, DB, "75", WB, "65", "60");
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_FALSE(w->Command3->isEnabled());
    give2(w, DB, "95", WB, "70", "2.5");
    EXPECT_EQ(text(w->Label50), "62.5");
    EXPECT_TRUE(allFilled(mixedColumn(w)));
    EXPECT_TRUE(w->Command3->isEnabled());

    // What the mix computes from the two columns as they show them.
    double atm = 0;
    auto texts = [](const Form5::StreamCells& c, const std::string& solved) {
        return mixing::StreamTexts{solved, c.acfm->text().toStdString(), text(c.h), text(c.hr),
                                   text(c.dryair), text(c.vapour), text(c.moistair)};
    };
    const std::optional<mixing::MixedColumn> mix = mixing::mixstreams(
        texts(w->stream1Cells(), w->Text51), texts(w->stream2Cells(), w->Text52), "29.92126", "29.92126", atm);
    ASSERT_TRUE(mix);
    EXPECT_EQ(mixedColumn(w), (std::vector<std::string>{mix->acfm, mix->prvalue, mix->db, mix->wb, mix->rh, mix->h,
                                                        mix->v, mix->hr, mix->dp, mix->pv, mix->pvs, mix->dryair,
                                                        mix->vapour, mix->moistair}));

    // A change that leaves a stream unsolved empties the mix again.
    w->Text6->clear();
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_FALSE(w->Command3->isEnabled());
}

TEST_F(Mixing, DrawingTheMixMarksTheChartAndReturns)
{
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->setbusy();
    surface.forgetLog();
    w->Command1->click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(surface.circles().size(), 19u + 39u + 19u);
    std::vector<std::string> labels;
    for (const auto& t : surface.texts())
        labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"St1", "Mix", "St2"}));
    EXPECT_EQ(surface.lines().size(), 2u);
    // The stream 1 marker sits where the chosen limits put it.
    const double x = form->W() / 12 + form->W() * 75 / (120.0 * 12 / 10);
    EXPECT_EQ(surface.circles()[0].x1, float(x));
    // The main window is back, its busy indicator and focus untouched.
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->Label4->text(), "PLEASE WAIT");
    EXPECT_EQ(surface.focusCount(), 0);
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), nullptr);

    // A second mixing adds its marks to those of the first.
    w = openMixed();
    ASSERT_NE(w, nullptr);
    w->Command1->click();
    EXPECT_EQ(surface.ofKind(ui::RecordingSurface::Kind::Circle).size(), 2u * 77u);
    int drawnCircles = 0;
    for (const auto& op : surface.drawn())
        drawnCircles += op.kind == ui::RecordingSurface::Kind::Circle;
    EXPECT_EQ(drawnCircles, 2 * 77);
}

TEST_F(Mixing, APointOutsideTheChosenLimitsIsNamedAndTheWindowStays)
{
    form->Combo4->setEditText("90");
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    surface.forgetLog();
    w->Command1->click();
    // Stream 2 at 95 deg F lies beyond the higher limit of 90.
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<std::string>{"The stream2 point as per input parameters is out of chart limits"}));
    EXPECT_TRUE(surface.log().empty());
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(form->isEnabled());

    // Not solved: stream 1 is named first.
    w->Text4->clear();
    w->Command1->click();
    EXPECT_EQ(dialogs.messageTexts().back(), "The stream1 point as per input parameters is out of chart limits");
    EXPECT_TRUE(surface.log().empty());
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

std::string record(const Form5* w, const std::string& pressureCaption, std::size_t pressureBlanks)
{
    return std::string(34, '-') + "\r\n"
           + block("Stream 1", w->Text2->text().toStdString(), pressureCaption, pressureBlanks,
                   {w->Label23, w->Label24, w->Label25, w->Label26, w->Label27, w->Label28, w->Label29, w->Label30,
                    w->Label31})
           + "\r\n"
           + block("Steram 2", w->Text3->text().toStdString(), pressureCaption, pressureBlanks,
                   {w->Label32, w->Label33, w->Label34, w->Label35, w->Label36, w->Label37, w->Label38, w->Label39,
                    w->Label40})
           + "\r\n"
           + block("Mixed stream", text(w->Label50), pressureCaption, pressureBlanks,
                   {w->Label41, w->Label42, w->Label43, w->Label44, w->Label45, w->Label46, w->Label47, w->Label48,
                    w->Label49})
           + std::string(29, '-') + "\r\n";
}

TEST_F(Mixing, SaveDataAppendsTheMixingRecord)
{
    struct Case {
        const char* unit;
        const char* typed;
        const char* caption;
        std::size_t blanks;
    };
    const Case cases[] = {
        {"0", "29.92126", "Atmos. pr (in Hg)", 39},
        {"2", "14.7", "Atmos. pr (Pounds/sq inch)", 30},
        {"3", "1500", "Site elevation (ft)", 37},
        {"1", "-1", "Atmos. pr (in Hg)", 39},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        writeFile(runDataPath(), "\r\n");
        form->Command2->setEnabled(false);
        form->state.pressureUnitText = c.unit;
        form->state.typedPressureText = c.typed;
        Form5* w = open();
        ASSERT_NE(w, nullptr);
        give1(w, DB, "75", WB, "65", "1e3");
        give2(w, DB, "95", WB, "70", "500");
        ASSERT_TRUE(w->Command3->isEnabled());
        const std::vector<std::string> before = mixedColumn(w);

        w->Command3->click();
        const std::string expected = record(w, c.caption, c.blanks);
        EXPECT_EQ(readFile(runDataPath()).toStdString(), "\r\n" + expected);
        EXPECT_TRUE(form->Command2->isEnabledTo(form.get()));
        // The typed air flow as typed, the mixed one as the sum shown.
        EXPECT_NE(expected.find(line("Air flow rate (acfm)", 36, "1e3")), std::string::npos);
        EXPECT_NE(expected.find(line("Air flow rate (acfm)", 36, "1500")), std::string::npos);
        EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 37);

        // A second press appends the same record again; the window stays as
        // it was.
        w->Command3->click();
        EXPECT_EQ(readFile(runDataPath()).toStdString(), "\r\n" + expected + expected);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(mixedColumn(w), before);
        EXPECT_FALSE(form->isEnabled());
        EXPECT_TRUE(dialogs.messages().empty());
        w->Command4->click();
        deleteClosedWindows();
    }
}

TEST_F(Mixing, ExitReturnsToTheChartWithNothingKept)
{
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->setbusy();
    surface.forgetLog();
    w->Command4->click();
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->Label4->text(), "");
    EXPECT_EQ(surface.focusCount(), 1);
    EXPECT_EQ(surface.log().size(), 1u); // the focus; the chart is unchanged
    EXPECT_EQ(readFile(runDataPath()), "\r\n");
    deleteClosedWindows();
    EXPECT_EQ(form->mixingWindow(), nullptr);

    // Reopening shows none of the earlier inputs or results.
    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Text4->text().isEmpty());
    EXPECT_TRUE(w->Text2->text().isEmpty());
    EXPECT_TRUE(allEmpty(column(w->stream1Cells())));
    EXPECT_TRUE(allEmpty(mixedColumn(w)));
    EXPECT_EQ(text(w->Label20), "");
    EXPECT_FALSE(w->Command3->isEnabled());
}

TEST_F(Mixing, ClosingByTheTitleBarReturnsToTheChart)
{
    Form5* w = openMixed();
    ASSERT_NE(w, nullptr);
    form->setbusy();
    surface.forgetLog();
    w->close();
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->Label4->text(), "");
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
