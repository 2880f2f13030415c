#include "ui/dialogs.h"

#include "ui/twips.h"

#include <QDir>
#include <QFileInfo>

#include <cstdint>

namespace ui {

bool screenIsAtLeast(const ScreenSize& screen, int pixelWidth, int pixelHeight)
{
    const std::int32_t twipsWidth = pixelWidth * twipsPerPixel;
    const std::int32_t twipsHeight = pixelHeight * twipsPerPixel;
    if (screen.widthTwips < twipsWidth)
        return false;
    return screen.heightTwips >= twipsHeight;
}

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
    std::optional<std::string> chosen = dialogs.askSaveFileName(request);
    if (!chosen)
        return false;
    request.initialName = *chosen;
    return true;
}

} // namespace ui
