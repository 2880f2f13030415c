#include "windows/charttypedialog.h"

#include "ui/keyboard.h"
#include "ui/textfit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace windows {

ChartTypeDialog::ChartTypeDialog(std::function<void(chart::ChartType)> draw) : draw_(std::move(draw))
{
    setObjectName("chartTypeDialog");
    setWindowTitle("Chart type option");
    setAttribute(Qt::WA_DeleteOnClose);
    // Its controls are laid out to fit their texts, in the font of the
    // program's other small windows.
    setFont(ui::twipWindowFont());

    chartTypeGroup = new QGroupBox("Choose type of initial chart", this);
    chartTypeGroup->setObjectName("chartTypeGroup");
    standardChartOption = new QRadioButton("Draw standard chart", chartTypeGroup);
    standardChartOption->setObjectName("standardChartOption");
    blankChartOption = new QRadioButton("Draw blank chart", chartTypeGroup);
    blankChartOption->setObjectName("blankChartOption");
    standardChartOption->setChecked(true);
    auto* options = new QVBoxLayout(chartTypeGroup);
    options->addWidget(standardChartOption);
    options->addWidget(blankChartOption);

    drawChartButton = new QPushButton("Draw chart", this);
    drawChartButton->setObjectName("drawChartButton");
    exitButton = new QPushButton("Exit and return to main chart", this);
    exitButton->setObjectName("exitButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(drawChartButton);
    buttons->addWidget(exitButton);

    // The dialog keeps the size its layout gives it, as the program's other
    // small windows keep theirs.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(chartTypeGroup);
    layout->addLayout(buttons);
    layout->activate();
    ui::setKeyboard(this, {standardChartOption, blankChartOption, drawChartButton, exitButton},
                    ui::EscapeCloses::Yes);

    connect(drawChartButton, &QPushButton::clicked, this, [this] { drawChosenChart(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { close(); });
}

void ChartTypeDialog::drawChosenChart()
{
    const chart::ChartType chartType
        = standardChartOption->isChecked() ? chart::ChartType::Standard : chart::ChartType::Blank;
    auto draw = draw_;
    close();
    draw(chartType);
}

} // namespace windows
