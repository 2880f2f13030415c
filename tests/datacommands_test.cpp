// The main window's commands on the run data file through its controls:
// "View saved data" with the viewer, "Save data in file", "Exit" and "Help";
// and the help document that the build puts next to the program.
#include "windows/saveddataviewer.h"
#include "mainwindow_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using windows::SavedDataViewer;
using testsupport::readFile;
using testsupport::writeFile;

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A text area reports each of its line breaks as one LF.
QString asShown(const char* textWithCrLf)
{
    return QString(textWithCrLf).replace("\r\n", "\n");
}

class DataCommands : public testsupport::MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(start());
        form->hooks.quit = [this] { ++quits; };
    }

    // What a window that saves a record does: append it, then enable "Save
    // data in file".
    void saveRecord(const std::vector<std::string>& lines)
    {
        std::string reason;
        ASSERT_TRUE(form->runData().append(lines, reason)) << reason;
        form->saveDataInFileButton->setEnabled(true);
    }

    SavedDataViewer& openViewer()
    {
        form->viewSavedDataButton->click();
        SavedDataViewer* viewer = form->savedDataViewer();
        EXPECT_NE(viewer, nullptr);
        return *viewer;
    }

    int quits = 0;
};

TEST_F(DataCommands, TheViewerRightAfterStartShowsOneEmptyLine)
{
    SavedDataViewer& viewer = openViewer();
    EXPECT_EQ(viewer.windowTitle(), "View saved data");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.parent(), nullptr);
    EXPECT_EQ(viewer.savedData->toPlainText(), asShown("\r\n"));
    EXPECT_EQ(viewer.savedData->blockCount(), 2); // the empty line, and the place after its line end
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\n"));
}

TEST_F(DataCommands, TheViewerShowsTheRecordsOneAfterTheOther)
{
    const std::vector<std::string> record{"--------", "Point Id                      A", "--------"};
    saveRecord(record);
    saveRecord(record);
    SavedDataViewer& viewer = openViewer();
    EXPECT_EQ(viewer.savedData->toPlainText(),
              asShown("\r\n--------\r\nPoint Id                      A\r\n--------\r\n"
                      "--------\r\nPoint Id                      A\r\n--------\r\n"));
}

TEST_F(DataCommands, TheViewerShowsExactlyTheLinesTheFileHolds)
{
    // What a text view takes for its own marks (of a frame, an object, a
    // paragraph, a line) shows as a blank within its line.
    const QString forged = "AB" + QString(QChar(0xFDD0)) + "Dry bulb" + QChar(0xFDD1) + QChar(0xFFFC) + QChar(0x2029)
                           + QChar(0x2028) + "\n" + "999";
    writeFile(runDataPath(), "\r\n" + forged.toUtf8() + "\r\n");
    SavedDataViewer& viewer = openViewer();
    EXPECT_EQ(viewer.savedData->blockCount(), 3);
    EXPECT_EQ(viewer.savedData->toPlainText(), "\nAB Dry bulb     999\n");
}

TEST_F(DataCommands, ReturnToChartEnablesTheMainWindowAndClosesTheViewer)
{
    openViewer().returnButton->click();
    EXPECT_TRUE(form->isEnabled());
    deleteClosedWindows();
    EXPECT_EQ(form->savedDataViewer(), nullptr);

    // A new viewer shows the file as it stands now.
    saveRecord({"Dry bulb"});
    EXPECT_EQ(openViewer().savedData->toPlainText(), asShown("\r\nDry bulb\r\n"));
    EXPECT_FALSE(form->isEnabled());
}

TEST_F(DataCommands, ClosingTheViewerByItsTitleBarActsAsReturnToChart)
{
    openViewer().close();
    EXPECT_TRUE(form->isEnabled());
    deleteClosedWindows();
    EXPECT_EQ(form->savedDataViewer(), nullptr);
}

TEST_F(DataCommands, ClosingTheMainWindowClosesTheViewerAndKeepsTheRunDataFile)
{
    saveRecord({"kept"});
    openViewer();
    form->close();
    deleteClosedWindows();
    EXPECT_EQ(form->savedDataViewer(), nullptr);
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\nkept\r\n"));
}

TEST_F(DataCommands, ARunDataFileThatCannotBeReadIsReportedAndTheViewerStaysShut)
{
    ASSERT_TRUE(QFile::remove(QString::fromStdString(runDataPath())));
    form->viewSavedDataButton->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const std::string& text = dialogs.messages()[0].text;
    EXPECT_TRUE(contains(text, runDataPath())) << text;
    EXPECT_TRUE(contains(text, "No such file or directory")) << text;
    EXPECT_EQ(form->savedDataViewer(), nullptr);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(DataCommands, SaveDataInFileCancelled)
{
    saveRecord({"Dry bulb"});
    form->saveDataInFileButton->click();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Dialog Cancelled"});
    EXPECT_EQ(surface.focusCount(), 1);
    ASSERT_EQ(dialogs.saveRequests().size(), 1u);
    const ui::SaveFileRequest& request = dialogs.saveRequests()[0];
    EXPECT_EQ(request.title, "Save Pont data in File");
    EXPECT_EQ(request.filter, "Txt File (*.txt)|*.txt|AllFiles (*.*)|*.*");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_TRUE(request.askBeforeReplacing);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"temp.txt", "temp.txt.lock"}));
    EXPECT_EQ(readFile(runDataPath()), QByteArray("\r\nDry bulb\r\n"));
}

TEST_F(DataCommands, SaveDataInFileCopiesTheRunExactlyOverAnOlderFile)
{
    saveRecord({"caf\xc3\xa9", "Dry bulb temp (Deg F)                                   75.0000000"});
    const std::string name = inFolder("points"); // no extension is added
    writeFile(name, "an older and much longer file, which must go as a whole\r\n");
    dialogs.queueSaveName(name);
    form->saveDataInFileButton->click();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"You saved the files as  " + name});
    EXPECT_EQ(readFile(name), readFile(runDataPath()));
    EXPECT_EQ(surface.focusCount(), 0);

    // The run data file goes on collecting, and the next save copies it all.
    saveRecord({"Wet bulb"});
    dialogs.queueSaveName(name);
    form->saveDataInFileButton->click();
    EXPECT_EQ(readFile(name), "\r\ncaf\xc3\xa9\r\nDry bulb temp (Deg F)                                   75.0000000\r\n"
                              "Wet bulb\r\n");
    EXPECT_EQ(dialogs.saveRequests().back().initialName, name);
}

TEST_F(DataCommands, BothSaveDialogsOfferTheNameLastChosenInEither)
{
    saveRecord({"Dry bulb"});
    const std::string chartName = inFolder("chart.bmp");
    dialogs.queueSaveName(chartName);
    form->saveChartButton->click(); // Save chart
    form->saveDataInFileButton->click();  // Save data in file, cancelled
    EXPECT_EQ(dialogs.saveRequests().back().initialName, chartName);

    const std::string dataName = inFolder("data.txt");
    dialogs.queueSaveName(dataName);
    form->saveDataInFileButton->click();
    form->saveChartButton->click(); // cancelled
    EXPECT_EQ(dialogs.saveRequests().back().initialName, dataName);
    EXPECT_EQ(dialogs.saveRequests().back().title, "Save File");
}

TEST_F(DataCommands, ACopyThatFailsIsReportedAfterTheNameAndLeavesTheOldFile)
{
    saveRecord({"Dry bulb"});
    struct Case { const char* what; std::string name; bool removeRunData; const char* reason; };
    const Case cases[] = {
        {"a name that is a folder", inFolder("a folder"), false, "directory"},
        {"a run data file removed from outside", inFolder("points.txt"), true, "No such file or directory"},
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir("a folder"));
    writeFile(inFolder("points.txt"), "the older file\r\n");
    for (const Case& c : cases) {
        if (c.removeRunData) {
            ASSERT_TRUE(QFile::remove(QString::fromStdString(runDataPath())));
        }
        dialogs.queueSaveName(c.name);
        const std::size_t before = dialogs.messages().size();
        form->saveDataInFileButton->click();
        const std::vector<std::string> texts = dialogs.messageTexts();
        ASSERT_EQ(texts.size(), before + 2) << c.what;
        EXPECT_EQ(texts[before], "You saved the files as  " + c.name) << c.what;
        EXPECT_TRUE(contains(texts[before + 1], c.name)) << texts[before + 1];
        EXPECT_TRUE(contains(texts[before + 1], runDataPath())) << texts[before + 1];
        EXPECT_TRUE(contains(texts[before + 1], c.reason)) << texts[before + 1];
    }
    EXPECT_EQ(readFile(inFolder("points.txt")), QByteArray("the older file\r\n"));
}

TEST_F(DataCommands, BothSaveDialogsRefuseANameInAFolderThatDoesNotExist)
{
    saveRecord({"Dry bulb"});
    const std::string name = inFolder("no such folder/points.txt");
    for (QPushButton* save : {form->saveDataInFileButton, form->saveChartButton}) {
        dialogs.queueSaveName(name);
        const std::size_t before = dialogs.messages().size();
        save->click();
        EXPECT_TRUE(dialogs.saveRequests().back().folderMustExist);
        EXPECT_EQ(dialogs.refusedSaveNames().back(), name);
        // The user gives up: nothing is announced as saved.
        ASSERT_EQ(dialogs.messageTexts().size(), before + 1);
        EXPECT_EQ(dialogs.messageTexts().back(), "Dialog Cancelled");
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(inFolder("no such folder"))));
}

TEST_F(DataCommands, ExitDeletesTheRunDataFileAndEndsTheProgram)
{
    saveRecord({"Dry bulb"});
    openViewer().returnButton->click();
    form->exitButton->click();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(runDataPath())));
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(dialogs.messages().empty());

    // A file already gone is no reason to stay.
    form->exitButton->click();
    EXPECT_EQ(quits, 2);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DataCommands, HelpOpensTheDocumentInTheProgramsFolder)
{
    const std::string help = inFolder("Psychrometric chart-English Units.chm");
    form->helpButton->click();
    EXPECT_EQ(dialogs.openedDocuments(), std::vector<std::string>{help});
    EXPECT_TRUE(dialogs.messages().empty());

    dialogs.setOpenResult(false, "The file does not exist.");
    form->helpButton->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const std::string& text = dialogs.messages()[0].text;
    EXPECT_TRUE(contains(text, help)) << text;
    EXPECT_TRUE(contains(text, "The file does not exist.")) << text;
    EXPECT_TRUE(form->isEnabled());
}

// The build compiles the help document next to the program, with every page.
TEST(HelpDocument, IsBuiltNextToTheProgramWithEveryPage)
{
    const QString folder = PSYCHART_BUILD_DIR;
    ASSERT_TRUE(QFile::exists(folder + "/psychart"));
    QFile help(folder + "/Psychrometric chart-English Units.chm");
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.errorString().toStdString();
    const QByteArray bytes = help.readAll();
    EXPECT_TRUE(bytes.startsWith("ITSF"));
    // The document's directory lists its files by name, uncompressed.
    for (const char* page : {"/main-window.html", "/chart-type.html", "/pressure.html", "/locate-point.html",
                             "/mixing.html", "/saved-data.html", "/help.css"}) {
        EXPECT_TRUE(bytes.contains(page)) << page;
    }
}

} // namespace
