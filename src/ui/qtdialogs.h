#pragma once
// The dialogs seam on the desktop, with Qt's message box, file dialog,
// desktop services and screen.

#include "ui/dialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace ui {

// Converts a filter written as "description|pattern|description|pattern" to
// Qt's "description (pattern);;..." form. A description that already ends
// with its pattern in parentheses is kept as it is; patterns separated by ';'
// are separated by blanks, as Qt wants them.
QString qtFileFilter(const std::string& filter);

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The main window: the dialogs belong to it unless the user is working
    // in another of the program's windows.
    void setParent(QWidget* parent) { parent_ = parent; }
    QWidget* parent() const { return parent_; }

    Answer message(const std::string& text, Buttons buttons, const std::string& title = "") override;
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    bool openDocument(const std::string& path, std::string& reason) override;
    ScreenSize screenSize() override;
    ScreenSize availableArea() override;

private:
    // The window that a message box or the save dialog belongs to and stays
    // in front of: the window in use, so that a child window's box is never
    // hidden behind that child. That is the active window; when none is
    // active (as right after an earlier box has closed, before the desktop has
    // given the keyboard back), the window the last box belonged to or that
    // was last active, while it is shown; else the main window.
    QWidget* owner();
    // After the answer the keyboard goes back to the window the box belonged
    // to, when it is still there and shown.
    static void giveKeyboardBack(const QPointer<QWidget>& owner);

    QWidget* parent_;
    QPointer<QWidget> windowInUse_;
};

} // namespace ui
