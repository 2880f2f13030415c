#pragma once
// Boxes whose text goes into the lines of a record as it stands: it must
// stay on one line. And the text of such lines as a text view shows them.

class QLineEdit;
class QString;

namespace ui {

// Every character that breaks a line, controls or formats the text unseen, or
// is taken by a text view for a mark of its own instead of being shown (a
// control: a line break, a tab, a NUL, DEL, NEL; a format character: a
// right-to-left override, a zero-width space, U+FEFF, a soft hyphen; a line
// or paragraph separator, U+2028, U+2029; a noncharacter, U+FDD0 to U+FDEF
// and the last two of every plane; the object mark U+FFFC) that reaches the
// box, typed, pasted or set from code, becomes a blank, so that the box, the
// windows that show its text and the record all hold the same one line,
// which shows every character that is in it. The box raises one change per
// edit, as before.
void keepOnOneLine(QLineEdit* box);

// The lines, each ended by a line feed, as a text view is to show them: each
// such character within a line becomes one blank, so that the view shows
// exactly these lines.
QString linesToShow(const QString& lines);

} // namespace ui
