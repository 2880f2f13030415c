#pragma once
// Dialogs for tests: every request is recorded in order and answered from
// what the test scripted beforehand.

#include "ui/dialogs.h"
#include "ui/twips.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        std::string text;
        Buttons buttons = Buttons::Ok;
        std::string title; // as given: empty when the box has no title of its own
    };

    // Answers for the next message boxes, in order. With none left a box is
    // answered Ok when it has an Ok button, and No when it asks Yes or No.
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    // Answers for the next save-file dialogs, in order; nullopt is a cancel.
    // With none left the dialog is cancelled. A name that the dialog refuses
    // (its folder must exist and does not) is passed over, as the user would
    // type another.
    void queueSaveName(std::optional<std::string> name) { saveNames_.push_back(std::move(name)); }
    // What openDocument() answers from now on (true at first).
    void setOpenResult(bool opened, std::string reason = "") { openResult_ = opened; openFailure_ = std::move(reason); }
    void setScreenSize(ScreenSize size) { screen_ = size; }
    // Runs once while the next message box or save-file dialog is open, as
    // the user or the desktop may act then (a window that goes away).
    void whileNextIsOpen(std::function<void()> act) { whileOpen_ = std::move(act); }

    const std::vector<Message>& messages() const { return messages_; }
    std::vector<std::string> messageTexts() const;
    const std::vector<SaveFileRequest>& saveRequests() const { return saveRequests_; }
    const std::vector<std::string>& openedDocuments() const { return openedDocuments_; }
    // The names that save-file dialogs refused.
    const std::vector<std::string>& refusedSaveNames() const { return refusedSaveNames_; }

    Answer message(const std::string& text, Buttons buttons, const std::string& title = "") override;
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    bool openDocument(const std::string& path, std::string& reason) override;
    ScreenSize screenSize() override { return screen_; }
    // The scripted screen has no panels.
    ScreenSize availableArea() override { return screen_; }

private:
    void runWhileOpen();

    std::function<void()> whileOpen_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> saveNames_;
    std::vector<Message> messages_;
    std::vector<SaveFileRequest> saveRequests_;
    std::vector<std::string> openedDocuments_;
    std::vector<std::string> refusedSaveNames_;
    bool openResult_ = true;
    std::string openFailure_;
    ScreenSize screen_{1920 * twipsPerPixel, 1080 * twipsPerPixel};
};

} // namespace ui
