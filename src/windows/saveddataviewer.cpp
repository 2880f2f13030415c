#include "windows/saveddataviewer.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace windows {

SavedDataViewer::SavedDataViewer(std::function<void()> returnToChart) : returnToChart_(std::move(returnToChart))
{
    setObjectName("savedDataViewer");
    setWindowTitle("View saved data");
    setAttribute(Qt::WA_DeleteOnClose);

    savedData = new QPlainTextEdit(this);
    savedData->setObjectName("savedData");
    savedData->setReadOnly(true);
    savedData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The records put their values in a column: a fixed-pitch font keeps it.
    savedData->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    returnButton = new QPushButton("Return to chart", this);
    returnButton->setObjectName("returnButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(savedData, 1);
    layout->addWidget(returnButton, 0, Qt::AlignHCenter);
    resize(760, 560);

    connect(returnButton, &QPushButton::clicked, this, [this] { close(); });
}

void SavedDataViewer::closeEvent(QCloseEvent* event)
{
    // "Return to chart" and the title bar's close both end here.
    if (returnToChart_)
        returnToChart_();
    QWidget::closeEvent(event);
}

} // namespace windows
