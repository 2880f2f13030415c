#pragma once
// A test aid: the program names the control that has the keyboard focus, so
// that a test on a desktop knows where the keyboard is without counting keys.

namespace ui {

// When the environment variable PSYCHART_FOCUS_LOG names a file, each control
// that takes the keyboard focus from now on appends a line to it: its
// window's title, a slash and its own name, as "Change pressure/unitList" (a
// control without a name gives its class). Nothing is written when the
// variable is not set.
void logFocusWhenAsked();

} // namespace ui
