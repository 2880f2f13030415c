#pragma once
// The seam to the desktop's dialogs: message boxes, the save-file dialog,
// opening a document, and the screen's size.

#include <optional>
#include <string>

namespace ui {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// The program's name: the main window's title, and the title a message box
// shows when it has none of its own.
inline constexpr const char* applicationTitle = "Psychrometric chart - English Units";

struct ScreenSize {
    int widthTwips = 0;
    int heightTwips = 0;
};

// True when the screen is at least pixelWidth by pixelHeight pixels, counting
// 15 twips to the pixel whatever the screen's real resolution.
bool screenIsAtLeast(const ScreenSize& screen, int pixelWidth, int pixelHeight);

// What the save-file dialog is asked with. The filter is written as pairs
// "description|pattern|description|pattern"; filterIndex counts from 1.
struct SaveFileRequest {
    std::string title;
    std::string filter;
    int filterIndex = 1;
    bool askBeforeReplacing = false;
    std::string initialName;
    // A name in a folder that does not exist is refused by the dialog
    // itself, which stays open.
    bool folderMustExist = false;
};

// The folder of the file name when that folder does not exist; nullopt when
// it does.
std::optional<std::string> missingFolderOf(const std::string& fileName);

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; an empty title shows the application's title.
    virtual Answer message(const std::string& text, Buttons buttons, const std::string& title = "") = 0;

    // Asks for a file name to save under; nullopt when the user cancelled.
    virtual std::optional<std::string> askSaveFileName(const SaveFileRequest& request) = 0;

    // Opens a document with the desktop's default application. On failure
    // returns false and sets the reason.
    virtual bool openDocument(const std::string& path, std::string& reason) = 0;

    // The screen's size in twips, 15 to a logical pixel.
    virtual ScreenSize screenSize() = 0;
    // The part of the screen that windows may take, the desktop's panels
    // left out, in twips.
    virtual ScreenSize availableArea() = 0;
};

// The save-file dialog that a window keeps: what it is asked with, the name
// last chosen being the one that the next showing offers.
class SaveFileDialog {
public:
    SaveFileRequest request;

    // The name last chosen; empty before the first.
    const std::string& fileName() const { return request.initialName; }

    // Shows the dialog. Returns false when it was cancelled, keeping the
    // name last chosen; otherwise fileName() is the name chosen.
    bool show(Dialogs& dialogs);
};

} // namespace ui
