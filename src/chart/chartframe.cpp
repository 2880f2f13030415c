#include "chart/chartframe.h"

namespace chart {

ChartFrame frameOf(double W, double H, const ChartLimits& limits)
{
    const double humidityRatioSpan = limits.hhr - limits.lhr;
    const double dryBulbSpan = limits.hdb - limits.ldb;
    return {W, H, limits, humidityRatioSpan * 6000 / 4500, dryBulbSpan * 12 / 10};
}

} // namespace chart
