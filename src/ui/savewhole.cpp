#include "ui/savewhole.h"

#include <QSaveFile>
#include <QString>

namespace ui {

// QSaveFile holds small writes in a buffer of its own, and its commit() puts
// the new file in place even when flushing that buffer fails: the buffer is
// flushed and checked before committing, and the error after it.
bool saveWhole(const std::string& path, const QByteArray& bytes, std::string& reason, ReadOnlyFolder readOnlyFolder)
{
    QSaveFile file(QString::fromStdString(path));
    file.setDirectWriteFallback(readOnlyFolder == ReadOnlyFolder::WriteInPlace);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit()
        && file.error() == QFileDevice::NoError)
        return true;
    reason = file.errorString().toStdString();
    // Not committed, the new file goes with the QSaveFile.
    return false;
}

} // namespace ui
