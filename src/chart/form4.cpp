#include "chart/form4.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace chart {

Form4::Form4(std::function<void()> returnToChart) : returnToChart_(std::move(returnToChart))
{
    setObjectName("Form4");
    setWindowTitle("View saved data");
    setAttribute(Qt::WA_DeleteOnClose);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The records put their values in a column: a fixed-pitch font keeps it.
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    Command1 = new QPushButton("Return to chart", this);
    Command1->setObjectName("Command1");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1, 1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    resize(760, 560);

    connect(Command1, &QPushButton::clicked, this, [this] { close(); });
}

void Form4::closeEvent(QCloseEvent* event)
{
    // "Return to chart" and the title bar's close both end here.
    if (returnToChart_)
        returnToChart_();
    QWidget::closeEvent(event);
}

} // namespace chart
