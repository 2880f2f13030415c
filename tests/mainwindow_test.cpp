// The main window right after start: its controls, its shared state, the
// screen question and the run data file.
#include "mainwindow_fixture.h"
#include "ui/controls.h"
#include "ui/qtchartsurface.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/doubles/scripteddialogs.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using windows::MainWindow;
using testsupport::readFile;
using testsupport::writeFile;

class StartUp : public testsupport::MainWindowTest {};

QStringList items(const QComboBox* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->itemText(i);
    return all;
}

TEST_F(StartUp, LeavesTheDefaultState)
{
    writeFile(runDataPath(), "records of the last run\r\n");
    MainWindow& f = build();
    ASSERT_TRUE(f.load());

    EXPECT_EQ(f.windowTitle(), "Psychrometric chart - English Units");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readoutRuns, 2);

    const QStringList properties{"Dry bulb temp, Deg F", "Wet bulb temp, Deg F", "Rel humidity, percent",
                                 "Humidity ratio, decimal", "Specific enthalpy, btu/lb", "Dew point, Deg F",
                                 "Specific vol, cuf/lb"};
    EXPECT_EQ(items(f.firstPropertyList), properties);
    EXPECT_EQ(items(f.secondPropertyList), properties);
    EXPECT_EQ(ui::listIndex(f.firstPropertyList), 0);
    EXPECT_EQ(ui::listIndex(f.secondPropertyList), 1);
    EXPECT_EQ(items(f.lowerDryBulbList).size(), 13);
    EXPECT_EQ(items(f.lowerDryBulbList).last(), "120");
    EXPECT_EQ(items(f.lowerHumidityRatioList), (QStringList{"0", "0.010", "0.020", "0.030"}));
    EXPECT_EQ(f.lowerDryBulbList->currentText(), "0");
    EXPECT_EQ(f.higherDryBulbList->currentText(), "120");
    EXPECT_EQ(f.lowerHumidityRatioList->currentText(), "0");
    EXPECT_EQ(f.higherHumidityRatioList->currentText(), "0.030");

    EXPECT_EQ(f.state.workingPressureText, "29.92126");
    EXPECT_EQ(f.state.pressureUnit, chart::PressureUnit::Default);
    EXPECT_EQ(f.state.typedPressureText, "29.92126");
    EXPECT_EQ(f.state.atm, 29.92126);
    EXPECT_EQ(f.state.drawnLowerDryBulbText, "");
    EXPECT_FALSE(f.state.chartType.has_value());
    EXPECT_EQ(f.state.is1, 0);
    EXPECT_EQ(f.state.is2, 0);
    for (QLabel* label : {f.readoutDryBulb, f.readoutWetBulb, f.readoutRelativeHumidity, f.readoutEnthalpy, f.readoutVolume, f.readoutHumidityRatio, f.readoutDewPoint, f.readoutVapourPressure})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_FALSE(f.saveDataInFileButton->isEnabled());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\n"));
}

TEST_F(StartUp, PrintsThePressureCaptionAtTheTopLeft)
{
    MainWindow& f = build();
    ASSERT_TRUE(f.load());
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 1u);
    const auto& caption = texts.front();
    EXPECT_EQ(caption.text, "Atmos. pr= 29.92126  In Hg");
    EXPECT_NEAR(caption.x1, f.W() / 60, 0.01);
    EXPECT_NEAR(caption.y1, f.H() / 120, 0.01);
    EXPECT_TRUE(surface.lines().empty());
}

TEST_F(StartUp, SizesTheSurfaceToTheScreen)
{
    dialogs.setScreenSize({1280 * 15, 1024 * 15});
    MainWindow& f = build(); // drawing goes to the recording surface; the window keeps its own
    // What the load prints before it sizes the surface has the window's room.
    EXPECT_EQ(f.surfaceWidget->widthTwips(), f.width() * 15.0);
    ASSERT_TRUE(f.load());
    const QRect shown = f.findChild<QWidget*>("surfaceArea")->geometry(); // where the surface is seen
    EXPECT_EQ(shown.left(), 0);
    EXPECT_EQ(shown.bottom(), f.height() - 1); // all that the band leaves
    EXPECT_EQ(f.surfaceWidget->widthTwips(), 1280 * 15);
    EXPECT_EQ(f.surfaceWidget->heightTwips(), shown.height() * 15.0);
}

TEST_F(StartUp, AsksOnAScreenSmallerThan1024By728Pixels)
{
    struct Case { int width, height; bool asks; };
    const Case cases[] = {
        {1024 * 15, 728 * 15, false},
        {1920 * 15, 1080 * 15, false},
        {1024 * 15, 727 * 15, true},
        {1023 * 15, 768 * 15, true},
        {1024 * 12, 768 * 12, true}, // 12 twips to the pixel
    };
    for (const Case& c : cases) {
        ui::ScriptedDialogs scripted;
        scripted.setScreenSize({c.width, c.height});
        ui::RecordingSurface recording;
        MainWindow f({&scripted, folder.path().toStdString(), &recording});
        ASSERT_TRUE(f.load()); // unanswered questions are answered No
        ASSERT_EQ(scripted.messages().size(), c.asks ? 1u : 0u) << c.width << " by " << c.height;
        if (c.asks) {
            const auto& question = scripted.messages().front();
            EXPECT_EQ(question.text,
                      "You must set screen size to 1024x768 or higher if your monitor size is less than 15 inch. "
                      "Do you want to exit the program and reset your screen reolution now ?");
            EXPECT_EQ(question.buttons, ui::Buttons::YesNo);
            EXPECT_EQ(question.title, "DELETE");
        }
    }
}

TEST_F(StartUp, YesToTheScreenQuestionEndsBeforeTheFileIsTouched)
{
    writeFile(runDataPath(), "kept\r\n");
    dialogs.setScreenSize({800 * 15, 600 * 15});
    dialogs.queueAnswer(ui::Answer::Yes);
    MainWindow& f = build();
    EXPECT_FALSE(f.load());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("kept\r\n"));
    EXPECT_EQ(f.firstPropertyList->count(), 0);
}

TEST_F(StartUp, NoToTheScreenQuestionGoesOn)
{
    dialogs.setScreenSize({800 * 15, 600 * 15});
    dialogs.queueAnswer(ui::Answer::No);
    MainWindow& f = build();
    EXPECT_TRUE(f.load());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\n"));
    EXPECT_EQ(f.surfaceWidget->widthTwips(), 800 * 15);
    EXPECT_EQ(readoutRuns, 2);
}

TEST_F(StartUp, ARunDataFileThatCannotBeEmptiedIsReportedAndNeverShown)
{
    const std::string missing = inFolder("no such folder");
    MainWindow& f = build(missing);
    EXPECT_TRUE(f.load());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const std::string& text = dialogs.messages().front().text;
    EXPECT_NE(text.find(missing + "/temp.txt"), std::string::npos) << text;
    EXPECT_FALSE(f.saveDataInFileButton->isEnabled());
    EXPECT_EQ(f.firstPropertyList->count(), 7);

    // Made later by someone else, it still holds nothing of this run.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(missing)));
    writeFile(missing + "/temp.txt", "an earlier run's record\r\n");
    f.viewSavedDataButton->click();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_NE(dialogs.messages().back().text.find("could not be emptied"), std::string::npos);
    EXPECT_EQ(f.savedDataViewer(), nullptr);
}

TEST_F(StartUp, ASecondRunInTheSameFolderLeavesTheFirstRunsFileAlone)
{
    MainWindow& first = build();
    ASSERT_TRUE(first.load());
    std::string reason;
    ASSERT_TRUE(first.runData().append({"the first run's record"}, reason));

    ui::ScriptedDialogs secondDialogs;
    ui::RecordingSurface secondSurface;
    MainWindow second({&secondDialogs, folder.path().toStdString(), &secondSurface});
    ASSERT_TRUE(second.load());
    EXPECT_EQ(secondDialogs.messageTexts(),
              std::vector<std::string>{"The run data file " + runDataPath()
                                       + " is in use by another run of the program.\nPoints and mixings cannot be "
                                         "saved in it during this run."});
    second.viewSavedDataButton->click();
    second.hooks.quit = [] {};
    second.exitButton->click();
    ASSERT_EQ(secondDialogs.messages().size(), 2u);
    EXPECT_NE(secondDialogs.messages()[1].text.find("in use by another run"), std::string::npos);
    EXPECT_EQ(second.savedDataViewer(), nullptr);
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\nthe first run's record\r\n"));
}

TEST_F(StartUp, EveryControlCarriesItsName)
{
    MainWindow& f = build();
    ASSERT_TRUE(f.load());
    const char* names[] = {"firstPropertyList", "secondPropertyList", "lowerDryBulbList", "higherDryBulbList", "lowerHumidityRatioList", "higherHumidityRatioList", "relativeHumidityLineValue", "wetBulbLineValue",
                           "enthalpyLineValue", "firstPropertyValue", "secondPropertyValue", "volumeLineValue", "pointIdentification", "busyIndicator", "readoutDryBulb", "readoutWetBulb",
                           "readoutRelativeHumidity", "readoutEnthalpy", "readoutVolume", "readoutHumidityRatio", "readoutDewPoint", "readoutVapourPressure", "viewSavedDataButton",
                           "saveDataInFileButton", "drawChartButton", "setPressureButton", "relativeHumidityLineButton", "wetBulbLineButton", "enthalpyLineButton", "exitButton",
                           "volumeLineButton", "saveChartButton", "clearChartButton", "mixingProblemButton", "locatePointButton", "helpButton", "surfaceWidget"};
    for (const char* name : names)
        EXPECT_NE(f.findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(f.pointIdentification->toolTip(), "Enter point identification");
    EXPECT_EQ(f.locatePointButton->toolTip(), "Locate point with two input parameters");
}

TEST_F(StartUp, TheReadoutRunsOnEveryChangeAndBlanksItsLabels)
{
    MainWindow& f = build();
    ASSERT_TRUE(f.load());
    readoutRuns = 0;
    f.readoutDryBulb->setText("stale");
    f.readoutDewPoint->setText("stale");
    f.readoutVapourPressure->setText("kept");
    f.firstPropertyValue->setText("75");
    EXPECT_EQ(readoutRuns, 1);
    EXPECT_TRUE(f.readoutDryBulb->text().isEmpty());
    EXPECT_TRUE(f.readoutDewPoint->text().isEmpty());
    EXPECT_EQ(f.readoutVapourPressure->text(), "kept");
    f.firstPropertyValue->setText("75"); // the same text is no change
    EXPECT_EQ(readoutRuns, 1);
    f.selectListItem(f.secondPropertyList, 1); // a selection from code runs it, even the same one
    EXPECT_EQ(readoutRuns, 2);
    f.selectListItem(f.lowerDryBulbList, 2); // the limit lists run nothing
    EXPECT_EQ(readoutRuns, 2);
}

TEST_F(StartUp, TheBusyIndicator)
{
    MainWindow& f = build();
    ASSERT_TRUE(f.load());
    f.setbusy();
    EXPECT_EQ(f.busyIndicator->text(), "PLEASE WAIT");
    f.clearbusy();
    EXPECT_EQ(f.busyIndicator->text(), "");
}

} // namespace
