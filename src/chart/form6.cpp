#include "chart/form6.h"

#include "ui/textfit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace chart {

Form6::Form6(std::function<void(const char*)> draw) : draw_(std::move(draw))
{
    setObjectName("Form6");
    setWindowTitle("Chart type option");
    setAttribute(Qt::WA_DeleteOnClose);
    // Its controls are laid out to fit their texts, in the font of the
    // program's other small windows.
    setFont(ui::twipWindowFont());

    Frame1 = new QGroupBox("Choose type of initial chart", this);
    Frame1->setObjectName("Frame1");
    Option1 = new QRadioButton("Draw standard chart", Frame1);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Draw blank chart", Frame1);
    Option2->setObjectName("Option2");
    Option1->setChecked(true);
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(Option1);
    options->addWidget(Option2);

    Command1 = new QPushButton("Draw chart", this);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton("Exit and return to main chart", this);
    Command2->setObjectName("Command2");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] { drawChosenChart(); });
    connect(Command2, &QPushButton::clicked, this, [this] { close(); });
}

void Form6::drawChosenChart()
{
    const char* chartType = Option1->isChecked() ? "1" : "2";
    auto draw = draw_;
    close();
    draw(chartType);
}

} // namespace chart
