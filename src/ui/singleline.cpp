#include "ui/singleline.h"

#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

// Whether the character breaks the line or controls the text instead of
// showing: a control (C0, DEL, C1 with NEL among them) or a line or
// paragraph separator.
bool breaksTheLine(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

class OneLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (QChar& c : input)
            if (breaksTheLine(c))
                c = u' ';
        return Acceptable;
    }
};

} // namespace

void keepOnOneLine(QLineEdit* box)
{
    box->setValidator(new OneLine(box));
}

} // namespace ui
