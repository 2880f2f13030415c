#include "ui/singleline.h"

#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

// Whether the character is one that keepOnOneLine turns into a blank.
bool isUnshownMark(char32_t c)
{
    if (QChar::isNonCharacter(c) || c == QChar::ObjectReplacementCharacter)
        return true;
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

// The text with each unshown mark as one blank, also one written with two
// UTF-16 units; line feeds stay where they end lines. A cursor, when given,
// keeps its place among the characters.
QString blanked(const QString& input, bool lineFeedsEndLines, int* cursor = nullptr)
{
    QString kept;
    kept.reserve(input.size());
    const int cursorBefore = cursor ? *cursor : 0;
    for (qsizetype at = 0; at < input.size();) {
        const bool pair = input.at(at).isHighSurrogate() && at + 1 < input.size() && input.at(at + 1).isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(input.at(at), input.at(at + 1)) : input.at(at).unicode();
        const qsizetype units = pair ? 2 : 1;
        if (isUnshownMark(c) && !(lineFeedsEndLines && c == u'\n')) {
            kept += u' ';
            if (cursor && pair && at < cursorBefore)
                --*cursor;
        } else {
            kept += input.at(at);
            if (pair)
                kept += input.at(at + 1);
        }
        at += units;
    }
    return kept;
}

class OneLine : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& cursor) const override
    {
        int keptCursor = cursor;
        const QString kept = blanked(input, false, &keptCursor);
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

QString linesToShow(const QString& lines)
{
    return blanked(lines, true);
}

} // namespace ui
