// On every screen from 1024 by 768 pixels up the main window fits the screen
// and the whole chart lies on the part of the surface the window shows; its
// child windows stay in front of it.
#include "mainwindow_fixture.h"
#include "ui/qtchartsurface.h"
#include "ui/doubles/recordingsurface.h"
#include "ui/surfacefont.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRectF>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Kind = ui::RecordingSurface::Kind;

struct Screen { int width, height; };
const Screen screens[] = {{1024, 768}, {1280, 800}, {1366, 768}, {1920, 1080}, {2560, 1440}};

class ScreenLayout : public testsupport::MainWindowTest {
protected:
    void startOn(Screen screen)
    {
        dialogs.setScreenSize({screen.width * 15, screen.height * 15});
        start();
    }

    // The part of the surface that the window shows, in twips.
    QRectF visibleSurface() const
    {
        const QSize size = form->findChild<QWidget*>("surfaceArea")->size();
        return QRectF(0, 0, size.width() * 15.0, size.height() * 15.0);
    }
};

// The box a printed text covers, in twips, in the surface's font.
QRectF textBox(const ui::RecordingSurface::Operation& text)
{
    const QFontMetricsF metrics(ui::surfaceFont());
    return QRectF(text.x1, text.y1, metrics.horizontalAdvance(QString::fromStdString(text.text)) * 15,
                  metrics.height() * 15);
}

TEST_F(ScreenLayout, TheMainWindowAndEveryControlLieOnTheScreen)
{
    // The band keeps its order however many rows it takes.
    const char* commandOrder[] = {"drawChartButton", "clearChartButton", "saveChartButton", "setPressureButton", "mixingProblemButton",
                                  "viewSavedDataButton", "saveDataInFileButton",  "helpButton", "exitButton"};
    for (Screen screen : screens) {
        startOn(screen);
        SCOPED_TRACE(testing::Message() << screen.width << " by " << screen.height);
        EXPECT_LE(form->width(), screen.width);
        EXPECT_LE(form->height(), screen.height);
        for (QWidget* control : form->findChildren<QWidget*>()) {
            if (control->parentWidget() != form.get())
                continue;
            EXPECT_TRUE(form->rect().contains(control->geometry())) << control->objectName().toStdString();
        }
        QPoint previous(-1, -1);
        for (const char* name : commandOrder) {
            const QPoint at = form->findChild<QWidget*>(name)->pos();
            EXPECT_TRUE(at.y() > previous.y() || (at.y() == previous.y() && at.x() > previous.x())) << name;
            previous = at;
        }
        EXPECT_EQ(form->surfaceWidget->widthTwips(), screen.width * 15);
        EXPECT_EQ(form->surfaceWidget->heightTwips(), visibleSurface().height());
    }
}

TEST_F(ScreenLayout, TheWholeChartLiesOnTheVisibleSurface)
{
    const testsupport::ChartLimits charts[] = {{}, {"60", "100", "0.010", "0.030"}};
    for (Screen screen : screens) {
        for (const testsupport::ChartLimits& limits : charts) {
            startOn(screen);
            SCOPED_TRACE(testing::Message() << screen.width << " by " << screen.height << ", " << limits.ldb);
            drawChart(testsupport::ChartType::Standard, limits);
            ASSERT_TRUE(dialogs.messages().empty());
            const QRectF visible = visibleSurface();
            QRectF dryBulbCaption, creditLine;
            for (const auto& op : surface.visible()) {
                if (op.kind == Kind::Line) {
                    EXPECT_TRUE(visible.contains(op.x1, op.y1) && visible.contains(op.x2, op.y2))
                        << "line " << op.x1 << "," << op.y1 << " to " << op.x2 << "," << op.y2;
                } else if (op.kind == Kind::Text && !op.text.empty()) {
                    EXPECT_TRUE(visible.contains(textBox(op))) << op.text;
                    if (op.text == "Dry Bulb temp(Deg F)")
                        dryBulbCaption = textBox(op);
                    else if (std::abs(op.x1 - form->W() / 60) < 1 && std::abs(op.y1 - form->H() * 5000 / 6000) < 1)
                        creditLine = textBox(op);
                }
            }
            ASSERT_FALSE(creditLine.isEmpty());
            EXPECT_FALSE(creditLine.intersects(dryBulbCaption));
        }
    }
}

TEST_F(ScreenLayout, ChildWindowsStayInFrontOfTheMainWindow)
{
    for (const testsupport::ChildWindowOpener& child : testsupport::childWindows()) {
        start();
        form->setGeometry(40, 30, 720, 540); // on the offscreen screen of 800 by 600
        form->show();
        QWidget* window = child.open(*form);
        ASSERT_NE(window, nullptr) << child.name;
        ASSERT_NE(window->windowHandle(), nullptr) << child.name;
        EXPECT_EQ(window->windowHandle()->transientParent(), form->windowHandle()) << child.name;
        // On X11 only a dialog names the window it belongs to.
        EXPECT_EQ(window->windowType(), Qt::Dialog) << child.name;
        EXPECT_EQ(window->parentWidget(), nullptr) << child.name; // still a window of its own
        // It opens centred over the main window, on the screen's available
        // area; one too large for the area starts at its top-left.
        const QRect area = form->screen()->availableGeometry();
        QRect centred(QPoint(), window->frameGeometry().size());
        centred.moveCenter(form->frameGeometry().center());
        if (area.contains(centred)) {
            EXPECT_LE((window->frameGeometry().center() - centred.center()).manhattanLength(), 2) << child.name;
        } else {
            EXPECT_EQ(window->frameGeometry().topLeft(), area.topLeft()) << child.name;
        }
        if (window != form->savedDataViewer()) {
            EXPECT_EQ(window->minimumSize(), window->maximumSize()) << child.name; // it keeps its size
        }
    }
}

} // namespace
