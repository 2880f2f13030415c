#include "windows/saveddataviewer.h"

#include "ui/keyboard.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace windows {

SavedDataViewer::SavedDataViewer(MainWindow& main) : ChildWindow(main, ChildReturn::EnableOnly)
{
    setObjectName("savedDataViewer");
    setWindowTitle("View saved data");

    savedData = new QPlainTextEdit(this);
    savedData->setObjectName("savedData");
    savedData->setReadOnly(true);
    // Its cursor shows where the keyboard is, and moves and selects with the
    // keys as the mouse does.
    savedData->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    savedData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The records put their values in a column: a fixed-pitch font keeps it.
    savedData->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    returnButton = new QPushButton("Return to chart", this);
    returnButton->setObjectName("returnButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(savedData, 1);
    layout->addWidget(returnButton, 0, Qt::AlignHCenter);
    resize(760, 560);
    ui::setKeyboard(this, {savedData, returnButton}, ui::EscapeCloses::Yes);

    connect(returnButton, &QPushButton::clicked, this, [this] { close(); });
}

} // namespace windows
