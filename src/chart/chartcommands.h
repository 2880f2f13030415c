#pragma once
// The main window's commands on the chart as a whole: the checks of "Draw
// chart" before the chart-type dialog opens, and "Save chart".

#include "chart/drawcontext.h"
#include "ui/dialogs.h"

namespace chart {

// The checks of "Draw chart": the tests of the chosen limits, then the
// same-chart message. When both pass the surface is cleared, no chart counts
// as drawn, and true is returned: the chart-type dialog is to be shown.
bool prepareDrawChart(DrawContext& ctx, ui::Dialogs& dialogs);

// "Save chart": asks for a file name, then writes what the surface shows as
// a BMP file.
void saveChart(ui::ChartSurface& surface, ui::SaveFileDialog& dialog, ui::Dialogs& dialogs);

// Sets up the shared save dialog with a title and the filter "description|
// pattern" pairs, asking before an existing file is replaced.
void setUpSaveDialog(ui::SaveFileDialog& dialog, const char* title, const char* filter);

// The first steps of the main window's save commands: sets up the shared save
// dialog and shows it. When it is cancelled, says "Dialog Cancelled", gives
// the chart surface the focus and returns false. Otherwise says under which
// name the file is saved, before anything is written, and returns true; the
// name is then dialog.fileName().
bool askFileToSave(ui::SaveFileDialog& dialog, const char* title, const char* filter, ui::Dialogs& dialogs,
                   ui::ChartSurface& surface);

} // namespace chart
