#pragma once
// The file operations of the run data file. Each reaches a regular file by
// its own name only: never through a symbolic link, never blocking on a pipe
// or a device put in its place, and checked as the file that was opened, not
// by its name beforehand. Every failure sets the reason the system gave.
// And the hold that keeps a folder's run data file to one run at a time.

#include <QByteArray>

#include <string>

namespace chart {

// The reason given for a path that holds something other than a regular
// file: a link, a folder, a pipe, a device.
inline constexpr const char* notRegularFile = "it is not a regular file";

// Whether the path holds something other than a regular file, the link
// itself counting for a link; a missing path holds nothing.
bool holdsIrregular(const std::string& path, std::string& reason);

// Reads the whole file when it is no larger than largest bytes; tooLarge is
// the reason of a larger one.
bool readRegular(const std::string& path, long long largest, const std::string& tooLarge, QByteArray& bytes,
                 std::string& reason);

// Appends the bytes in one write, creating the file when it is missing. A
// write that fails part-way cuts the file back to the size it had before:
// the bytes go in whole or not at all.
bool appendWhole(const std::string& path, const QByteArray& bytes, std::string& reason);

// Replaces the file by one holding the bytes: a new file is written beside
// it and renamed over it, so that a failure leaves the earlier file as it
// was. Where the folder allows no new file, the file itself is rewritten.
// An existing file that this user may not write is left alone.
bool replaceRegular(const std::string& path, const QByteArray& bytes, std::string& reason);

// Deletes the file; a file already gone is no failure.
bool removeRegular(const std::string& path, std::string& reason);

// An exclusive hold on a folder, for one process at a time. The system lets
// go of it when the process ends, however it ends, so a hold left by a
// process that crashed or was killed holds nothing. Nothing is written to
// the folder for it.
class FolderHold {
public:
    enum class Outcome {
        Taken,
        HeldElsewhere, // another live process holds it
        Unavailable,   // the folder cannot be held (it is missing)
    };

    FolderHold() = default;
    ~FolderHold();
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

    Outcome take(const std::string& folder);
    bool taken() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};

} // namespace chart
