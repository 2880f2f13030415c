// The psychrometric chart program: one main window, started from built-in
// defaults.
#include "ui/focuslog.h"
#include "ui/qtdialogs.h"
#include "windows/mainwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::applicationTitle);
    ui::logFocusWhenAsked();

    ui::QtDialogs dialogs;
    windows::MainWindow window({&dialogs, QCoreApplication::applicationDirPath().toStdString(), nullptr});
    dialogs.setParent(&window);
    if (!window.load())
        return 0;
    window.showMaximized();
    return app.exec();
}
