#include "ui/focuslog.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace ui {

void logFocusWhenAsked()
{
    const QString path = qEnvironmentVariable("PSYCHART_FOCUS_LOG");
    if (path.isEmpty())
        return;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [path](QWidget*, QWidget* focused) {
        QFile log(path);
        if (!focused || !log.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        const QString name = focused->objectName().isEmpty() ? focused->metaObject()->className() : focused->objectName();
        log.write((focused->window()->windowTitle() + '/' + name + '\n').toUtf8());
    });
}

} // namespace ui
