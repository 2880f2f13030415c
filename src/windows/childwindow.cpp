#include "windows/childwindow.h"

#include "windows/mainwindow.h"

#include <QCloseEvent>

namespace windows {

ChildWindow::ChildWindow(MainWindow& main, ChildReturn returnOnClose) : main_(main), returnOnClose_(returnOnClose)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    main_.returnFromChild(returnOnClose_);
    QWidget::closeEvent(event);
}

} // namespace windows
