// The main window's chart commands through its controls: "Draw chart" with
// the chart-type dialog, "Clear chart" and "Save chart".
#include "mainwindow_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using windows::MainWindow;
using testsupport::ChartType;
using Kind = ui::RecordingSurface::Kind;

const char* const sameChartMessage =
    "Do one of the followings to draw new chart - 1) Change chart ranges 2) Reset atmos. pressure 3) Clear graph ";

class ChartCommands : public testsupport::MainWindowTest {
protected:
    void SetUp() override { start(); }

    int countOf(Kind kind) const { return surface.count(kind); }
};

TEST_F(ChartCommands, DrawChartOpensTheDialogWithTheStandardChartChosen)
{
    form->drawChartButton->click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(countOf(Kind::Clear), 1); // the start-up caption goes
    windows::ChartTypeDialog* dialog = form->chartTypeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Chart type option");
    EXPECT_TRUE(dialog->standardChartOption->isChecked());
    EXPECT_TRUE(form->isEnabled());

    // Shown again while open, it only comes forward and keeps the choice.
    dialog->blankChartOption->setChecked(true);
    form->state.drawnLowerDryBulbText = "121";
    form->drawChartButton->click();
    EXPECT_EQ(form->chartTypeDialog(), dialog);
    EXPECT_TRUE(dialog->blankChartOption->isChecked());
}

TEST_F(ChartCommands, TheDialogsDrawChartRecordsTheTypeAndDraws)
{
    drawChart(ChartType::Blank);
    EXPECT_EQ(form->state.chartType, chart::ChartType::Blank);
    deleteClosedWindows(); // the closed dialog goes
    EXPECT_EQ(form->chartTypeDialog(), nullptr);
    EXPECT_EQ(form->state.drawnLowerDryBulbText, "0");
    EXPECT_EQ(form->state.drawnHigherDryBulbText, "120");
    EXPECT_EQ(form->state.drawnLowerHumidityRatioText, "0");
    EXPECT_EQ(form->state.drawnHigherHumidityRatioText, "0.03");
    EXPECT_FALSE(surface.lines().empty());
    EXPECT_EQ(form->busyIndicator->text(), "");

    // A new showing loads with the standard chart chosen again.
    form->state.drawnLowerDryBulbText = "121";
    form->drawChartButton->click();
    ASSERT_NE(form->chartTypeDialog(), nullptr);
    EXPECT_TRUE(form->chartTypeDialog()->standardChartOption->isChecked());
}

TEST_F(ChartCommands, TheDialogsExitOnlyCloses)
{
    form->drawChartButton->click();
    form->chartTypeDialog()->exitButton->click();
    deleteClosedWindows();
    EXPECT_EQ(form->chartTypeDialog(), nullptr);
    EXPECT_FALSE(form->state.chartType.has_value());
    EXPECT_TRUE(surface.lines().empty());
}

TEST_F(ChartCommands, DrawingTwiceWithTheSameLimitsIsRefused)
{
    drawChart();
    surface.forgetLog();
    form->drawChartButton->click();
    ASSERT_EQ(dialogs.messageTexts(), std::vector<std::string>{sameChartMessage});
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(countOf(Kind::Clear), 0);
    EXPECT_EQ(countOf(Kind::Focus), 1);

    // After "Clear chart" the same limits are drawn again.
    form->clearChartButton->click();
    form->drawChartButton->click();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(form->chartTypeDialog(), nullptr);
}

TEST_F(ChartCommands, ADialogLeftWithoutDrawingLeavesNoChartCountedAsDrawn)
{
    drawChart();
    form->higherDryBulbList->setEditText("100");
    form->drawChartButton->click();
    form->chartTypeDialog()->exitButton->click();
    form->higherDryBulbList->setEditText("120");
    form->relativeHumidityLineValue->setText("50");
    form->relativeHumidityLineButton->click();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"First draw axis as per latest chart limits"});
    form->drawChartButton->click();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(form->chartTypeDialog(), nullptr);
}

TEST_F(ChartCommands, ALimitOutsideTheListsIsRefusedBeforeAnythingIsCleared)
{
    form->lowerDryBulbList->setEditText("15");
    form->drawChartButton->click();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>{"Choose Lower Dry bulb temperature for chart only from the drop down menu"});
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(countOf(Kind::Clear), 0);
    EXPECT_EQ(form->chartTypeDialog(), nullptr);
}

TEST_F(ChartCommands, LimitsChangedWhileTheDialogIsOpenAreTestedAgain)
{
    form->drawChartButton->click();
    form->higherHumidityRatioList->setEditText("0.05");
    form->chartTypeDialog()->drawChartButton->click();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>{"Choose Higher humidity ratio for chart only from the drop down menu"});
    EXPECT_TRUE(surface.lines().empty());
    EXPECT_EQ(form->state.drawnLowerDryBulbText, "121"); // no chart drawn
}

TEST_F(ChartCommands, ClearChartEmptiesTheInputsAndMarksNoChart)
{
    drawChart();
    form->relativeHumidityLineValue->setText("50");
    form->firstPropertyValue->setText("75");
    form->secondPropertyValue->setText("62.5");
    form->pointIdentification->setText("A");
    form->readoutVapourPressure->setText(".4404820");
    form->readoutDryBulb->setText("75");
    readoutRuns = 0;
    form->clearChartButton->click();
    EXPECT_EQ(readoutRuns, 2); // the first point value, then the second
    for (QLineEdit* box : {form->relativeHumidityLineValue, form->firstPropertyValue, form->secondPropertyValue, form->pointIdentification})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(form->readoutDryBulb->text().isEmpty());
    EXPECT_EQ(form->readoutVapourPressure->text(), ".4404820");
    EXPECT_EQ(form->state.drawnLowerDryBulbText, "121");
    EXPECT_EQ(form->state.drawnHigherDryBulbText, "120");
    EXPECT_TRUE(surface.visible().empty());
    EXPECT_GE(countOf(Kind::Focus), 1);
}

TEST_F(ChartCommands, SaveChartCancelled)
{
    form->saveChartButton->click();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Dialog Cancelled"});
    EXPECT_TRUE(surface.saved().empty());
    ASSERT_EQ(dialogs.saveRequests().size(), 1u);
    const ui::SaveFileRequest& request = dialogs.saveRequests()[0];
    EXPECT_EQ(request.title, "Save File");
    EXPECT_EQ(request.filter, "BMP File (*.bmp)|*.bmp|AllFiles (*.*)|*.*");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_TRUE(request.askBeforeReplacing);
}

TEST_F(ChartCommands, ASavedChartIsNotKeptBeneathTheNextChart)
{
    drawChart(ChartType::Blank);
    const std::string name = inFolder("chart");
    dialogs.queueSaveName(name);
    form->saveChartButton->click();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"You saved the files as  " + name});
    ASSERT_EQ(surface.savedPaths(), std::vector<std::string>{name});
    EXPECT_EQ(surface.saved()[0].content, surface.visible());

    // The next save dialog offers the name last chosen.
    form->saveChartButton->click();
    EXPECT_EQ(dialogs.saveRequests().back().initialName, name);

    // The next chart is drawn on a blank surface, as without the save.
    form->higherDryBulbList->setEditText("100");
    drawChart();
    const std::vector<ui::RecordingSurface::Operation> afterSave = surface.visible();
    form->clearChartButton->click();
    drawChart();
    EXPECT_EQ(surface.visible(), afterSave);
}

TEST_F(ChartCommands, AChartThatCannotBeWrittenIsReportedWithItsPathAndReason)
{
    surface.failSaves("Permission denied");
    const std::string name = inFolder("chart.bmp");
    dialogs.queueSaveName(name);
    form->saveChartButton->click();
    const std::vector<std::string> texts = dialogs.messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "You saved the files as  " + name);
    EXPECT_NE(texts[1].find(name), std::string::npos);
    EXPECT_NE(texts[1].find("Permission denied"), std::string::npos);
}

// The default standard and blank charts, saved through "Save chart" on the
// window's own surface, for people to look at.
TEST(SavedCharts, TheDefaultStandardAndBlankCharts)
{
    QTemporaryDir folder;
    ui::ScriptedDialogs dialogs;
    MainWindow form({&dialogs, folder.path().toStdString(), nullptr});
    ASSERT_TRUE(form.load());
    struct Chart { ChartType type; const char* file; };
    for (Chart c : {Chart{ChartType::Standard, "/standard-chart.bmp"}, Chart{ChartType::Blank, "/blank-chart.bmp"}}) {
        form.clearChartButton->click();
        ASSERT_NO_FATAL_FAILURE(testsupport::drawChart(form, c.type));
        const std::string path = std::string(PSYCHART_BUILD_DIR) + c.file;
        QFile::remove(QString::fromStdString(path));
        dialogs.queueSaveName(path);
        form.saveChartButton->click();
        QImage saved(QString::fromStdString(path));
        ASSERT_FALSE(saved.isNull()) << path;
        EXPECT_EQ(saved.width(), 1920);
    }
}

} // namespace
