// The main window's live readout: the state of the point shown on every
// change of the two property lists and their two value boxes.
#include "mainwindow_fixture.h"
#include "ui/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::ChartType;

using namespace testsupport;

class Readout : public testsupport::MainWindowTest {
protected:
    void SetUp() override { start(); }

    // The seven labels that every run blanks, then the vapour pressure.
    std::vector<QString> readout() const
    {
        std::vector<QString> shown;
        for (const QLabel* label : {form->readoutDryBulb, form->readoutWetBulb, form->readoutRelativeHumidity, form->readoutEnthalpy, form->readoutVolume,
                                    form->readoutHumidityRatio, form->readoutDewPoint, form->readoutVapourPressure})
            shown.push_back(label->text());
        return shown;
    }
};

// The state at dry bulb 75 and wet bulb 65 at 29.92126 in Hg.
const std::vector<QString> at75and65{"75.0000000", "65.0000000", "59.2482918", "30.0098473",
                                     "13.7115769", ".0109749",   "59.7940869", ".5188098"};

TEST_F(Readout, StartsEmptyWithoutAMessage)
{
    build();
    ASSERT_TRUE(form->load());
    EXPECT_EQ(readout(), std::vector<QString>(8));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Readout, ShowsTheStateOnEveryChangeAndKeepsTheVapourPressureOfTheLastPoint)
{
    give(DB, "75", WB, "65");
    EXPECT_EQ(readout(), at75and65);

    // Wet bulb 6 gives a negative humidity ratio: no point.
    form->secondPropertyValue->backspace();
    ASSERT_EQ(form->secondPropertyValue->text(), "6");
    std::vector<QString> blank(7);
    blank.push_back(".5188098");
    EXPECT_EQ(readout(), blank);

    // The same point given in the other order.
    give(WB, "65", DB, "75");
    EXPECT_EQ(readout(), at75and65);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Readout, InputThatGivesNoPointBlanksTheReadoutSilently)
{
    struct Case { const char* what; Kind kind1; const char* text1; Kind kind2; const char* text2; };
    const Case cases[] = {
        {"same property twice", DB, "75", DB, "65"},
        {"humidity ratio with dew point", HR, "0.01", DP, "50"},
        {"dew point with humidity ratio", DP, "50", HR, "0.01"},
        {"letters in a value box", DB, "75", WB, "6a"},
        {"an empty value box", DB, "75", WB, ""},
        {"dry bulb out of range", DB, "130", WB, "65"},
        {"wet bulb above the dry bulb", DB, "70", WB, "75"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        give(c.kind1, c.text1, c.kind2, c.text2);
        for (QLabel* label : {form->readoutDryBulb, form->readoutWetBulb, form->readoutRelativeHumidity, form->readoutEnthalpy, form->readoutVolume,
                              form->readoutHumidityRatio, form->readoutDewPoint, form->readoutVapourPressure})
            label->setText("old");
        form->hooks.updateReadout();
        std::vector<QString> blank(7);
        blank.push_back("old");
        EXPECT_EQ(readout(), blank);
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Readout, NeverShowsAMessageNorTakesTheFocusWhereALineOfTheChartHasNoSpan)
{
    // Relative humidity with enthalpy follows its line along the chart; with
    // no chart drawn the line has no point on it. A volume line stops at once
    // on a higher dry bulb typed above 120.
    give(RH, "50", H, "28");
    form->secondPropertyValue->setText("29");
    EXPECT_TRUE(form->readoutDryBulb->text().isEmpty());
    form->higherDryBulbList->setEditText("130");
    give(V, "14", HR, "0.01");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(surface.focusCount(), 0);

    // On a drawn chart the line is found and the point shown.
    form->higherDryBulbList->setEditText("120");
    drawChart(ChartType::Blank);
    give(RH, "50", H, "28");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form->readoutRelativeHumidity->text(), "50.0000000");
    EXPECT_EQ(form->readoutEnthalpy->text(), "28.0000000");
    EXPECT_FALSE(form->readoutDryBulb->text().isEmpty());
}

TEST_F(Readout, ReadsTheLocaleSeparatorsAndShowsATinyNegativeWithItsSign)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    give(DB, "7,5", WB, "65"); // the grouping separator: 75
    EXPECT_EQ(readout(), at75and65);
    give(DB, "70", DP, "1,000"); // a dew point of 1000: out of range
    EXPECT_TRUE(form->readoutDryBulb->text().isEmpty());
    QLocale::setDefault(before);

    give(DB, "70", DP, "-0.00000001");
    EXPECT_EQ(form->readoutDewPoint->text(), "-.0000000");
}

} // namespace

namespace {

// Types into a list's text as a user does, then leaves it with Enter.
void typeOver(QComboBox* list, const QString& text)
{
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), text);
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

TEST_F(Readout, TypingOverAPropertyListLeavesItWithoutAChoiceAndRunsNothing)
{
    give(DB, "75", WB, "65");
    ASSERT_FALSE(form->readoutDryBulb->text().isEmpty());
    readoutRuns = 0;

    typeOver(form->secondPropertyList, "Rel humidity, percent"); // even an item's own text
    EXPECT_EQ(readoutRuns, 0);
    EXPECT_EQ(ui::listIndex(form->secondPropertyList), -1);
    typeOver(form->firstPropertyList, "r"); // nothing is completed
    EXPECT_EQ(form->firstPropertyList->currentText(), "r");
    EXPECT_EQ(readoutRuns, 0);

    // A choice from the list itself counts again.
    form->secondPropertyList->showPopup();
    form->secondPropertyList->hidePopup();
    emit form->secondPropertyList->activated(1);
    EXPECT_EQ(readoutRuns, 1);
}

} // namespace
