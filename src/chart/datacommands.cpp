#include "chart/datacommands.h"

#include "chart/chartcommands.h"

#include <QCoreApplication>

namespace chart {

bool readSavedData(const RunDataFile& runData, ui::Dialogs& dialogs, std::string& text)
{
    std::string reason;
    if (runData.readText(text, reason))
        return true;
    dialogs.message("The run data file " + runData.path() + " could not be read: " + reason, ui::Buttons::Ok);
    return false;
}

void saveData(const RunDataFile& runData, ui::SaveFileDialog& dialog, ui::Dialogs& dialogs,
              ui::ChartSurface& surface)
{
    if (!askFileToSave(dialog, "Save Pont data in File", "Txt File (*.txt)|*.txt|AllFiles (*.*)|*.*", dialogs,
                       surface))
        return;
    std::string reason;
    if (!runData.copyTo(dialog.fileName(), reason))
        dialogs.message("The run data file " + runData.path() + " could not be copied to " + dialog.fileName() + ": "
                            + reason,
                        ui::Buttons::Ok);
}

void exitProgram(const RunDataFile& runData, ui::Dialogs& dialogs, const std::function<void()>& quit)
{
    std::string reason;
    if (!runData.remove(reason))
        dialogs.message("The run data file " + runData.path() + " could not be deleted: " + reason, ui::Buttons::Ok);
    quit();
}

void endProgram()
{
    QCoreApplication::exit(0);
}

void openHelp(const std::string& programFolder, ui::Dialogs& dialogs)
{
    const std::string path = programFolder + "/" + helpFileName;
    std::string reason;
    if (!dialogs.openDocument(path, reason))
        dialogs.message("The help document " + path + " could not be opened: " + reason, ui::Buttons::Ok);
}

} // namespace chart
