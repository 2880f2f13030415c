#include "ui/dialogs.h"

namespace ui {

bool SaveFileDialog::show(Dialogs& dialogs)
{
    SaveFileRequest request{title, filter, filterIndex, askBeforeReplacing, fileName};
    std::optional<std::string> chosen = dialogs.askSaveFileName(request);
    if (!chosen)
        return false;
    fileName = *chosen;
    return true;
}

} // namespace ui
