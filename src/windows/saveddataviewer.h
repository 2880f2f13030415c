#pragma once
// The viewer "View saved data": the run data file as it stood when the
// viewer was opened.

#include "windows/childwindow.h"

class QPlainTextEdit;
class QPushButton;

namespace windows {

// Leaving it, by "Return to chart" or by its title bar, only enables the main
// window.
class SavedDataViewer : public ChildWindow {
    Q_OBJECT

public:
    explicit SavedDataViewer(MainWindow& main);

    QPlainTextEdit* savedData = nullptr; // the saved data; read-only
    QPushButton* returnButton = nullptr; // Return to chart
};

} // namespace windows
