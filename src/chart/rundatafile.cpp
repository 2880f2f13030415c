#include "chart/rundatafile.h"

#include "ui/savewhole.h"

#include <algorithm>

namespace chart {
namespace {

// Calls addLine with each line of the bytes, without its line end: a line
// ends at CR or at CR LF (a line feed alone belongs to the line), and a last
// line without an end counts too.
template <typename AddLine>
void forEachLine(const QByteArray& bytes, AddLine addLine)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            end = bytes.size();
        addLine(bytes.constData() + start, std::size_t(end - start));
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
}

constexpr const char* fileName = "temp.txt";
// Locked by every run that can open it for writing, besides the folder
// itself where the folder can be locked.
constexpr const char* lockFileName = "temp.txt.lock";

} // namespace

RunDataFile::RunDataFile(const std::string& folder) : folder_(folder), path_(folder + "/" + fileName) {}

bool RunDataFile::reset(std::string& reason)
{
    notThisRuns_.reset();
    heldElsewhere_ = false;
    // The hold is on the folder, and the file is emptied only under it; a
    // missing folder holds no file at all, and gives the reason it could not
    // be opened.
    const FolderHold::Outcome hold = hold_.take(folder_, lockFileName, reason);
    if (hold == FolderHold::Outcome::HeldElsewhere) {
        heldElsewhere_ = true;
        reason = "it is in use by another run of the program";
        notThisRuns_ = "it was in use by another run of the program when this run started";
        return false;
    }
    if (hold == FolderHold::Outcome::Failed)
        reason = "its folder could not be held for this run alone: " + reason;
    else if (hold == FolderHold::Outcome::Taken && hold_.replace(fileName, "\r\n", reason))
        return true;
    notThisRuns_ = "it could not be emptied when the program started (" + reason
                   + "), so it holds no records of this run";
    return false;
}

bool RunDataFile::usable(std::string& reason) const
{
    if (notThisRuns_) {
        reason = *notThisRuns_;
        return false;
    }
    return true;
}

bool RunDataFile::append(const std::vector<std::string>& lines, std::string& reason) const
{
    if (!usable(reason))
        return false;
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return appendWhole(path_, bytes, reason);
}

bool RunDataFile::readAll(QByteArray& bytes, long long largest, std::string& reason) const
{
    if (!usable(reason))
        return false;
    const std::string tooLarge = "it is larger than " + std::to_string(largest / (1024 * 1024)) + " MiB";
    return readRegular(path_, largest, tooLarge, bytes, reason);
}

bool RunDataFile::readLines(std::vector<std::string>& lines, std::string& reason) const
{
    QByteArray all;
    if (!readAll(all, largestSize, reason))
        return false;
    lines.clear();
    forEachLine(all, [&lines](const char* line, std::size_t length) { lines.emplace_back(line, length); });
    return true;
}

bool RunDataFile::readText(std::string& text, std::string& reason) const
{
    QByteArray all;
    if (!readAll(all, largestShownSize, reason))
        return false;
    // One pass over the bytes: a line end becomes one line feed, and a last
    // line without an end gets one.
    text.clear();
    text.reserve(std::size_t(all.size()) + 1);
    forEachLine(all, [&text](const char* line, std::size_t length) {
        const std::size_t start = text.size();
        text.append(line, length);
        std::replace(text.begin() + std::ptrdiff_t(start), text.end(), '\n', ' ');
        text += '\n';
    });
    return true;
}

bool RunDataFile::copyTo(const std::string& destination, std::string& reason) const
{
    QByteArray bytes;
    if (!readAll(bytes, largestSize, reason))
        return false;
    return ui::saveWhole(destination, bytes, reason);
}

bool RunDataFile::remove(std::string& reason) const
{
    // A file that is not this run's, and what is no regular file or has a
    // second name, which was never the run's, are left where they are.
    std::string refused;
    if (notThisRuns_ || holdsRefused(path_, refused))
        return true;
    return removeRegular(path_, reason);
}

} // namespace chart
