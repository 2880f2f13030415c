#pragma once
// The run data file: temp.txt in the program's folder, plain text with every
// line ended by CR LF. It is emptied at start, collects the records saved
// during the run, and is deleted by Exit. Every operation opens and closes the
// file itself; a failure returns false and sets the reason.
//
// One run at a time holds the run data file of a folder: every run locks
// temp.txt.lock beside the file wherever it can open it for writing, and the
// folder itself as well where the folder can be locked (not on a network
// file system), so that a run on one kind of lock and a run on the other
// keep each other out. A run never takes another run's records for its
// own: when the file is held by another run that is still alive, when its
// folder cannot be held, or when it could not be emptied at start, nothing
// is appended to it, read from it, copied from it or deleted during the run.
// Nor is it ever reached through a link or a second name, read without end
// or written in part: what is no regular file, or has a second name (a hard
// link), is refused at every use, a file far larger than a run can write is
// refused, one larger than the text area fills in about a second is not
// shown, and a record goes in whole or not at all.

#include "chart/regularfile.h"

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

namespace chart {

class RunDataFile {
public:
    // Far more than a run writes: a record is about a kilobyte.
    static constexpr long long largestSize = 64LL * 1024 * 1024;
    // The most that is shown as text: thousands of records, each saved by a
    // click, and no more than the text area fills in about a second.
    static constexpr long long largestShownSize = 8LL * 1024 * 1024;

    explicit RunDataFile(const std::string& folder);

    const std::string& path() const { return path_; }

    // Takes the folder's hold on the file for this run, then creates or
    // overwrites the file with one empty line; a file that cannot be
    // replaced (its folder is read-only, or sticky and the file another
    // user's, or the disk is full) is emptied in place. The hold locks the
    // folder where it can be locked and temp.txt.lock beside the file
    // wherever that can be opened for writing; the lock file stays there. A
    // folder that exists but cannot be held (this user may not read it, or
    // no lock at all can be taken there) leaves the file as it is. When it
    // fails, the file holds no records of this run and is not used again.
    bool reset(std::string& reason);
    // Whether the last reset found the file held by another run.
    bool heldByAnotherRun() const { return heldElsewhere_; }
    // Appends the lines, each ended by CR LF, all of them or none; creates
    // the file when missing.
    bool append(const std::vector<std::string>& lines, std::string& reason) const;
    // Every line of the file, without its line end: a line ends at CR or
    // at CR LF, and a last line without an end counts too.
    bool readLines(std::vector<std::string>& lines, std::string& reason) const;
    // The file as text to show: every line as readLines gives it, each
    // followed by a line feed; a line feed within a line shows as a blank, so
    // that every line feed of the text ends a line of the file. A file larger
    // than largestShownSize is refused.
    bool readText(std::string& text, std::string& reason) const;
    // Copies the file byte for byte; the destination is replaced only when
    // the copy has been written whole.
    bool copyTo(const std::string& destination, std::string& reason) const;
    // Deletes the file; a file already gone is not a failure. A file that is
    // not this run's, and what is refused at every use, are left alone.
    bool remove(std::string& reason) const;

private:
    // Whether the file may be used at all now; sets the reason when not.
    bool usable(std::string& reason) const;
    // The whole file, when it is no larger than largest bytes.
    bool readAll(QByteArray& bytes, long long largest, std::string& reason) const;

    std::string folder_;
    std::string path_;
    FolderHold hold_;
    bool heldElsewhere_ = false;
    std::optional<std::string> notThisRuns_; // why the file holds no records of this run
};

} // namespace chart
