#include "ui/singleline.h"

#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

class OneLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (QChar& c : input)
            if (c.unicode() < u' ')
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
