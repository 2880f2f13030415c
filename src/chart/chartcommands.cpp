#include "chart/chartcommands.h"

#include "chart/drawchart.h"

namespace chart {

bool prepareDrawChart(DrawContext& ctx, ui::Dialogs& dialogs)
{
    const ChartLimits drawn = readDrawnLimits(ctx.state);
    readWorkingPressure(ctx.state);
    if (!checkchartlimits(ctx, dialogs))
        return false;
    if (isSameChart(ctx.state, drawn)) {
        dialogs.message("Do one of the followings to draw new chart - 1) Change chart ranges 2) Reset atmos. "
                        "pressure 3) Clear graph ",
                        ui::Buttons::Ok);
        ctx.surface.takeFocus();
        return false;
    }
    // The chart is gone from the surface until the chart-type dialog draws
    // one: left without drawing, nothing counts as drawn.
    ctx.surface.clear();
    forgetDrawnChart(ctx.state);
    return true;
}

void setUpSaveDialog(ui::SaveFileDialog& dialog, const char* title, const char* filter)
{
    ui::SaveFileRequest& request = dialog.request;
    request.title = title;
    request.filter = filter;
    request.filterIndex = 1;
    request.askBeforeReplacing = true;
    request.folderMustExist = true;
}

bool askFileToSave(ui::SaveFileDialog& dialog, const char* title, const char* filter, ui::Dialogs& dialogs,
                   ui::ChartSurface& surface)
{
    setUpSaveDialog(dialog, title, filter);
    if (!dialog.show(dialogs)) {
        dialogs.message("Dialog Cancelled", ui::Buttons::Ok);
        surface.takeFocus();
        return false;
    }
    dialogs.message("You saved the files as  " + dialog.fileName(), ui::Buttons::Ok);
    return true;
}

void saveChart(ui::ChartSurface& surface, ui::SaveFileDialog& dialog, ui::Dialogs& dialogs)
{
    if (!askFileToSave(dialog, "Save File", "BMP File (*.bmp)|*.bmp|AllFiles (*.*)|*.*", dialogs, surface))
        return;
    std::string reason;
    if (!surface.saveAsBmp(dialog.fileName(), reason))
        dialogs.message("The chart could not be written to " + dialog.fileName() + ": " + reason, ui::Buttons::Ok);
    surface.takeFocus();
}

} // namespace chart
