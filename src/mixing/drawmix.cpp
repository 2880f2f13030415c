#include "mixing/drawmix.h"

#include "chart/chartframe.h"
#include "chart/drawchart.h"
#include "numtext/numtext.h"
#include "point/marking.h"
#include "ui/colour.h"

#include <cmath>

namespace mixing {
namespace {

struct Marker {
    const MixPoint& point;
    int largestRadius;
    const char* label;
    const char* outside;
    bool inside = false;
    float x = 0, y = 0;
};

void place(Marker& marker, const chart::ChartFrame& frame)
{
    const double db = numtext::leadingNumberOr0(marker.point.db);
    const double hr = numtext::leadingNumberOr0(marker.point.hr);
    const double rh = numtext::leadingNumberOr0(marker.point.rh);
    if (!(rh <= 100 && frame.limits.contains(db, hr) && rh > 0))
        return;
    const float x = float(frame.dbtox(db));
    const float y = float(frame.hrtoy(hr));
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    marker.x = x;
    marker.y = y;
    marker.inside = true;
}

} // namespace

bool drawmix(const MixPoint& stream1, const MixPoint& mixed, const MixPoint& stream2, const chart::MainState& state,
             const chart::LimitTexts& limits, double W, double H, ui::ChartSurface& surface, ui::Dialogs& dialogs)
{
    // Marks placed by other limits than the chart's would read wrong on it.
    if (!chart::isDrawnWith(state, limits)) {
        chart::tellDrawChartFirst(dialogs);
        return false;
    }
    // The extents are taken in single precision.
    const chart::ChartFrame frame = chart::frameOf(float(W), float(H), chart::chosenLimits(limits));

    Marker markers[] = {
        {stream1, 40, "St1", "The stream1 point as per input parameters is out of chart limits"},
        {mixed, 80, "Mix", "The mixed stream point as per input parameters is out of chart limits"},
        {stream2, 40, "St2", "The stream2 point as per input parameters is out of chart limits"},
    };
    for (Marker& marker : markers)
        place(marker, frame);

    for (const Marker& marker : markers) {
        if (!marker.inside) {
            dialogs.message(marker.outside, ui::Buttons::Ok);
            return false;
        }
    }
    for (const Marker& marker : markers)
        point::markConcentric(surface, marker.x, marker.y, marker.largestRadius, marker.label);
    const ui::Colour black{0, 0, 0};
    const Marker& mix = markers[1];
    surface.line(markers[0].x, markers[0].y, mix.x, mix.y, black);
    surface.line(markers[2].x, markers[2].y, mix.x, mix.y, black);
    return true;
}

} // namespace mixing
