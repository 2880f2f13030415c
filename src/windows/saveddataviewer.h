#pragma once
// The viewer "View saved data": the run data file as it stood when the
// viewer was opened.

#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace windows {

class SavedDataViewer : public QWidget {
    Q_OBJECT

public:
    // returnToChart runs as the viewer closes, by "Return to chart" or by its
    // title bar: it gives the main window back its input.
    explicit SavedDataViewer(std::function<void()> returnToChart);

    QPlainTextEdit* savedData = nullptr; // the saved data; read-only
    QPushButton* returnButton = nullptr; // Return to chart

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> returnToChart_;
};

} // namespace windows
