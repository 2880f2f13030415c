// The keyboard in every window, as on any desktop: Tab goes through the
// controls in the order they stand, Enter presses the focused button, and
// Escape leaves a child window as its close box does.
#include "mainwindow_fixture.h"
#include "ui/qtchartsurface.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Keyboard = testsupport::MainWindowTest;

std::string focusName()
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName().toStdString() : "no focus";
}

// Each window's stops, every control usable, from the one that has the focus
// when it opens and round to it again; the chart is no stop, and Tab passes
// the chart type not chosen. Escape then leaves a child window, and the main
// window takes the keyboard back.
TEST_F(Keyboard, TabGoesRoundEachWindowInScreenOrderAndEscapeLeavesAChildWindow)
{
    const std::vector<testsupport::ChildWindowOpener> windows = testsupport::childWindows();
    const std::map<std::string, std::vector<std::string>> stops = {
        {"main",
         {"drawChartButton", "clearChartButton", "saveChartButton", "setPressureButton", "mixingProblemButton",
          "viewSavedDataButton", "saveDataInFileButton", "helpButton", "exitButton", "lowerDryBulbList",
          "higherDryBulbList", "lowerHumidityRatioList", "higherHumidityRatioList", "relativeHumidityLineValue",
          "relativeHumidityLineButton", "wetBulbLineValue", "wetBulbLineButton", "enthalpyLineValue",
          "enthalpyLineButton", "volumeLineValue", "volumeLineButton", "firstPropertyList", "firstPropertyValue",
          "secondPropertyList", "secondPropertyValue", "pointIdentification", "locatePointButton"}},
        {"chart type", {"standardChartOption", "drawChartButton", "exitButton"}},
        {"pressure", {"unitList", "valueBox", "setButton", "returnButton"}},
        {"saved data", {"savedData", "returnButton"}},
        {"mixing",
         {"stream1FirstList", "stream1FirstValue", "stream2FirstList", "stream2FirstValue", "stream1SecondList",
          "stream1SecondValue", "stream2SecondList", "stream2SecondValue", "stream1AirFlow", "stream2AirFlow",
          "drawMixButton", "saveDataButton", "exitButton"}},
        {"locate point", {"locateOnChartButton", "exitButton", "saveDataButton"}},
    };
    for (const auto& [name, expected] : stops) {
        SCOPED_TRACE(name);
        start();
        form->show();
        QPointer<QWidget> window = form.get();
        for (const testsupport::ChildWindowOpener& child : windows)
            if (child.name == name)
                window = child.open(*form);
        ASSERT_TRUE(window && QTest::qWaitForWindowActive(window));
        for (QWidget* control : window->findChildren<QWidget*>())
            control->setEnabled(true);
        std::vector<std::string> visited{focusName()};
        while (visited.size() <= expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(focusName());
        }
        std::vector<std::string> round = expected;
        round.push_back(expected.front());
        EXPECT_EQ(visited, round);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        deleteClosedWindows();
        EXPECT_EQ(window && window->isVisible(), name == "main");
        EXPECT_TRUE(form->isEnabled());
    }
}

TEST_F(Keyboard, NoKeyNorChangeOfFocusMovesTheChart)
{
    start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->resize(form->width() - 100, form->height() - 100); // the chart now reaches beyond the window
    form->surfaceWidget->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Right, Qt::Key_Tab})
        QTest::keyClick(QApplication::focusWidget(), key);
    form->surfaceWidget->setFocus();
    EXPECT_EQ(form->surfaceWidget->pos(), QPoint(0, 0));
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonOnceAsSpaceDoes)
{
    start();
    QSignalSpy clicks(form->clearChartButton, &QPushButton::clicked);
    QTest::keyClick(form->clearChartButton, Qt::Key_Return);
    QTest::keyClick(form->clearChartButton, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(form->clearChartButton, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
}

} // namespace
