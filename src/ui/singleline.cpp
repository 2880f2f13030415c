#include "ui/singleline.h"

#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

// Whether the character breaks the line, controls the text or formats it
// unseen instead of showing: a control (C0, DEL, C1 with NEL among them), a
// format character (the bidirectional embeddings, overrides and isolates, the
// zero-width characters, the byte order mark, the soft hyphen, the tags) or a
// line or paragraph separator.
bool breaksTheLine(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
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

    // Each such character becomes one blank, also one written with two
    // UTF-16 units; the cursor keeps its place among the characters.
    State validate(QString& input, int& cursor) const override
    {
        QString kept;
        kept.reserve(input.size());
        int keptCursor = cursor;
        for (qsizetype at = 0; at < input.size();) {
            const bool pair = input.at(at).isHighSurrogate() && at + 1 < input.size()
                              && input.at(at + 1).isLowSurrogate();
            const char32_t c = pair ? QChar::surrogateToUcs4(input.at(at), input.at(at + 1)) : input.at(at).unicode();
            const qsizetype units = pair ? 2 : 1;
            if (breaksTheLine(c)) {
                kept += u' ';
                if (pair && at < cursor)
                    --keptCursor;
            } else {
                kept += input.mid(at, units);
            }
            at += units;
        }
        if (kept != input) {
            input = kept;
            cursor = keptCursor;
        }
        return Acceptable;
    }
};

} // namespace

void keepOnOneLine(QLineEdit* box)
{
    box->setValidator(new OneLine(box));
}

} // namespace ui
