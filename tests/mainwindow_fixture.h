#pragma once
// The main window under test: built on a recording surface and scripted
// dialogs, with the program's folder in a temporary folder of its own and the
// live readout attached and counted; and the steps that the tests of several
// windows take through its controls.

#include "windows/mainwindow.h"
#include "windows/charttypedialog.h"
#include "windows/mixingwindow.h"
#include "windows/pointresultwindow.h"
#include "windows/pressuredialog.h"
#include "windows/saveddataviewer.h"
#include "filebytes.h"
#include "kinds.h"
#include "point/readout.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/doubles/scripteddialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

using chart::ChartType;

// The chart limits as typed into the four chart-limit lists; by default those
// the window starts with.
struct ChartLimits {
    const char* ldb = "0";
    const char* hdb = "120";
    const char* lhr = "0";
    const char* hhr = "0.030";
};

// Presses "Draw chart" and, in the chart-type dialog it opens, picks the chart
// type and presses the dialog's own "Draw chart".
inline void drawChart(windows::MainWindow& form, ChartType type)
{
    form.drawChartButton->click();
    windows::ChartTypeDialog* dialog = form.chartTypeDialog();
    ASSERT_NE(dialog, nullptr);
    (type == ChartType::Standard ? dialog->standardChartOption : dialog->blankChartOption)->setChecked(true);
    dialog->drawChartButton->click();
}

// The windows that the main window opens, each by the way the user opens it
// there, which gives the window opened.
struct ChildWindowOpener {
    std::string name;
    std::function<QWidget*(windows::MainWindow&)> open;
};

inline std::vector<ChildWindowOpener> childWindows()
{
    using windows::MainWindow;
    return {
        {"chart type", [](MainWindow& f) { f.drawChartButton->click(); return f.chartTypeDialog(); }},
        {"pressure", [](MainWindow& f) { f.setPressureButton->click(); return f.pressureDialog(); }},
        {"saved data", [](MainWindow& f) { f.viewSavedDataButton->click(); return f.savedDataViewer(); }},
        {"mixing", [](MainWindow& f) { f.mixingProblemButton->click(); return f.mixingWindow(); }},
        {"locate point", [](MainWindow& f) {
             drawChart(f, ChartType::Blank);
             f.firstPropertyValue->setText("75");
             f.secondPropertyValue->setText("65");
             f.locatePointButton->click();
             return f.pointResultWindow();
         }},
    };
}

// The user's locale for as long as it lives; the one before comes back after.
class UserLocale {
public:
    explicit UserLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~UserLocale() { QLocale::setDefault(before_); }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

private:
    QLocale before_;
};

// A locale whose decimal separator is the comma.
inline QLocale commaLocale() { return QLocale(QLocale::German, QLocale::Germany); }

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Builds the main window without loading it. Its program's folder is the
    // test's folder unless another is named.
    windows::MainWindow& build(std::string dataFolder = "")
    {
        if (dataFolder.empty())
            dataFolder = folder.path().toStdString();
        form = std::make_unique<windows::MainWindow>(windows::MainWindowSetup{&dialogs, dataFolder, &surface});
        auto readout = form->hooks.updateReadout;
        form->hooks.updateReadout = [this, readout] {
            ++readoutRuns;
            readout();
        };
        return *form;
    }

    // Builds and loads the main window, then forgets what loading drew and
    // how often it ran the readout.
    void start()
    {
        ASSERT_TRUE(folder.isValid());
        build();
        ASSERT_TRUE(form->load());
        surface.forgetLog();
        readoutRuns = 0;
    }

    // Chooses the two properties of a point and types their values.
    void give(Kind kind1, const char* text1, Kind kind2, const char* text2)
    {
        form->selectListItem(form->firstPropertyList, listIndexOf(kind1));
        form->selectListItem(form->secondPropertyList, listIndexOf(kind2));
        form->firstPropertyValue->setText(text1);
        form->secondPropertyValue->setText(text2);
    }

    void drawChart(ChartType type = ChartType::Standard) { testsupport::drawChart(*form, type); }

    // Types the limits into the four lists, then draws.
    void drawChart(ChartType type, const ChartLimits& limits)
    {
        form->lowerDryBulbList->setEditText(limits.ldb);
        form->higherDryBulbList->setEditText(limits.hdb);
        form->lowerHumidityRatioList->setEditText(limits.lhr);
        form->higherHumidityRatioList->setEditText(limits.hhr);
        drawChart(type);
    }

    std::string inFolder(const std::string& name) const { return folder.path().toStdString() + "/" + name; }
    std::string runDataPath() const { return inFolder("temp.txt"); }

    // Closed windows are deleted once the event loop is reached; tests reach
    // it here.
    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir folder;
    ui::ScriptedDialogs dialogs;
    ui::RecordingSurface surface;
    std::unique_ptr<windows::MainWindow> form;
    int readoutRuns = 0; // runs of the live readout
};

} // namespace testsupport
