// The line commands through the main window's buttons: their refusals, input
// tests, colours and labels.
#include "mainwindow_fixture.h"
#include "moistair/psychro.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using testsupport::ChartLimits;
using testsupport::ChartType;
using Op = ui::RecordingSurface::Operation;

const std::string notFeasible = "The line is either out of chart limits or is not feasible";
const std::string drawFirst = "First draw axis as per latest chart limits";

class LineCommands : public testsupport::MainWindowTest {
protected:
    void SetUp() override { start(); }

    // Draws a blank chart with the limits and forgets what it drew.
    void drawBlankChart(const ChartLimits& limits = {})
    {
        drawChart(ChartType::Blank, limits);
        surface.forgetLog();
    }

    // Types the value into the box and presses the button; returns the
    // messages the command showed.
    std::vector<std::string> press(QLineEdit* box, QPushButton* button, const char* value)
    {
        const std::size_t before = dialogs.messages().size();
        box->setText(value);
        button->click();
        std::vector<std::string> texts = dialogs.messageTexts();
        return {texts.begin() + before, texts.end()};
    }

    std::vector<Op> linesIn(ui::Colour colour) const
    {
        std::vector<Op> found;
        for (const Op& op : surface.lines())
            if (op.colour == colour)
                found.push_back(op);
        return found;
    }

    double dryBulbAt(double x) const
    {
        const auto& s = form->state;
        return s.limits.ldb + (x - form->W() / 12) * s.is2 / form->W();
    }
};

TEST_F(LineCommands, RefuseUnlessTheChartWasDrawnWithTheLimitsNowChosen)
{
    // Before any chart: the drawn limits read 0, the chosen ones do not.
    EXPECT_EQ(press(form->wetBulbLineValue, form->wetBulbLineButton, "60"), std::vector<std::string>{drawFirst});
    EXPECT_EQ(dialogs.messages().back().buttons, ui::Buttons::OkCancel);
    EXPECT_TRUE(surface.lines().empty());
    EXPECT_EQ(form->busyIndicator->text(), "");
    EXPECT_GE(surface.focusCount(), 1);

    drawBlankChart();
    for (const char* chosen : {"12O", "100"}) { // not a number, or chosen anew: not drawn
        form->higherDryBulbList->setEditText(chosen);
        EXPECT_EQ(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "50"),
                  std::vector<std::string>{drawFirst});
    }
    form->higherDryBulbList->setEditText("120");
    EXPECT_TRUE(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "50").empty());

    form->clearChartButton->click(); // no chart any more
    EXPECT_EQ(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "50"), std::vector<std::string>{drawFirst});
}

TEST_F(LineCommands, WithAllLimitsZeroBeforeAnyChartNothingLiesWithinThem)
{
    for (QComboBox* list : {form->lowerDryBulbList, form->higherDryBulbList, form->lowerHumidityRatioList, form->higherHumidityRatioList})
        list->setEditText("0");
    EXPECT_EQ(press(form->wetBulbLineValue, form->wetBulbLineButton, "60"), std::vector<std::string>{notFeasible});
    EXPECT_TRUE(surface.lines().empty());
}

TEST_F(LineCommands, InputTestsOfRelativeHumidityAndVolume)
{
    drawBlankChart();
    struct Case { QLineEdit* box; QPushButton* button; const char* value; bool drawsALine; };
    const Case cases[] = {
        {form->relativeHumidityLineValue, form->relativeHumidityLineButton, "0", true},
        {form->relativeHumidityLineValue, form->relativeHumidityLineButton, "100", true},
        {form->relativeHumidityLineValue, form->relativeHumidityLineButton, "-1", false},
        {form->relativeHumidityLineValue, form->relativeHumidityLineButton, "100.5", false},
        {form->relativeHumidityLineValue, form->relativeHumidityLineButton, "fifty", true}, // not a number: the 0 percent line
        {form->volumeLineValue, form->volumeLineButton, "14", true},
        {form->volumeLineValue, form->volumeLineButton, "0", false},
        {form->volumeLineValue, form->volumeLineButton, "-3", false},
        {form->volumeLineValue, form->volumeLineButton, "78.5", false},
        {form->volumeLineValue, form->volumeLineButton, "", false},
    };
    for (const Case& c : cases) {
        const std::size_t lines = surface.lines().size();
        const std::vector<std::string> messages = press(c.box, c.button, c.value);
        EXPECT_EQ(surface.lines().size() > lines, c.drawsALine) << c.value;
        EXPECT_EQ(messages.empty(), c.drawsALine) << c.value;
        if (!c.drawsALine) {
            EXPECT_EQ(messages, std::vector<std::string>{notFeasible}) << c.value;
        }
    }
}

// A limit and a line value typed with the locale's decimal comma are the
// numbers typed with the point.
TEST_F(LineCommands, TypedLimitsAndValuesTakeTheLocaleDecimalSeparator)
{
    const testsupport::UserLocale comma(testsupport::commaLocale());
    drawBlankChart({"0", "120", "0", "0,020"});
    EXPECT_EQ(form->state.drawnHigherHumidityRatioText, "0.02");
    press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "50.5");
    const std::vector<Op> withThePoint = surface.log();
    surface.forgetLog();
    EXPECT_TRUE(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "50,5").empty());
    ASSERT_FALSE(withThePoint.empty());
    EXPECT_TRUE(surface.log() == withThePoint);
}

TEST_F(LineCommands, ARelativeHumidityJustAbove100IsTracedButCountsAsNotDrawn)
{
    // The input test reads it as 100; the value itself lies above 100.
    drawBlankChart();
    EXPECT_EQ(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "100.00000000000003"), std::vector<std::string>{notFeasible});
    EXPECT_FALSE(linesIn(ui::palette::green).empty());
    EXPECT_TRUE(surface.texts().empty());
}

TEST_F(LineCommands, AVolumeOf78IsTracedAndOneAbove78IsNot)
{
    drawBlankChart();
    std::uint64_t before = moistair::propertyCalls();
    press(form->volumeLineValue, form->volumeLineButton, "78");
    EXPECT_GT(moistair::propertyCalls(), before);
    before = moistair::propertyCalls();
    press(form->volumeLineValue, form->volumeLineButton, "78.0000000000001");
    EXPECT_EQ(moistair::propertyCalls(), before);
}

TEST_F(LineCommands, TheZeroPercentLineRunsAlongTheBottomEdge)
{
    drawBlankChart();
    EXPECT_TRUE(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, "").empty());
    for (const Op& line : linesIn(ui::palette::green))
        EXPECT_EQ(line.y2, 4700 * form->H() / 6000);
    ASSERT_FALSE(surface.texts().empty());
    EXPECT_EQ(surface.texts().back().text, "Rh= 0 ");

    drawBlankChart({.lhr = "0.010"});
    EXPECT_EQ(press(form->relativeHumidityLineValue, form->relativeHumidityLineButton, ""), std::vector<std::string>{notFeasible});
}

TEST_F(LineCommands, ColoursAndLabelsOfTheFourLines)
{
    drawBlankChart();
    struct Case { QLineEdit* box; QPushButton* button; const char* value; ui::Colour colour; const char* label; };
    const Case cases[] = {
        {form->relativeHumidityLineValue, form->relativeHumidityLineButton, "50", ui::palette::green, "Rh= 50 "},
        {form->wetBulbLineValue, form->wetBulbLineButton, "60", ui::palette::darkRed, "WB= 60 "},
        {form->enthalpyLineValue, form->enthalpyLineButton, "30", ui::palette::grey, "h= 30 "},
        {form->volumeLineValue, form->volumeLineButton, "13.5", ui::palette::lightMagenta, "v= 13.5 "},
    };
    for (const Case& c : cases) {
        surface.forgetLog();
        EXPECT_TRUE(press(c.box, c.button, c.value).empty()) << c.value;
        EXPECT_FALSE(linesIn(c.colour).empty()) << c.value;
        EXPECT_EQ(linesIn(c.colour).size(), surface.lines().size()) << c.value;
        ASSERT_EQ(surface.texts().size(), 1u) << c.value;
        EXPECT_EQ(surface.texts()[0].text, c.label);
        EXPECT_EQ(surface.refreshCount(), static_cast<int>(surface.lines().size()));
        EXPECT_EQ(form->busyIndicator->text(), "");
    }
    // Lines accumulate: all four and their labels stay on the surface.
    for (const Case& c : cases) {
        int lines = 0, labels = 0;
        for (const Op& op : surface.visible()) {
            lines += op.kind == ui::RecordingSurface::Kind::Line && op.colour == c.colour;
            labels += op.kind == ui::RecordingSurface::Kind::Text && op.text == c.label;
        }
        EXPECT_GT(lines, 0) << c.value;
        EXPECT_EQ(labels, 1) << c.value;
    }
}

TEST_F(LineCommands, WhereTheLabelsStand)
{
    drawBlankChart();
    // The wet-bulb label at the end of the last segment: the lowest whole
    // dry bulb whose relative humidity is at most 100, here the wet bulb.
    press(form->wetBulbLineValue, form->wetBulbLineButton, "60");
    std::vector<Op> lines = linesIn(ui::palette::darkRed);
    ASSERT_FALSE(lines.empty());
    EXPECT_NEAR(dryBulbAt(lines.back().x2), 60, 1e-9);
    EXPECT_EQ(surface.texts().back().x1, float(lines.back().x2));

    // The enthalpy label at the end of the first segment.
    surface.forgetLog();
    press(form->enthalpyLineValue, form->enthalpyLineButton, "30");
    lines = linesIn(ui::palette::grey);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(surface.texts().back().x1, float(lines.front().x2));
    EXPECT_EQ(surface.texts().back().y1, float(lines.front().y2));
}

TEST_F(LineCommands, AWetBulbAboveTheHigherLimitLessTwoDrawsNothing)
{
    drawBlankChart({.hdb = "50"});
    EXPECT_TRUE(press(form->wetBulbLineValue, form->wetBulbLineButton, "47.9").empty());
    EXPECT_EQ(press(form->wetBulbLineValue, form->wetBulbLineButton, "48.1"), std::vector<std::string>{notFeasible});
}

TEST_F(LineCommands, ALineEnteringAcrossTheBottomStartsBelowIt)
{
    drawBlankChart({.lhr = "0.010"});
    press(form->wetBulbLineValue, form->wetBulbLineButton, "70");
    const std::vector<Op> lines = linesIn(ui::palette::darkRed);
    ASSERT_FALSE(lines.empty());
    EXPECT_GT(lines.front().y1, 4700 * form->H() / 6000); // from the last point below the edge
    EXPECT_LE(lines.front().y2, 4700 * form->H() / 6000);
}

} // namespace
