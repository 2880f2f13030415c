// The psychrometric chart program: one main window, started from built-in
// defaults.
#include "chart/form1.h"
#include "mixing/form5.h"
#include "point/readout.h"
#include "ui/qtdialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Psychrometric chart - English Units");

    ui::QtDialogs dialogs;
    chart::Form1 form({&dialogs, QCoreApplication::applicationDirPath().toStdString(), nullptr});
    dialogs.setParent(&form);
    point::attach(form);
    mixing::attach(form);
    if (!form.load())
        return 0;
    form.showMaximized();
    return app.exec();
}
