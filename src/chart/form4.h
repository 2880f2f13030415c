#pragma once
// The viewer "View saved data": the run data file as it stood when the
// viewer was opened.

#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace chart {

class Form4 : public QWidget {
    Q_OBJECT

public:
    // returnToChart runs as the viewer closes, by "Return to chart" or by its
    // title bar: it gives the main window back its input.
    explicit Form4(std::function<void()> returnToChart);

    QPlainTextEdit* Text1 = nullptr; // the saved data; read-only
    QPushButton* Command1 = nullptr; // Return to chart

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> returnToChart_;
};

} // namespace chart
