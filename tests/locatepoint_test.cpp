// "Locate point": its refusals, the result window "Locate point", marking the
// point on the chart and the point record in the run data file.
#include "mainwindow_fixture.h"
#include "windows/pointresultwindow.h"
#include "point/marking.h"
#include "point/records.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::ChartType;
using testsupport::readFile;
using Op = ui::RecordingSurface::Operation;

using namespace testsupport;

const std::string drawFirst = "First draw axis as per latest chart limits";
const std::string notFeasible =
    "The point as per input parameters are either out of chart limits or the such point is not feasible";
const std::string outOfChart = "The point as per input parameters is out of chart limits";

class LocatePoint : public testsupport::MainWindowTest {
protected:
    void SetUp() override { start(); }

    // Presses "Locate point"; gives the result window when it opened.
    windows::PointResultWindow* locate()
    {
        form->locatePointButton->click();
        return qobject_cast<windows::PointResultWindow*>(form->pointResultWindow());
    }

    // Dry bulb 75 and wet bulb 65 on a blank chart of the default limits,
    // located; the result window must open.
    windows::PointResultWindow* locate75and65()
    {
        drawChart(ChartType::Blank);
        give(DB, "75", WB, "65");
        surface.forgetLog();
        return locate();
    }

    // Leaves the result window by the button, and lets it go.
    void exitResult(windows::PointResultWindow* result)
    {
        result->exitButton->click();
        deleteClosedWindows();
        ASSERT_EQ(form->pointResultWindow(), nullptr);
    }

    std::vector<QString> readout() const
    {
        std::vector<QString> shown;
        for (const QLabel* label : {form->readoutDryBulb, form->readoutWetBulb, form->readoutRelativeHumidity, form->readoutEnthalpy, form->readoutVolume,
                                    form->readoutHumidityRatio, form->readoutDewPoint, form->readoutVapourPressure})
            shown.push_back(label->text());
        return shown;
    }

    static std::vector<QString> values(const windows::PointResultWindow& result)
    {
        std::vector<QString> shown;
        for (const QLabel* label : {result.dryBulb, result.wetBulb, result.relativeHumidity, result.enthalpy, result.volume,
                                    result.humidityRatio, result.dewPoint, result.vapourPressure})
            shown.push_back(label->text());
        return shown;
    }
};

// The state at dry bulb 75 and wet bulb 65 at 29.92126 in Hg.
const std::vector<QString> at75and65{"75.0000000", "65.0000000", "59.2482918", "30.0098473",
                                     "13.7115769", ".0109749",   "59.7940869", ".5188098"};

TEST_F(LocatePoint, RefusesUnusableInputInOrderBeforeAskingForAChart)
{
    struct Case { const char* what; Kind kind1; const char* text1; Kind kind2; const char* text2; std::string message; };
    const Case cases[] = {
        {"same property, empty boxes", WB, "", WB, "", "Two parameters must be diffrent"},
        {"no property chosen in either list", noKind, "", noKind, "", "Two parameters must be diffrent"},
        {"humidity ratio with dew point, empty boxes", HR, "", DP, "",
         "combination of Humidity ration and dew point not feasible"},
        {"dew point with humidity ratio", DP, "50", HR, "0.01",
         "combination of Humidity ration and dew point not feasible"},
        {"first box empty", DB, "", WB, "65", "None of the two data input boxes can not be blank for locating point"},
        {"second box empty", DB, "75", WB, "", "None of the two data input boxes can not be blank for locating point"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        give(c.kind1, c.text1, c.kind2, c.text2);
        if (!c.kind1) {
            form->firstPropertyList->setEditText("typed over");
            form->secondPropertyList->setEditText("typed over");
        }
        const std::size_t before = dialogs.messages().size();
        EXPECT_EQ(locate(), nullptr);
        ASSERT_EQ(dialogs.messages().size(), before + 1); // no chart is drawn, yet only the refusal shows
        EXPECT_EQ(dialogs.messages().back().text, c.message);
        EXPECT_EQ(dialogs.messages().back().buttons, ui::Buttons::Ok);
        EXPECT_EQ(dialogs.messages().back().title, "");
        EXPECT_TRUE(form->isEnabled());
    }
}

TEST_F(LocatePoint, SolvesOnlyOnTheChartOfTheLimitsNowChosen)
{
    enum class Before { Nothing, AllLimits0, ChartDrawn, OtherLimitChosen, ChartCleared };
    struct Case { const char* what; Before before; bool opens; };
    const Case cases[] = {
        {"no chart since start", Before::Nothing, false},
        {"no chart since start, all four limits 0", Before::AllLimits0, true},
        {"chart drawn with the limits chosen", Before::ChartDrawn, true},
        {"another higher dry bulb chosen since", Before::OtherLimitChosen, false},
        {"chart cleared", Before::ChartCleared, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start();
        switch (c.before) {
        case Before::Nothing: break;
        case Before::AllLimits0:
            for (QComboBox* list : {form->lowerDryBulbList, form->higherDryBulbList, form->lowerHumidityRatioList, form->higherHumidityRatioList})
                list->setEditText("0");
            break;
        case Before::ChartDrawn: drawChart(ChartType::Blank); break;
        case Before::OtherLimitChosen:
            drawChart(ChartType::Blank);
            form->higherDryBulbList->setEditText("110");
            break;
        case Before::ChartCleared:
            drawChart(ChartType::Blank);
            form->clearChartButton->click();
            break;
        }
        give(DB, "75", WB, "65");
        form->setbusy();
        const int focused = surface.focusCount();
        const std::size_t before = dialogs.messages().size();
        windows::PointResultWindow* result = locate();
        if (c.opens) {
            ASSERT_NE(result, nullptr);
            EXPECT_EQ(dialogs.messages().size(), before);
            exitResult(result);
        } else {
            EXPECT_EQ(result, nullptr);
            ASSERT_EQ(dialogs.messages().size(), before + 1);
            EXPECT_EQ(dialogs.messages().back().text, drawFirst);
            EXPECT_EQ(dialogs.messages().back().buttons, ui::Buttons::OkCancel);
            EXPECT_EQ(dialogs.messages().back().title, "");
            EXPECT_EQ(form->busyIndicator->text(), "");
            EXPECT_EQ(surface.focusCount(), focused + 1);
            EXPECT_TRUE(form->isEnabled());
        }
    }
}

TEST_F(LocatePoint, ShowsTheSolvedPointAndDisablesTheMainWindow)
{
    form->pointIdentification->setText(" AHU-2  supply ");
    windows::PointResultWindow* result = locate75and65();
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(result->windowTitle(), "Locate point");
    EXPECT_EQ(result->parent(), nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_EQ(values(*result), at75and65);
    EXPECT_EQ(result->pressureCaption->text(), "Atmos. pr (in Hg)");
    EXPECT_EQ(result->pressureValue->text(), "29.92126");
    EXPECT_EQ(result->heading->text(), "Properties of the specified point are as below:");
    EXPECT_EQ(result->pointId->text(), " AHU-2  supply ");
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(surface.log().empty()); // nothing is drawn yet

    // The disabled main window takes no second "Locate point".
    form->locatePointButton->click();
    EXPECT_EQ(form->pointResultWindow(), result);
}

TEST_F(LocatePoint, ReportsAPointThatCannotBeSolved)
{
    drawChart(ChartType::Blank);
    give(DB, "130", WB, "65");
    form->setbusy();
    const int focused = surface.focusCount();
    EXPECT_EQ(locate(), nullptr);
    ASSERT_EQ(dialogs.messageTexts(), std::vector<std::string>{notFeasible});
    EXPECT_EQ(dialogs.messages().back().buttons, ui::Buttons::Ok);
    EXPECT_EQ(dialogs.messages().back().title, "");
    EXPECT_EQ(form->busyIndicator->text(), "");
    EXPECT_EQ(surface.focusCount(), focused + 1);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(LocatePoint, ThePressureRowFollowsTheUnitTheUserGaveItIn)
{
    using Unit = chart::PressureUnit;
    struct Case { Unit unit; const char* typed; const char* caption; const char* value; };
    const Case cases[] = {
        {Unit::Default, "29.92126", "Atmos. pr (in Hg)", "29.92126"},
        {Unit::InchesHg, "30.5", "Atmos. pr (in Hg)", "30.5"},
        {Unit::Psi, "14.7", "Atmos. pr (Pounds/sq inch)", "14.7"},
        {Unit::Elevation, "1000", "Site elevation (ft)", "1000"},
        {Unit::InchesHg, "30.5x", "Atmos. pr (in Hg)", ""},
        {Unit::Psi, "-1", "Atmos. pr (Pounds/sq inch)", ""},
    };
    drawChart(ChartType::Blank);
    give(DB, "75", WB, "65");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " " + c.typed);
        form->state.pressureUnit = c.unit;
        form->state.typedPressureText = c.typed;
        windows::PointResultWindow* result = locate();
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->pressureCaption->text(), c.caption);
        EXPECT_EQ(result->pressureValue->text(), c.value);
        exitResult(result);
    }
}

TEST_F(LocatePoint, ThePointIdentificationIsTakenWhenTheWindowOpens)
{
    windows::PointResultWindow* result = locate75and65();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->pointId->text(), "Nil");
    exitResult(result);

    form->pointIdentification->setText("P2");
    result = locate();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->pointId->text(), "P2");
    form->pointIdentification->setText("changed later");
    EXPECT_EQ(result->pointId->text(), "P2");
    exitResult(result);

    // Typed text is shown as typed, never as markup.
    form->pointIdentification->setText("<b>AHU</b> & <i>2</i>");
    result = locate();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->pointId->text(), "<b>AHU</b> & <i>2</i>");
    EXPECT_EQ(result->pointId->textFormat(), Qt::PlainText);
}

TEST_F(LocatePoint, LeavingTheResultWindowGivesTheMainWindowBackUnchanged)
{
    // By the button, by the title bar, and by closing the main window.
    enum class Way { Button, TitleBar, MainWindowClosed };
    for (Way way : {Way::Button, Way::TitleBar, Way::MainWindowClosed}) {
        SCOPED_TRACE(int(way));
        start();
        windows::PointResultWindow* result = locate75and65();
        ASSERT_NE(result, nullptr);
        const std::vector<QString> shown = readout();
        const std::size_t drawn = surface.visible().size();
        const QByteArray saved = readFile(runDataPath());
        const int focused = surface.focusCount();
        form->setbusy();
        switch (way) {
        case Way::Button: result->exitButton->click(); break;
        case Way::TitleBar: result->close(); break;
        case Way::MainWindowClosed: form->close(); break;
        }
        deleteClosedWindows();
        EXPECT_EQ(form->pointResultWindow(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        EXPECT_EQ(form->busyIndicator->text(), "");
        EXPECT_EQ(surface.focusCount(), focused + 1);
        EXPECT_EQ(readout(), shown);
        EXPECT_EQ(surface.visible().size(), drawn);
        EXPECT_EQ(readFile(runDataPath()), saved);
        EXPECT_TRUE(dialogs.messages().empty());
    }
}

TEST_F(LocatePoint, TheResultWindowGoesWithTheMainWindow)
{
    QPointer<windows::PointResultWindow> result = locate75and65();
    ASSERT_FALSE(result.isNull());
    form.reset();
    EXPECT_TRUE(result.isNull());
}

// ---- Marking the point on the chart

TEST_F(LocatePoint, MarksAPointInsideTheChartWhereTheChartPlacesIt)
{
    form->pointIdentification->setText("AHU-2");
    windows::PointResultWindow* result = locate75and65();
    ASSERT_NE(result, nullptr);
    const std::vector<QString> shown = values(*result);
    const chart::ChartFrame frame = form->drawContext().frame(); // of the chart drawn
    result->locateOnChartButton->click();
    deleteClosedWindows();

    const std::vector<Op> circles = surface.circles();
    ASSERT_EQ(circles.size(), 19u);
    for (std::size_t i = 0; i < circles.size(); ++i) {
        EXPECT_EQ(circles[i].radius, 40 - 2 * double(i));
        EXPECT_EQ(circles[i].colour, ui::palette::red);
        EXPECT_NEAR(circles[i].x1, frame.dbtox(75), 0.01);
        EXPECT_NEAR(circles[i].y1, frame.hrtoy(0.0109749), 0.01);
    }
    const std::vector<Op> texts = surface.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "AHU-2");
    EXPECT_EQ(texts[0].x1, circles[0].x1);
    EXPECT_EQ(texts[0].y1, circles[0].y1);

    EXPECT_EQ(readout(), shown);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form->pointResultWindow(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->busyIndicator->text(), "");

    // A second point adds its own dot; an empty identification prints
    // nothing visible.
    form->pointIdentification->clear();
    give(DB, "60", WB, "50");
    result = locate();
    ASSERT_NE(result, nullptr);
    result->locateOnChartButton->click();
    deleteClosedWindows();
    EXPECT_EQ(surface.circles().size(), 38u);
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_EQ(surface.texts()[1].text, "");
    EXPECT_EQ(form->readoutDryBulb->text(), "60.0000000");
}

TEST_F(LocatePoint, APointOutsideTheChosenLimitsIsNotMarked)
{
    // The chart of 0..60 deg F holds no dry bulb of 75.
    drawChart(ChartType::Blank, {"0", "60", "0", "0.030"});
    give(DB, "75", WB, "65");
    windows::PointResultWindow* result = locate();
    ASSERT_NE(result, nullptr);
    form->readoutVapourPressure->setText("kept");
    surface.forgetLog();
    result->locateOnChartButton->click();
    deleteClosedWindows();

    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{outOfChart});
    EXPECT_EQ(dialogs.messages().back().buttons, ui::Buttons::Ok);
    EXPECT_EQ(dialogs.messages().back().title, "");
    EXPECT_TRUE(surface.circles().empty());
    EXPECT_TRUE(surface.texts().empty());
    std::vector<QString> blank(7);
    blank.push_back("kept");
    EXPECT_EQ(readout(), blank);
    EXPECT_EQ(form->pointResultWindow(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->busyIndicator->text(), "");
}

TEST_F(LocatePoint, ARelativeHumidityLineWithNoPointOnTheChartIsToldBeforeTheFailure)
{
    // The 50 % line lies wholly below humidity ratio 0.020 up to 60 deg F.
    drawChart(ChartType::Blank, {"0", "60", "0.020", "0.030"});
    give(RH, "50", H, "20");
    EXPECT_TRUE(dialogs.messages().empty()); // the readout tells nothing
    EXPECT_EQ(locate(), nullptr);
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<std::string>{"The line is either out of chart limits or is not feasible", notFeasible}));
}

// The window may go while its box is open: nothing is done on it after.
TEST_F(LocatePoint, AResultWindowThatGoesWhileItsBoxIsOpenIsLeftAlone)
{
    drawChart(ChartType::Blank, {"0", "60", "0", "0.030"});
    give(DB, "75", WB, "65");
    QPointer<windows::PointResultWindow> result = locate();
    ASSERT_NE(result, nullptr);
    dialogs.whileNextIsOpen([&result] { delete result; });
    result->locateOnChartButton->click();
    EXPECT_TRUE(result.isNull());
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{outOfChart});
}

TEST_F(LocatePoint, TheLimitsThemselvesLieInsideTheChart)
{
    for (QComboBox* list : {form->lowerDryBulbList, form->higherDryBulbList, form->lowerHumidityRatioList, form->higherHumidityRatioList})
        list->setEditText("");
    form->lowerDryBulbList->setEditText("70");
    form->higherDryBulbList->setEditText("120");
    form->lowerHumidityRatioList->setEditText("0.010");
    form->higherHumidityRatioList->setEditText("0.030");
    const double W = form->W(), H = form->H();
    struct Case { const char* what; point::PointTexts point; bool inside; double x, y; };
    auto at = [](const char* db, const char* rh, const char* hr) {
        return point::PointTexts{db, "50.0000000", rh, "30.0000000", "14.0000000", hr, "50.0000000", ".5000000"};
    };
    const Case cases[] = {
        {"lower limits", at("70.0000000", "50.0000000", ".0100000"), true, W / 12, 4700 * H / 6000},
        {"higher limits, saturated", at("120.0000000", "100.0000000", ".0300000"), true, 11 * W / 12, 200 * H / 6000},
        {"relative humidity has no lower bound", at("95.0000000", "-5.0000000", ".0200000"), true, W / 2,
         2450 * H / 6000},
        {"below the lower dry bulb", at("69.9999999", "50.0000000", ".0200000"), false, 0, 0},
        {"above the higher dry bulb", at("120.0000001", "50.0000000", ".0200000"), false, 0, 0},
        {"below the lower humidity ratio", at("95.0000000", "50.0000000", ".0099999"), false, 0, 0},
        {"above the higher humidity ratio", at("95.0000000", "50.0000000", ".0300001"), false, 0, 0},
        {"supersaturated", at("95.0000000", "100.0000001", ".0200000"), false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.forgetLog();
        const std::size_t before = dialogs.messages().size();
        point::PointContext context = form->pointContext();
        point::markLocatedPoint(context, c.point);
        if (c.inside) {
            ASSERT_EQ(surface.circles().size(), 19u);
            EXPECT_FLOAT_EQ(float(surface.circles()[0].x1), float(c.x));
            EXPECT_FLOAT_EQ(float(surface.circles()[0].y1), float(c.y));
            EXPECT_EQ(dialogs.messages().size(), before);
            EXPECT_EQ(form->readoutDryBulb->text().toStdString(), c.point[0]); // the dry bulb
        } else {
            EXPECT_TRUE(surface.circles().empty());
            ASSERT_EQ(dialogs.messages().size(), before + 1);
            EXPECT_EQ(dialogs.messages().back().text, outOfChart);
            EXPECT_EQ(form->readoutDryBulb->text(), "");
        }
    }
}

// ---- The point record

std::string captionLine(const std::string& caption, const std::string& value)
{
    return caption + std::string(56 - caption.size(), ' ') + value + "\r\n";
}

TEST(PointRecordLines, ZoneAdvancesMoveToTheNextZoneStop)
{
    struct Case { std::size_t from, to; };
    for (Case c : {Case{0, 14}, Case{8, 14}, Case{14, 28}, Case{29, 42}, Case{55, 56}, Case{56, 70}}) {
        std::string line(c.from, 'x');
        point::zoneAdvance(line);
        EXPECT_EQ(line.size(), c.to) << c.from;
    }
}

TEST_F(LocatePoint, SaveDataAppendsThePointRecordAsShown)
{
    form->pointIdentification->setText("AHU-2 supply");
    windows::PointResultWindow* result = locate75and65();
    ASSERT_NE(result, nullptr);
    ASSERT_FALSE(form->saveDataInFileButton->isEnabledTo(form.get()));
    const std::string record = std::string("-------------------------\r\n")
        + captionLine("Point Id", "AHU-2 supply") + captionLine("Atmos. pr (in Hg)", "29.92126")
        + captionLine("Dry bulb temp (Deg F)", "75.0000000") + captionLine("Wet bulb temp (Deg F)", "65.0000000")
        + captionLine("Relative humidity (%)", "59.2482918")
        + captionLine("Specific enthalpy (btu/lb)", "30.0098473")
        + captionLine("Specific volume (cuf/lb)", "13.7115769")
        + captionLine("Humidity ratio (lb/lb of air)", ".0109749") + captionLine("Dew point (Deg F)", "59.7940869")
        + captionLine("Vapor pressure (In Hg)", ".5188098") + "----------------------------\r\n";

    result->saveDataButton->click();
    EXPECT_EQ(readFile(runDataPath()).toStdString(), "\r\n" + record);
    EXPECT_TRUE(form->saveDataInFileButton->isEnabledTo(form.get()));
    result->saveDataButton->click();
    EXPECT_EQ(readFile(runDataPath()).toStdString(), "\r\n" + record + record);
    EXPECT_TRUE(form->saveDataInFileButton->isEnabledTo(form.get()));
    EXPECT_EQ(form->pointResultWindow(), result);
    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LocatePoint, APastedIdentificationStaysOnOneLineOfTheRecord)
{
    // The controls (C0, DEL, C1 with NEL), the format characters, which
    // reverse or hide what follows, the line and paragraph separators, the
    // noncharacters and the object mark, which a text view takes for its own
    // marks, each become a blank.
    const std::string id = "AHU Dry bulb temp (Deg F) 999.0000000";
    drawChart(ChartType::Blank);
    give(DB, "75", WB, "65");
    for (char32_t code : {U'\r', U'\n', U'\t', U'\0', U'\x1f', U'\x7f', U'\x80', U'\x85', U'\x9f', U'\u2028', U'\u2029',
                          U'\u00ad', U'\u200b', U'\u202e', U'\u2066', U'\ufeff', U'\U000E0041', U'\ufdd0', U'\ufdd1',
                          U'\ufdef', U'\ufffe', U'\uffff', U'\U0001fffe', U'\U0010ffff', U'\ufffc'}) {
        SCOPED_TRACE(int(code));
        const QString breaking = QStringView(QChar::fromUcs4(code)).toString();
        writeFile(runDataPath(), "\r\n");
        QGuiApplication::clipboard()->setText("AHU" + breaking + "Dry bulb temp (Deg F) 999.0000000");
        form->pointIdentification->clear();
        form->pointIdentification->paste();
        EXPECT_EQ(form->pointIdentification->text().toStdString(), id);
        windows::PointResultWindow* result = locate();
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->pointId->text().toStdString(), id);
        result->saveDataButton->click();
        QString saved = QString::fromUtf8(readFile(runDataPath()));
        EXPECT_EQ(saved.count("\r\n"), 13); // the empty line and the record's 12
        EXPECT_TRUE(saved.contains(QString::fromStdString(captionLine("Point Id", id))));
        EXPECT_FALSE(saved.remove("\r\n").contains(breaking));
        exitResult(result);
    }
}

TEST_F(LocatePoint, TheRecordKeepsTheColumnForEveryPressureCaptionAndAnEmptyId)
{
    form->state.pressureUnit = chart::PressureUnit::Psi;
    form->state.typedPressureText = "14.7";
    windows::PointResultWindow* result = locate75and65();
    ASSERT_NE(result, nullptr);
    result->saveDataButton->click();
    const QList<QByteArray> lines = readFile(runDataPath()).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[2].toStdString() + "\n", captionLine("Point Id", "Nil"));
    EXPECT_EQ(lines[3].toStdString() + "\n", captionLine("Atmos. pr (Pounds/sq inch)", "14.7"));
    exitResult(result);

    form->state.pressureUnit = chart::PressureUnit::Elevation;
    form->state.typedPressureText = "abc";
    result = locate();
    ASSERT_NE(result, nullptr);
    result->saveDataButton->click();
    const QList<QByteArray> after = readFile(runDataPath()).split('\n');
    ASSERT_GE(after.size(), 16);
    EXPECT_EQ(after[15].toStdString() + "\n", captionLine("Site elevation (ft)", ""));
}

TEST_F(LocatePoint, ARecordThatCannotBeWrittenIsReportedAndNotClaimed)
{
    windows::PointResultWindow* result = locate75and65();
    ASSERT_NE(result, nullptr);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(runDataPath())));
    ASSERT_TRUE(QDir(folder.path()).mkdir("temp.txt"));
    result->saveDataButton->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find(runDataPath()), std::string::npos);
    EXPECT_FALSE(form->saveDataInFileButton->isEnabledTo(form.get()));
    EXPECT_EQ(form->pointResultWindow(), result);
}

} // namespace
