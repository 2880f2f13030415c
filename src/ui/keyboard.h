#pragma once
// The keyboard of the program's windows, as on any desktop: Tab goes through
// a window's controls in the order they stand on the screen, Enter presses
// the focused button as Space does, and Escape in a window that the user
// leaves does what its close box does.

#include <initializer_list>

class QWidget;

namespace ui {

enum class EscapeCloses { No, Yes };

// Sets up the keyboard of the window, once:
//   - Tab goes through the controls in the order given, and Shift+Tab back;
//     a disabled control, or one that takes the focus only by a click or
//     from the program, is passed by. The order lists every control of the
//     window that Tab may reach.
//   - Enter, or the keypad's Enter, presses the focused button.
//   - With EscapeCloses::Yes, Escape closes the window, unless the focused
//     control takes the key itself (an open list closes first).
void setKeyboard(QWidget* window, std::initializer_list<QWidget*> tabOrder, EscapeCloses escape);

} // namespace ui
