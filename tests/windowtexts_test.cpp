// Every window laid out in twips keeps its rectangles' left and top, and
// every text that its controls can show fits whole.
#include "mainwindow_fixture.h"
#include "chart/form2.h"
#include "mixing/form5.h"
#include "point/form3.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A control's left and top in twips, and the longest text it shows when it
// is not its own caption.
struct Place {
    const char* name;
    int left, top;
    const char* longest = nullptr;
};

double advance(const QWidget* control, const QString& text)
{
    return QFontMetricsF(control->font()).horizontalAdvance(text);
}

// Whether the control's text (a list: each item) fits the room it gives its
// text.
bool showsWhole(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        for (int i = 0; i < list->count(); ++i)
            if (advance(list, list->itemText(i)) > room)
                return false;
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->sizeHint().width() <= button->width();
    if (auto* label = qobject_cast<QLabel*>(control))
        return advance(label, label->text()) <= label->contentsRect().width();
    return true;
}

class WindowTexts : public testsupport::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        mixing::attach(*form);
    }

    void check(QWidget* window, const std::vector<Place>& places)
    {
        ASSERT_NE(window, nullptr);
        for (const Place& place : places) {
            auto* control = window->findChild<QWidget*>(place.name);
            ASSERT_NE(control, nullptr) << place.name;
            EXPECT_EQ(control->pos(), QPoint(place.left / 15, place.top / 15)) << place.name;
            if (place.longest)
                qobject_cast<QLabel*>(control)->setText(place.longest);
        }
        const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* control : controls) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(showsWhole(control)) << name;
            EXPECT_TRUE(window->rect().contains(control->geometry())) << name;
            if (qobject_cast<QFrame*>(control) && !qobject_cast<QLabel*>(control))
                continue; // the rules of a grid
            // Some of the designed rectangles overlap by a pixel; a control
            // widened into its neighbour overlaps by more.
            for (QWidget* other : controls) {
                if (other != control && !(qobject_cast<QFrame*>(other) && !qobject_cast<QLabel*>(other))) {
                    EXPECT_LE(control->geometry().intersected(other->geometry()).width(), 1)
                        << name << " and " << other->objectName().toStdString();
                }
            }
        }
    }
};

TEST_F(WindowTexts, PressureDialog)
{
    form->Command4->click();
    check(form->pressureDialog(),
          {{"Label3", 1800, 360},   {"Label1", 1680, 1200}, {"Label2", 3480, 1200},
           {"Combo1", 1440, 1560},  {"Text1", 3360, 1560},  {"Label4", 5040, 1560, "Elevation in feet"},
           {"Label11", 3360, 2040, "(5.906 - 147.65)"},     {"Label5", 1560, 2520},
           {"Label8", 3240, 2520, "24.8961078291965"},      {"Label6", 1560, 3000},
           {"Label9", 3240, 3000, "14.695949526166"},       {"Label7", 1560, 3480},
           {"Label10", 3240, 3480, "-12345.6789012345"},    {"Command2", 840, 4080},
           {"Command1", 3600, 4080}});
}

TEST_F(WindowTexts, LocatePointResultWindow)
{
    drawChart();
    give(0, "75", 1, "65");
    form->Command14->click();
    const char* value = "-123.4567890";
    check(form->locatePointWindow(),
          {{"Label17", 1920, 120},  {"Label16", 3240, 120, "Supply air, zone 12"},
           {"Label15", 1440, 720},  {"Label20", 1320, 1320, "Atmos. pr (Pounds/sq inch)"},
           {"Label21", 3720, 1320, "24.8961078291965"},
           {"Label1", 1320, 1920},  {"Label7", 3720, 1920, value},   {"Label2", 1320, 2640},
           {"Label8", 3720, 2640, value},   {"Label3", 1320, 3240},  {"Label9", 3720, 3240, value},
           {"Label4", 1320, 3840},  {"Label10", 3720, 3960, value},  {"Label5", 1320, 4560},
           {"Label11", 3720, 4560, value},  {"Label6", 1320, 5160},  {"Label12", 3720, 5160, value},
           {"Label14", 1320, 5880}, {"Label13", 3720, 5880, value},  {"Label18", 1320, 6480},
           {"Label19", 3720, 6480, value},  {"Command3", 120, 7080}, {"Command1", 1800, 7080},
           {"Command2", 5520, 7080}});
}

TEST_F(WindowTexts, MixingWindow)
{
    form->Command13->click();
    std::vector<Place> places = {
        {"Label51", 240, 360},   {"Label19", 3000, 360},  {"Label21", 6360, 360},  {"Label22", 10320, 360},
        {"Combo1", 2640, 840},   {"Text4", 4800, 840},    {"Combo3", 6360, 840},   {"Text6", 8280, 840},
        {"Combo2", 2640, 1320},  {"Text5", 4800, 1320},   {"Combo4", 6360, 1320},  {"Text7", 8280, 1320},
        {"Label17", 240, 1800},  {"Text2", 3000, 1800},   {"Text3", 6360, 1800},   {"Label50", 10320, 1800, "123456.7890123"},
        {"Label20", 120, 2400, "Atmos. pr (Pounds/sq inch)"},
        {"Command1", 2160, 8760}, {"Command3", 6000, 8760}, {"Command4", 9360, 8760}};
    // The rows of the grid: the caption, then the cells of stream 1, stream 2
    // and the mix; the first row shows the pressure as typed.
    const int tops[] = {2400, 2880, 3360, 3720, 4200, 4680, 5160, 5640, 6120, 6600, 7080, 7560, 8040};
    const char* rows[][4] = {{"Label20", "Label23", "Label32", "Label41"}, {"Label16", "Label24", "Label33", "Label42"},
                             {"Label15", "Label25", "Label34", "Label43"}, {"Label13", "Label26", "Label35", "Label44"},
                             {"Label12", "Label27", "Label36", "Label45"}, {"Label2", "Label28", "Label37", "Label46"},
                             {"Label1", "Label29", "Label38", "Label47"},  {"Label14", "Label30", "Label39", "Label48"},
                             {"Label18", "Label31", "Label40", "Label49"}, {"Label52", "Label56", "Label60", "Label64"},
                             {"Label53", "Label57", "Label61", "Label65"}, {"Label54", "Label58", "Label62", "Label66"},
                             {"Label55", "Label59", "Label63", "Label67"}};
    const int lefts[] = {240, 3000, 6360, 10320};
    for (int row = 1; row < int(std::size(rows)); ++row)
        for (int column = 0; column < 4; ++column)
            places.push_back({rows[row][column], lefts[column], tops[row], column ? "123456.7890123" : nullptr});
    for (int column = 1; column < 4; ++column)
        places.push_back({rows[0][column], lefts[column], tops[0], "24.8961078291965"});
    check(form->mixingWindow(), places);
}

TEST_F(WindowTexts, ChartTypeDialog)
{
    form->Command3->click();
    check(form->chartTypeDialog(), {});
}

} // namespace
