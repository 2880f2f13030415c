// The main window's commands: each forwards its event to the operation that
// does the work, and opens the child window that goes with it.
#include "windows/mainwindow.h"

#include "windows/charttypedialog.h"
#include "windows/pointresultwindow.h"
#include "windows/pressuredialog.h"
#include "windows/saveddataviewer.h"

#include "chart/chartcommands.h"
#include "chart/drawchart.h"
#include "point/locatepoint.h"
#include "point/readout.h"
#include "ui/singleline.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace windows {

void MainWindow::drawChartClicked()
{
    chart::DrawContext ctx = drawContext();
    if (chart::prepareDrawChart(ctx, *dialogs_))
        showChartTypeDialog();
}

void MainWindow::showChartTypeDialog()
{
    if (!chartTypeDialog_) {
        chartTypeDialog_ = new ChartTypeDialog([this](chart::ChartType chartType) {
            state.chartType = chartType;
            drawchart();
        });
    }
    keepInFront(chartTypeDialog_);
    chartTypeDialog_->show();
    chartTypeDialog_->raise();
    chartTypeDialog_->activateWindow();
}

void MainWindow::drawchart()
{
    chart::DrawContext ctx = drawContext();
    chart::drawchart(ctx, *dialogs_);
}

void MainWindow::drawLineClicked(chart::LineKind kind, const QLineEdit* value)
{
    chart::DrawContext ctx = drawContext();
    chart::drawConstantLine(ctx, *dialogs_, kind, value->text().toStdString());
}

void MainWindow::clearChartClicked()
{
    clearChartAndInputs(DewPointReadout::Keep);
}

void MainWindow::clearChartAndInputs(DewPointReadout dewPoint)
{
    surface().clear();
    for (QLineEdit* box : {relativeHumidityLineValue, wetBulbLineValue, enthalpyLineValue, firstPropertyValue,
                           secondPropertyValue, volumeLineValue, pointIdentification})
        box->clear();
    for (QLabel* label : {readoutDryBulb, readoutWetBulb, readoutRelativeHumidity, readoutEnthalpy, readoutVolume,
                          readoutHumidityRatio})
        label->clear();
    if (dewPoint == DewPointReadout::Blank)
        readoutDewPoint->clear();
    chart::forgetDrawnChart(state);
    surface().takeFocus();
}

void MainWindow::saveChartClicked()
{
    chart::saveChart(surface(), saveFileDialog, *dialogs_);
}

void MainWindow::setPressureClicked()
{
    // Each opening starts the dialog afresh; an open one only comes forward.
    if (PressureDialog* open = pressureDialog()) {
        open->raise();
        open->activateWindow();
    } else {
        pressureDialog_ = new PressureDialog(*this);
        keepInFront(pressureDialog_);
        pressureDialog_->load();
    }
    waitForChild();
}

void MainWindow::updateReadout()
{
    point::PointContext context = pointContext();
    point::updateReadout(context, pointInputs());
}

void MainWindow::locatePointClicked()
{
    point::PointContext context = pointContext();
    const std::optional<point::LocatedPoint> located = point::locatePoint(context, pointInputs());
    if (!located)
        return;
    pointResultWindow_ = new PointResultWindow(*this, *located);
    waitForChild();
    keepInFront(pointResultWindow_);
    pointResultWindow_->show();
}

void MainWindow::viewSavedDataClicked()
{
    std::string text;
    if (!chart::readSavedData(runData_, *dialogs_, text))
        return;
    if (!savedDataViewer_)
        savedDataViewer_ = new SavedDataViewer(*this);
    savedDataViewer_->savedData->setPlainText(ui::linesToShow(QString::fromStdString(text)));
    keepInFront(savedDataViewer_);
    savedDataViewer_->show();
    waitForChild();
}

void MainWindow::saveDataClicked()
{
    chart::saveData(runData_, saveFileDialog, *dialogs_, surface());
}

void MainWindow::saveRecord(const point::RecordLines& record)
{
    if (point::appendRecord(runData_, *dialogs_, record))
        saveDataInFileButton->setEnabled(true);
}

void MainWindow::exitClicked()
{
    chart::exitProgram(runData_, *dialogs_, hooks.quit);
}

void MainWindow::helpClicked()
{
    chart::openHelp(dataFolder_, *dialogs_);
}

} // namespace windows
