// Measures drawing the default standard chart on the window's own surface,
// offscreen: the time per chart and the property-function calls per chart.
// Run by hand: build/chartbench [charts]
#include "benchwindow.h"
#include "moistair/psychro.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int charts = argc > 1 ? std::atoi(argv[1]) : 20;

    BenchWindow window;
    if (!window.start())
        return 1;
    windows::MainWindow& form = window.form;

    using Clock = std::chrono::steady_clock;
    double fastest = 1e300, total = 0;
    std::uint64_t calls = 0;
    for (int i = 0; i < charts; ++i) {
        form.state.drawnLowerDryBulbText = "121"; // no chart on the surface: draw again
        form.state.chartType = chart::ChartType::Standard;
        const std::uint64_t callsBefore = moistair::propertyCalls();
        const auto start = Clock::now();
        form.drawchart();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        calls = moistair::propertyCalls() - callsBefore;
        fastest = std::min(fastest, ms);
        total += ms;
        QApplication::processEvents();
    }
    std::printf("standard chart, default limits, %d charts: %.1f ms per chart on average, %.1f ms the fastest\n",
                charts, total / charts, fastest);
    std::printf("property-function calls per chart: %llu\n", static_cast<unsigned long long>(calls));
    return 0;
}
