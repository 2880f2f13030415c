#include "mixing/drawmix.h"

#include "moistair/chartframe.h"
#include "numtext/numtext.h"
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

void place(Marker& marker, const MixFrame& frame, const moistair::ChartFrame& mapping)
{
    const double db = numtext::leadingNumberOr0(marker.point.db);
    const double hr = numtext::leadingNumberOr0(marker.point.hr);
    const double rh = numtext::leadingNumberOr0(marker.point.rh);
    if (!(rh <= 100 && frame.lhr <= hr && hr <= frame.hhr && frame.ldb <= db && db <= frame.hdb && rh > 0))
        return;
    const float x = float(mapping.dbtox(db));
    const float y = float(mapping.hrtoy(hr));
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    marker.x = x;
    marker.y = y;
    marker.inside = true;
}

void mark(const Marker& marker, ui::ChartSurface& surface)
{
    for (int r = marker.largestRadius; r >= 4; r -= 2)
        surface.circle(marker.x, marker.y, r, ui::palette::red);
    // The last circle leaves the current position at the centre, where the
    // label's upper left corner goes.
    surface.print({marker.label});
}

} // namespace

bool drawmix(const MixPoint& stream1, const MixPoint& mixed, const MixPoint& stream2, const chart::LimitTexts& limits,
             double W, double H, MixFrame& frame, ui::ChartSurface& surface, ui::Dialogs& dialogs)
{
    const chart::ChosenLimits chosen = chart::chosenLimits(limits);
    frame.ldb = chosen.ldb;
    frame.hdb = chosen.hdb;
    frame.lhr = chosen.lhr;
    frame.hhr = chosen.hhr;
    frame.humidityRatioSpan = frame.hhr - frame.lhr;
    frame.dryBulbSpan = frame.hdb - frame.ldb;
    frame.is1 = frame.humidityRatioSpan * 6000 / 4500;
    frame.is2 = frame.dryBulbSpan * 12 / 10;
    const moistair::ChartFrame mapping{float(W), float(H), frame.ldb, frame.lhr, frame.is1, frame.is2};

    Marker markers[] = {
        {stream1, 40, "St1", "The stream1 point as per input parameters is out of chart limits"},
        {mixed, 80, "Mix", "The mixed stream point as per input parameters is out of chart limits"},
        {stream2, 40, "St2", "The stream2 point as per input parameters is out of chart limits"},
    };
    for (Marker& marker : markers)
        place(marker, frame, mapping);

    for (const Marker& marker : markers) {
        if (!marker.inside) {
            dialogs.message(marker.outside, ui::Buttons::Ok);
            return false;
        }
    }
    for (const Marker& marker : markers)
        mark(marker, surface);
    const ui::Colour black{0, 0, 0};
    const Marker& mix = markers[1];
    surface.line(markers[0].x, markers[0].y, mix.x, mix.y, black);
    surface.line(markers[2].x, markers[2].y, mix.x, mix.y, black);
    return true;
}

} // namespace mixing
