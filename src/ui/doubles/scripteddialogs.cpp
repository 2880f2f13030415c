#include "ui/doubles/scripteddialogs.h"

namespace ui {

std::vector<std::string> ScriptedDialogs::messageTexts() const
{
    std::vector<std::string> texts;
    for (const Message& m : messages_)
        texts.push_back(m.text);
    return texts;
}

void ScriptedDialogs::runWhileOpen()
{
    if (!whileOpen_)
        return;
    const std::function<void()> act = std::move(whileOpen_);
    whileOpen_ = nullptr;
    act();
}

Answer ScriptedDialogs::message(const std::string& text, Buttons buttons, const std::string& title)
{
    messages_.push_back({text, buttons, title});
    runWhileOpen();
    if (answers_.empty())
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::askSaveFileName(const SaveFileRequest& request)
{
    saveRequests_.push_back(request);
    runWhileOpen();
    while (!saveNames_.empty()) {
        std::optional<std::string> name = std::move(saveNames_.front());
        saveNames_.pop_front();
        if (name && request.folderMustExist && missingFolderOf(*name)) {
            refusedSaveNames_.push_back(*name);
            continue;
        }
        return name;
    }
    return std::nullopt;
}

bool ScriptedDialogs::openDocument(const std::string& path, std::string& reason)
{
    openedDocuments_.push_back(path);
    if (!openResult_)
        reason = openFailure_;
    return openResult_;
}

} // namespace ui
