#include "ui/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

std::optional<std::string> missingFolderOf(const std::string& fileName)
{
    const QFileInfo file(QString::fromStdString(fileName));
    const QString folder = file.absolutePath();
    if (QFileInfo(folder).isDir())
        return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

bool SaveFileDialog::show(Dialogs& dialogs)
{
    SaveFileRequest request{title, filter, filterIndex, askBeforeReplacing, fileName, folderMustExist};
    std::optional<std::string> chosen = dialogs.askSaveFileName(request);
    if (!chosen)
        return false;
    fileName = *chosen;
    return true;
}

} // namespace ui
