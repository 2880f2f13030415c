#include "chart/rundatafile.h"

#include "ui/savewhole.h"

#include <QFile>
#include <QFileInfo>

namespace chart {
namespace {

QString qpath(const std::string& path) { return QString::fromStdString(path); }

bool fail(const QFileDevice& file, std::string& reason)
{
    reason = file.errorString().toStdString();
    return false;
}

bool writeAll(QFileDevice& file, const QByteArray& bytes, std::string& reason)
{
    if (file.write(bytes) != bytes.size())
        return fail(file, reason);
    return true;
}

// A path that exists but is no regular file, after following links: a
// folder, a device, a pipe. Reading it may never end, and writing over it
// must not replace it.
bool isIrregular(const std::string& path, std::string& reason)
{
    const QFileInfo file(qpath(path));
    if (!file.exists() || file.isFile())
        return false;
    reason = "it is not a regular file";
    return true;
}

// Leaves one empty line in the file: through a new file that replaces it, or,
// where its folder allows no new file, in the file itself.
bool emptyFile(const std::string& path, std::string& reason)
{
    if (isIrregular(path, reason))
        return false;
    return ui::saveWhole(path, "\r\n", reason, ui::ReadOnlyFolder::WriteInPlace);
}

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

} // namespace

RunDataFile::RunDataFile(std::string folder) : path_(std::move(folder) + "/temp.txt") {}

bool RunDataFile::reset(std::string& reason)
{
    notEmptied_.reset();
    if (emptyFile(path_, reason))
        return true;
    notEmptied_ = reason;
    return false;
}

bool RunDataFile::usable(std::string& reason) const
{
    if (notEmptied_) {
        reason = "it could not be emptied when the program started (" + *notEmptied_
                 + "), so it holds no records of this run";
        return false;
    }
    return !isIrregular(path_, reason);
}

bool RunDataFile::append(const std::vector<std::string>& lines, std::string& reason) const
{
    if (!usable(reason))
        return false;
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes += QByteArray::fromStdString(line) + "\r\n";
    QFile file(qpath(path_));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail(file, reason);
    if (!writeAll(file, bytes, reason))
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(file, reason);
    return true;
}

bool RunDataFile::readAll(QByteArray& bytes, long long largest, std::string& reason) const
{
    if (!usable(reason))
        return false;
    const std::string tooLarge = "it is larger than " + std::to_string(largest / (1024 * 1024)) + " MiB";
    if (QFileInfo(qpath(path_)).size() > largest) {
        reason = tooLarge;
        return false;
    }
    QFile file(qpath(path_));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file, reason);
    // Read a piece at a time, never more than the largest size, even from a
    // file that grows meanwhile.
    constexpr qint64 piece = 64 * 1024;
    bytes.clear();
    while (bytes.size() <= largest) {
        const QByteArray read = file.read(piece);
        if (file.error() != QFileDevice::NoError)
            return fail(file, reason);
        if (read.isEmpty())
            break;
        bytes += read;
    }
    if (bytes.size() > largest) {
        reason = tooLarge;
        return false;
    }
    return true;
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
        text.append(line, length);
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
    // A file that could not be emptied at start holds none of this run's
    // records, and what is no regular file was never the run's: either is
    // left where it is.
    std::string irregular;
    if (notEmptied_ || isIrregular(path_, irregular))
        return true;
    QFile file(qpath(path_));
    if (!file.exists() || file.remove())
        return true;
    return fail(file, reason);
}

} // namespace chart
