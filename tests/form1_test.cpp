// The main window right after start: its controls, its shared state, the
// screen question and the run data file.
#include "mainwindow_fixture.h"
#include "ui/controls.h"
#include "ui/qtchartsurface.h"
#include "ui/recordingsurface.h"
#include "ui/scripteddialogs.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using chart::Form1;
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
    Form1& f = build();
    ASSERT_TRUE(f.load());

    EXPECT_EQ(f.windowTitle(), "Psychrometric chart - English Units");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readoutRuns, 2);

    const QStringList properties{"Dry bulb temp, Deg F", "Wet bulb temp, Deg F", "Rel humidity, percent",
                                 "Humidity ratio, decimal", "Specific enthalpy, btu/lb", "Dew point, Deg F",
                                 "Specific vol, cuf/lb"};
    EXPECT_EQ(items(f.Combo1), properties);
    EXPECT_EQ(items(f.Combo2), properties);
    EXPECT_EQ(ui::listIndex(f.Combo1), 0);
    EXPECT_EQ(ui::listIndex(f.Combo2), 1);
    EXPECT_EQ(items(f.Combo3).size(), 13);
    EXPECT_EQ(items(f.Combo3).last(), "120");
    EXPECT_EQ(items(f.Combo5), (QStringList{"0", "0.010", "0.020", "0.030"}));
    EXPECT_EQ(f.Combo3->currentText(), "0");
    EXPECT_EQ(f.Combo4->currentText(), "120");
    EXPECT_EQ(f.Combo5->currentText(), "0");
    EXPECT_EQ(f.Combo6->currentText(), "0.030");

    EXPECT_EQ(f.state.workingPressureText, "29.92126");
    EXPECT_EQ(f.state.pressureUnitText, "0");
    EXPECT_EQ(f.state.typedPressureText, "29.92126");
    EXPECT_EQ(f.state.atm, 29.92126);
    EXPECT_EQ(f.state.drawnLowerDryBulbText, "");
    EXPECT_EQ(f.state.chartTypeText, "");
    EXPECT_EQ(f.state.is1, 0);
    EXPECT_EQ(f.state.is2, 0);
    for (QLabel* label : {f.Label13, f.Label14, f.Label15, f.Label16, f.Label17, f.Label18, f.Label24, f.Label26})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_FALSE(f.Command2->isEnabled());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\n"));
}

TEST_F(StartUp, PrintsThePressureCaptionAtTheTopLeft)
{
    Form1& f = build();
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
    Form1& f = build(); // drawing goes to the recording surface; the window keeps its own
    ASSERT_TRUE(f.load());
    const QRect shown = f.findChild<QWidget*>("graphArea")->geometry(); // where the surface is seen
    EXPECT_EQ(shown.left(), 0);
    EXPECT_EQ(shown.bottom(), f.height() - 1); // all that the band leaves
    EXPECT_EQ(f.graph->widthTwips(), 1280 * 15);
    EXPECT_EQ(f.graph->heightTwips(), shown.height() * 15.0);
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
        Form1 f({&scripted, folder.path().toStdString(), &recording});
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
    Form1& f = build();
    EXPECT_FALSE(f.load());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("kept\r\n"));
    EXPECT_EQ(f.Combo1->count(), 0);
}

TEST_F(StartUp, NoToTheScreenQuestionGoesOn)
{
    dialogs.setScreenSize({800 * 15, 600 * 15});
    dialogs.queueAnswer(ui::Answer::No);
    Form1& f = build();
    EXPECT_TRUE(f.load());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\n"));
    EXPECT_EQ(f.graph->widthTwips(), 800 * 15);
    EXPECT_EQ(readoutRuns, 2);
}

TEST_F(StartUp, ARunDataFileThatCannotBeEmptiedIsReportedAndNeverShown)
{
    const std::string missing = inFolder("no such folder");
    Form1& f = build(missing);
    EXPECT_TRUE(f.load());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const std::string& text = dialogs.messages().front().text;
    EXPECT_NE(text.find(missing + "/temp.txt"), std::string::npos) << text;
    EXPECT_FALSE(f.Command2->isEnabled());
    EXPECT_EQ(f.Combo1->count(), 7);

    // Made later by someone else, it still holds nothing of this run.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(missing)));
    writeFile(missing + "/temp.txt", "an earlier run's record\r\n");
    f.Command1->click();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_NE(dialogs.messages().back().text.find("could not be emptied"), std::string::npos);
    EXPECT_EQ(f.savedDataViewer(), nullptr);
}

TEST_F(StartUp, EveryControlCarriesItsName)
{
    Form1& f = build();
    ASSERT_TRUE(f.load());
    const char* names[] = {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Text1", "Text2",
                           "Text3", "Text4", "Text5", "Text6", "Text7", "Label4", "Label13", "Label14",
                           "Label15", "Label16", "Label17", "Label18", "Label24", "Label26", "Command1",
                           "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
                           "Command9", "Command11", "Command12", "Command13", "Command14", "Command16", "graph"};
    for (const char* name : names)
        EXPECT_NE(f.findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(f.Text7->toolTip(), "Enter point identification");
    EXPECT_EQ(f.Command14->toolTip(), "Locate point with two input parameters");
}

TEST_F(StartUp, TheReadoutRunsOnEveryChangeAndBlanksItsLabels)
{
    Form1& f = build();
    ASSERT_TRUE(f.load());
    readoutRuns = 0;
    f.Label13->setText("stale");
    f.Label24->setText("stale");
    f.Label26->setText("kept");
    f.Text4->setText("75");
    EXPECT_EQ(readoutRuns, 1);
    EXPECT_TRUE(f.Label13->text().isEmpty());
    EXPECT_TRUE(f.Label24->text().isEmpty());
    EXPECT_EQ(f.Label26->text(), "kept");
    f.Text4->setText("75"); // the same text is no change
    EXPECT_EQ(readoutRuns, 1);
    f.selectListItem(f.Combo2, 1); // a selection from code runs it, even the same one
    EXPECT_EQ(readoutRuns, 2);
    f.selectListItem(f.Combo3, 2); // the limit lists run nothing
    EXPECT_EQ(readoutRuns, 2);
}

TEST_F(StartUp, TheBusyIndicator)
{
    Form1& f = build();
    ASSERT_TRUE(f.load());
    f.setbusy();
    EXPECT_EQ(f.Label4->text(), "PLEASE WAIT");
    f.clearbusy();
    EXPECT_EQ(f.Label4->text(), "");
}

} // namespace
