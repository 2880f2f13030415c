// Measures "View saved data" on a run data file of point records just under
// the largest size the viewer shows (or of as many MiB as asked), offscreen:
// the time from the click to the shown viewer, the time of its first paint,
// and the peak memory.
// Run by hand: build/viewerbench [opens] [MiB]
#include "benchwindow.h"
#include "chart/rundatafile.h"
#include "point/records.h"
#include "windows/saveddataviewer.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

// The bytes of one point record as the result window appends it.
QByteArray pointRecordBytes()
{
    const std::array<point::CaptionValue, 9> rows{{{"Atmos. pr (in Hg)", "29.921"},
                                                   {"Dry bulb temp (Deg F)", "75.0000000"},
                                                   {"Wet bulb temp (Deg F)", "62.5172638"},
                                                   {"Relative humidity (%)", "50.0000000"},
                                                   {"Enthalpy (Btu/lb dry air)", "28.1282916"},
                                                   {"Specific volume (cu ft/lb dry air)", "13.6829426"},
                                                   {"Humidity ratio (lb moisture/lb dry air)", "0.0092422"},
                                                   {"Dew point temp (Deg F)", "55.1118742"},
                                                   {"Vapour pressure (in Hg)", "0.4379212"}}};
    const point::RecordLines record = point::pointRecord({"Point Id", "A"}, rows);
    QByteArray bytes;
    for (const std::string& line : record.lines())
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

// The empty line written at start, then whole records up to the size.
bool writeRunData(const std::string& path, long long size)
{
    const QByteArray record = pointRecordBytes();
    QByteArray bytes("\r\n");
    bytes.reserve(size);
    while (bytes.size() + record.size() <= size)
        bytes += record;
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int opens = argc > 1 ? std::atoi(argv[1]) : 3;
    const long long size = argc > 2 ? std::atoll(argv[2]) * 1024 * 1024 : chart::RunDataFile::largestShownSize;

    BenchWindow window;
    if (!window.start())
        return 1;
    windows::MainWindow& form = window.form;
    const ui::ScriptedDialogs& dialogs = window.dialogs;
    if (!writeRunData(form.runData().path(), size))
        return 1;
    std::printf("run data file: %lld bytes\n",
                static_cast<long long>(QFile(QString::fromStdString(form.runData().path())).size()));
    std::printf("peak memory before opening: %.0f MiB\n", peakMiB());

    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < opens; ++i) {
        const auto start = Clock::now();
        form.viewSavedDataButton->click();
        const auto shown = Clock::now();
        windows::SavedDataViewer* viewer = form.savedDataViewer();
        if (!viewer) {
            std::printf("not shown: %s\n", dialogs.messages().empty() ? "" : dialogs.messages()[0].text.c_str());
            return 1;
        }
        QApplication::processEvents();
        viewer->repaint();
        const auto painted = Clock::now();
        using ms = std::chrono::duration<double, std::milli>;
        std::printf("open %d: %.0f ms to the shown viewer, %.0f ms more to its first paint, %d lines shown\n", i + 1,
                    ms(shown - start).count(), ms(painted - shown).count(), viewer->savedData->blockCount() - 1);
        viewer->returnButton->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    std::printf("peak memory: %.0f MiB\n", peakMiB());
    return 0;
}
