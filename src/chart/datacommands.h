#pragma once
// The main window's commands on the run data file ("View saved data", "Save
// data in file"), and its "Exit" and "Help".

#include "chart/rundatafile.h"
#include "ui/chartsurface.h"
#include "ui/dialogs.h"

#include <functional>
#include <string>

namespace chart {

// The help document, in the program's folder.
inline constexpr const char* helpFileName = "Psychrometric chart-English Units.chm";

// What the viewer shows: every line of the run data file, each followed by a
// line break. A file that cannot be read is reported with its path and the
// reason, and false is returned: there is nothing to show.
bool readSavedData(const RunDataFile& runData, ui::Dialogs& dialogs, std::string& text);

// "Save data in file": asks for a file name in the shared save dialog, then
// copies the run data file to it byte for byte. The run data file is left as
// it is; a copy that fails is reported with both paths and the reason, and
// leaves a file of the chosen name as it was.
void saveData(const RunDataFile& runData, ui::SaveFileDialog& dialog, ui::Dialogs& dialogs,
              ui::ChartSurface& surface);

// "Exit": deletes the run data file, then ends the program through quit. A
// file already gone is no failure; one that cannot be deleted is reported,
// and the program ends all the same.
void exitProgram(const RunDataFile& runData, ui::Dialogs& dialogs, const std::function<void()>& quit);

// Ends the program at once: the event loop stops, and no window runs any code
// of its own on the way out.
void endProgram();

// "Help": opens the help document of the program's folder with the desktop.
// When the desktop cannot open it, says where the file is and why.
void openHelp(const std::string& programFolder, ui::Dialogs& dialogs);

} // namespace chart
