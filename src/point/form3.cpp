#include "point/form3.h"

#include "chart/form1.h"
#include "point/marking.h"

#include "ui/controls.h"
#include "ui/textfit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


namespace point {
namespace {

using ui::twipsPerPixel;

const char* const heading = "Properties of the specified point are as below:";

std::string textOf(const QLabel* label)
{
    return label->text().toStdString();
}

} // namespace

Form3::Form3(chart::Form1& main) : main_(main)
{
    setObjectName("Form3");
    setWindowTitle("Locate point");
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    connect(Command3, &QPushButton::clicked, this, [this] { saveData(); });
    connect(Command1, &QPushButton::clicked, this, [this] { locatepointonchart(); });
    connect(Command2, &QPushButton::clicked, this, [this] { close(); });
    load();
}

void Form3::buildControls()
{
    setFont(ui::twipWindowFont());
    setFixedSize(7470 / twipsPerPixel, 7755 / twipsPerPixel);
    auto label = [this](const char* name, const char* text, int left, int top, int width, int height) {
        return ui::placeInTwips(new QLabel(text, this), name, left, top, width, height);
    };
    Label17 = label("Label17", "Point Id", 1920, 120, 1095, 375);
    Label16 = label("Label16", "", 3240, 120, 1335, 375);
    Label15 = label("Label15", "", 1440, 720, 3855, 375);
    Label20 = label("Label20", "", 1320, 1320, 1815, 375);
    Label21 = label("Label21", "", 3720, 1320, 1815, 375);
    Label1 = label("Label1", "Dry bulb temp (Deg F)", 1320, 1920, 1695, 375);
    Label7 = label("Label7", "", 3720, 1920, 1935, 375);
    Label2 = label("Label2", "Wet bulb temp (Deg F)", 1320, 2640, 1815, 375);
    Label8 = label("Label8", "", 3720, 2640, 1815, 375);
    Label3 = label("Label3", "Relative humidity (%)", 1320, 3240, 1815, 375);
    Label9 = label("Label9", "", 3720, 3240, 1935, 375);
    Label4 = label("Label4", "Specific enthalpy (btu/lb)", 1320, 3840, 1815, 495);
    Label10 = label("Label10", "", 3720, 3960, 1935, 375);
    Label5 = label("Label5", "Specific volume (cuf/lb)", 1320, 4560, 1935, 375);
    Label11 = label("Label11", "", 3720, 4560, 1935, 375);
    Label6 = label("Label6", "Humidity ratio (lb/lb of air)", 1320, 5160, 1935, 495);
    Label12 = label("Label12", "", 3720, 5160, 1935, 375);
    Label14 = label("Label14", "Dew point (Deg F)", 1320, 5880, 1695, 495);
    Label13 = label("Label13", "", 3720, 5880, 2055, 375);
    Label18 = label("Label18", "Vapor pressure (In Hg)", 1320, 6480, 1695, 375);
    Label19 = label("Label19", "", 3720, 6480, 2055, 375);
    Command3 = ui::placeInTwips(new QPushButton("Save data", this), "Command3", 120, 7080, 1335, 495);
    Command1 = ui::placeInTwips(new QPushButton("Locate point on the chart", this), "Command1", 1800, 7080, 2775, 495);
    Command2 = ui::placeInTwips(new QPushButton("Exit and return to chart", this), "Command2", 5520, 7080, 1215, 495);
    // Every text the window can show fits whole.
    ui::widenToShowTexts(this);
    ui::widenToShow(Label15, {QString(heading)});
    ui::widenToShow(Label16, {ui::ordinaryIdentification});
    ui::widenToShow(Label20, pressureRowCaptions());
    ui::widenToShow(Label21, {ui::widestGeneralNumber});
    for (QLabel* value : {Label7, Label8, Label9, Label10, Label11, Label12, Label13, Label19})
        ui::widenToShow(value, {ui::widestProperty});

    ui::showLabelTextsAsTheyStand(this);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    Command1->setFocus();
}

void Form3::load()
{
    Label15->setText(heading);
    const QString id = main_.Text7->text();
    Label16->setText(id.isEmpty() ? QString("Nil") : id);
}

RecordLines Form3::pointRecord() const
{
    struct Row { const QLabel* caption; int zoneAdvances; const QLabel* value; };
    const Row rows[] = {
        {Label20, 3, Label21}, {Label1, 3, Label7},  {Label2, 3, Label8},  {Label3, 3, Label9},
        {Label4, 3, Label10},  {Label5, 3, Label11}, {Label6, 2, Label12}, {Label14, 3, Label13},
        {Label18, 3, Label19},
    };
    RecordLines record;
    record.rule(25);
    record.pointId(textOf(Label17), textOf(Label16));
    for (const Row& row : rows)
        record.captionValue(textOf(row.caption), row.zoneAdvances, textOf(row.value));
    record.rule(28);
    return record;
}

void Form3::saveData()
{
    appendRecord(main_, pointRecord());
}

void Form3::locatepointonchart()
{
    markLocatedPoint(main_, {textOf(Label7), textOf(Label8), textOf(Label9), textOf(Label10), textOf(Label11),
                             textOf(Label12), textOf(Label13), textOf(Label19)});
    close();
}

void Form3::closeEvent(QCloseEvent* event)
{
    // Every way out of the window ends here: the buttons' and the title bar's.
    returnToChart();
    QWidget::closeEvent(event);
}

void Form3::returnToChart()
{
    main_.setEnabled(true);
    main_.clearbusy();
    main_.surface().takeFocus();
    if (main_.isVisible()) {
        main_.raise();
        main_.activateWindow();
    }
}

} // namespace point
