#pragma once
// The file operations of the run data file, each on a file reached by its
// own name. Reading, appending and rewriting in place open the name itself,
// never a symbolic link there and without waiting on a pipe or a device put
// in its place, and then check the file that was opened: anything but a
// regular file, and a file that has a second name (a hard link), is refused.
// holdsRefused and removing go by the name instead: holdsRefused looks
// (lstat); removing deletes the name without looking. What is put in the
// name's place between looking and acting is not seen: they are for a file
// that no other process changes meanwhile. Every failure sets the reason the
// system gave, or one of the two below. And the hold that keeps a folder's
// run data file to one run at a time, under which alone a file of the folder
// is replaced: replacing looks at what the name holds (lstat, and whether
// this user may write it) and then renames a new file onto it.

#include <QByteArray>

#include <string>

namespace chart {

// The reason given for a path that holds something other than a regular
// file: a link, a folder, a pipe, a device.
inline constexpr const char* notRegularFile = "it is not a regular file";
// The reason given for a file that has a second name, under which whatever
// is written to it would show as well.
inline constexpr const char* hasSecondName = "it has a second name (a hard link)";

// Whether the path, looked at by name, holds what these operations refuse,
// the link itself counting for a link; a missing path holds nothing.
bool holdsRefused(const std::string& path, std::string& reason);

// Reads the whole file when it is no larger than largest bytes; tooLarge is
// the reason of a larger one.
bool readRegular(const std::string& path, long long largest, const std::string& tooLarge, QByteArray& bytes,
                 std::string& reason);

// Appends the bytes in one write, creating the file when it is missing. A
// write that fails part-way, or a close that reports a failed write, cuts
// the file back to the size it had before: the bytes go in whole or not at
// all.
bool appendWhole(const std::string& path, const QByteArray& bytes, std::string& reason);

// Deletes the name, whatever it holds; a file already gone is no failure.
bool removeRegular(const std::string& path, std::string& reason);

// An exclusive hold on a folder, for one process at a time. The system lets
// go of it when the process ends, however it ends, so a hold left by a
// process that crashed or was killed holds nothing. The folder must be one
// this user may read. A lock file of the folder is locked wherever this
// process can open it for writing: created when missing, refused like the
// files above when it is no regular file or has a second name, and never
// deleted, so that every process locks the same file. The folder itself is
// locked as well where its file system allows that; where it cannot lock a
// folder (a network file system), the lock file alone holds it, and where
// the lock file cannot be opened or locked, the folder's lock alone. A
// process that locks both keeps out, and is kept out by, a process that can
// lock only one of them.
class FolderHold {
public:
    enum class Outcome {
        Taken,
        HeldElsewhere, // another live process holds it
        NoFolder,      // there is no folder to hold: the reason says why
        Failed,        // the folder cannot be held: the reason says why
    };

    FolderHold() = default;
    ~FolderHold();
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

    Outcome take(const std::string& folder, const std::string& lockFileName, std::string& reason);
    bool taken() const { return folderDescriptor_ >= 0 || lockFileDescriptor_ >= 0; }

    // Replaces the file of that name in the held folder by one holding the
    // bytes and, when the earlier file is this user's own, its permissions
    // (not its set-id or sticky bits), or else those this user's umask
    // gives: the bytes go to a new file beside it, named fileName + ".new",
    // which is then renamed over it, so that a failure there leaves the
    // earlier file as it was and no new file behind. Whatever stands at the
    // new file's name, left by a start that was killed, is removed first,
    // never followed nor opened: this is safe only while the folder is held,
    // and a folder not held is refused. Where the folder allows no new file,
    // keeps what another user left at the new file's name, or allows no
    // rename over the earlier one (a sticky folder and another user's file),
    // or where the disk has no room for the new file, the file itself is
    // rewritten instead: emptied first, then written, so that a failure
    // there can leave it empty or holding part of the bytes. An existing
    // file that this user may not write is left alone.
    bool replace(const std::string& fileName, const QByteArray& bytes, std::string& reason) const;

private:
    std::string folder_;
    int folderDescriptor_ = -1;   // the folder, when it is locked
    int lockFileDescriptor_ = -1; // the lock file, when it is locked
};

} // namespace chart
