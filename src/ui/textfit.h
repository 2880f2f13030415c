#pragma once
// The windows laid out in twips: their font, and controls that show their
// texts whole. Their rectangles were designed for a small font of about
// eight points; a control whose text needs more room than its rectangle
// grows to the right, keeping its left and top.

#include <QFont>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace ui {

// The widest texts that value labels show: a number of 15 significant
// digits and a seven-decimal property.
inline const QString widestGeneralNumber = "-88888.8888888888";
inline const QString widestProperty = "-8888.8888888";

// The font of the windows laid out in twips: the application's family, ten
// pixels high (the rectangles are in pixels, 15 twips each) and narrowed,
// so that the texts fit the rectangles as designed.
QFont twipWindowFont();

// The width the control needs to show the text whole on one line: a label's
// text area, or a list's text beside its arrow.
int widthToShow(const QWidget* control, const QString& text);

// Widens the control to the right, never moving it, so that each of the
// texts fits whole.
void widenToShow(QWidget* control, const QStringList& texts);
void widenToShow(QWidget* control, const std::vector<std::string>& texts);

// Widens every label, button and list of the window to show the text it
// holds now (a list: every item; a button: its caption with its margins).
void widenToShowTexts(QWidget* window);

} // namespace ui
