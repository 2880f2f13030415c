#pragma once
// Boxes whose text goes into the lines of a record as it stands: it must
// stay on one line.

class QLineEdit;

namespace ui {

// Every control character, every format character and every line or
// paragraph separator that reaches the box, typed, pasted or set from code (a
// line break, a tab, a NUL, DEL, NEL, a right-to-left override, a zero-width
// space, U+FEFF, a soft hyphen, U+2028, U+2029), becomes a blank, so that the
// box, the windows that show its text and the record all hold the same one
// line, which shows every character that is in it. The box raises one change
// per edit, as before.
void keepOnOneLine(QLineEdit* box);

} // namespace ui
