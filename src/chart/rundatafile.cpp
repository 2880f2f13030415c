#include "chart/rundatafile.h"

#include <QFile>
#include <QSaveFile>

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

} // namespace

RunDataFile::RunDataFile(std::string folder) : path_(std::move(folder) + "/temp.txt") {}

bool RunDataFile::reset(std::string& reason) const
{
    QSaveFile file(qpath(path_));
    if (!file.open(QIODevice::WriteOnly))
        return fail(file, reason);
    if (!writeAll(file, "\r\n", reason))
        return false;
    if (!file.commit())
        return fail(file, reason);
    return true;
}

bool RunDataFile::append(const std::vector<std::string>& lines, std::string& reason) const
{
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

bool RunDataFile::readLines(std::vector<std::string>& lines, std::string& reason) const
{
    QFile file(qpath(path_));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file, reason);
    QByteArray all = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file, reason);
    // A line ends at CR or at CR LF; a line feed alone belongs to the line.
    lines.clear();
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\r', start);
        if (end < 0)
            end = all.size();
        lines.push_back(all.mid(start, end - start).toStdString());
        start = end + 1;
        if (start < all.size() && all[start] == '\n')
            ++start;
    }
    return true;
}

bool RunDataFile::copyTo(const std::string& destination, std::string& reason) const
{
    QFile source(qpath(path_));
    if (!source.open(QIODevice::ReadOnly))
        return fail(source, reason);
    QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return fail(source, reason);
    QSaveFile target(qpath(destination));
    if (!target.open(QIODevice::WriteOnly))
        return fail(target, reason);
    if (!writeAll(target, bytes, reason))
        return false;
    if (!target.commit())
        return fail(target, reason);
    return true;
}

bool RunDataFile::remove(std::string& reason) const
{
    QFile file(qpath(path_));
    if (!file.exists() || file.remove())
        return true;
    return fail(file, reason);
}

} // namespace chart
