#pragma once
// The windows that the main window opens and waits for: the pressure dialog,
// the saved-data viewer, the result window and the mixing window. While one
// is open the main window is disabled; however the child closes, by its own
// commands, by its title bar or by Escape, the main window takes its input
// back in the one way below.

#include <QWidget>

namespace windows {

class MainWindow;

// How the main window takes its input back when a child window closes. Where
// the chart is not given the focus, the control that opened the child gets it
// back.
enum class ChildReturn {
    EnableOnly,                // enabled, and left where it is
    BringForward,              // enabled and brought to the front
    FocusChartAndBringForward, // enabled, the chart given the focus, brought to the front
    ClearBusyAndFocusChart,    // enabled, the busy indicator cleared, the chart given the focus, brought to the front
};

class ChildWindow : public QWidget {
    Q_OBJECT

public:
    ChildWindow(MainWindow& main, ChildReturn returnOnClose);

protected:
    // From now on the window's closing returns to the main window this way.
    void setReturnOnClose(ChildReturn how) { returnOnClose_ = how; }

    void closeEvent(QCloseEvent* event) final;

    MainWindow& main_;

private:
    ChildReturn returnOnClose_;
};

} // namespace windows
