// The run data file: emptied, appended, read, copied byte for byte, deleted.
#include "chart/rundatafile.h"
#include "filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testsupport::readFile;
using testsupport::writeFile;

class RunData : public ::testing::Test {
protected:
    QTemporaryDir folder;
    chart::RunDataFile file{folder.path().toStdString()};
    std::string reason;
};

TEST_F(RunData, ResetLeavesOneEmptyLine)
{
    ASSERT_TRUE(file.append({"old record"}, reason)) << reason;
    ASSERT_TRUE(file.reset(reason)) << reason;
    EXPECT_EQ(readFile(file.path()), QByteArray("\r\n"));
    std::vector<std::string> lines;
    ASSERT_TRUE(file.readLines(lines, reason));
    EXPECT_EQ(lines, std::vector<std::string>{""});
}

TEST_F(RunData, AppendsLinesEndedByCrLfAndReadsThemBack)
{
    ASSERT_TRUE(file.reset(reason));
    ASSERT_TRUE(file.append({"Dry bulb", "----"}, reason));
    ASSERT_TRUE(file.append({"Wet bulb"}, reason));
    EXPECT_EQ(readFile(file.path()), QByteArray("\r\nDry bulb\r\n----\r\nWet bulb\r\n"));
    std::vector<std::string> lines;
    ASSERT_TRUE(file.readLines(lines, reason));
    EXPECT_EQ(lines, (std::vector<std::string>{"", "Dry bulb", "----", "Wet bulb"}));
}

TEST_F(RunData, ALineEndsAtCrOrCrLf)
{
    struct Case { QByteArray bytes; std::vector<std::string> lines; };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"one\rtwo\r\nthree", {"one", "two", "three"}},
        {"one\r\r\n", {"one", ""}},
        {"line\nfeed\r\n", {"line\nfeed"}},
    };
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(writeFile(file.path(), c.bytes));
        std::vector<std::string> lines{"stale"};
        ASSERT_TRUE(file.readLines(lines, reason)) << reason;
        EXPECT_EQ(lines, c.lines) << c.bytes.toStdString();
    }
}

TEST_F(RunData, CopiesByteForByteAndReplacesAnOlderFile)
{
    ASSERT_TRUE(file.reset(reason));
    ASSERT_TRUE(file.append({"caf\xc3\xa9 \t 1.5000000"}, reason));
    const std::string copy = folder.path().toStdString() + "/saved.txt";
    ASSERT_NO_FATAL_FAILURE(writeFile(copy, "a much longer older file that must be replaced whole"));
    ASSERT_TRUE(file.copyTo(copy, reason)) << reason;
    EXPECT_EQ(readFile(copy), readFile(file.path()));
}

TEST_F(RunData, FailuresGiveAReasonAndLeaveTheTargetAlone)
{
    ASSERT_TRUE(file.reset(reason));
    EXPECT_FALSE(file.copyTo(folder.path().toStdString() + "/missing/saved.txt", reason));
    EXPECT_FALSE(reason.empty());

    chart::RunDataFile nowhere(folder.path().toStdString() + "/missing");
    reason.clear();
    EXPECT_FALSE(nowhere.reset(reason));
    EXPECT_FALSE(reason.empty());
    std::vector<std::string> lines;
    EXPECT_FALSE(nowhere.readLines(lines, reason));
    EXPECT_FALSE(nowhere.copyTo(folder.path().toStdString() + "/x.txt", reason));
    EXPECT_FALSE(QFile::exists(folder.path() + "/x.txt"));
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(RunData, NeverReadsWithoutEndNorWritesOverWhatIsNoRegularFile)
{
    const QString pipe = folder.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const std::string copy = folder.filePath("copy.txt").toStdString();
    struct Case { const char* what; std::function<void()> make; };
    const Case cases[] = {
        {"a pipe", [&] { ASSERT_EQ(mkfifo(file.path().c_str(), 0600), 0); }},
        {"a link to a pipe", [&] { ASSERT_TRUE(QFile::link(pipe, QString::fromStdString(file.path()))); }},
        {"a folder", [&] { ASSERT_TRUE(QDir(folder.path()).mkdir("temp.txt")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(QString::fromStdString(file.path()));
        QDir(folder.path()).rmdir("temp.txt");
        ASSERT_NO_FATAL_FAILURE(c.make());
        std::vector<std::string> lines;
        EXPECT_FALSE(file.readLines(lines, reason));
        EXPECT_TRUE(contains(reason, "not a regular file")) << reason;
        EXPECT_FALSE(file.copyTo(copy, reason));
        EXPECT_FALSE(file.append({"record"}, reason));
        EXPECT_FALSE(file.reset(reason));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(copy)));
        EXPECT_TRUE(file.remove(reason)); // left alone: it was never the run's
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(file.path())));
    }
    EXPECT_FALSE(QFileInfo(pipe).isFile()); // never replaced
}

TEST_F(RunData, RefusesAFileFarLargerThanARunWrites)
{
    QFile big(QString::fromStdString(file.path()));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(chart::RunDataFile::largestSize + 1));
    big.close();
    std::vector<std::string> lines;
    EXPECT_FALSE(file.readLines(lines, reason));
    EXPECT_TRUE(contains(reason, "larger than 64 MiB")) << reason;
    const std::string copy = folder.filePath("copy.txt").toStdString();
    EXPECT_FALSE(file.copyTo(copy, reason));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(copy)));
}

// Runs the check as a user whom file permissions bind: as nobody, in a child
// process, when the tests run with the rights to override them.
bool withoutPrivileges(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(RunData, InAReadOnlyFolderAWritableFileIsEmptiedInPlaceAndAReadOnlyOneIsNeverUsed)
{
    const QString path = QString::fromStdString(file.path());
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto writable = readOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const auto folderExe = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    struct Case { const char* what; QFileDevice::Permissions permissions; bool emptied; };
    for (const Case& c : {Case{"a writable file", writable, true}, Case{"a read-only file", readOnly, false}}) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(writeFile(file.path(), "an earlier run's record\r\n"));
        ASSERT_TRUE(QFile::setPermissions(path, c.permissions));
        ASSERT_TRUE(QFile::setPermissions(folder.path(), readOnly | folderExe));
        const std::string copy = "/tmp/psychart-copy-" + std::to_string(getpid()) + ".txt";
        const bool asExpected = withoutPrivileges([&] {
            chart::RunDataFile runData(folder.path().toStdString());
            std::string why;
            if (runData.reset(why) != c.emptied)
                return false;
            if (c.emptied)
                return true;
            // Not emptied: nothing of the earlier run is taken as this run's.
            std::vector<std::string> lines;
            return !runData.append({"record"}, why) && contains(why, "could not be emptied")
                   && !runData.readLines(lines, why) && !runData.copyTo(copy, why);
        });
        ASSERT_TRUE(QFile::setPermissions(folder.path(), writable | folderExe));
        EXPECT_TRUE(asExpected);
        EXPECT_EQ(readFile(file.path()), c.emptied ? QByteArray("\r\n") : QByteArray("an earlier run's record\r\n"));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(copy)));
        ASSERT_TRUE(QFile::setPermissions(path, writable));
    }
}

TEST_F(RunData, RemoveDeletesTheFileAndAcceptsOneAlreadyGone)
{
    ASSERT_TRUE(file.reset(reason));
    EXPECT_TRUE(file.remove(reason));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file.path())));
    EXPECT_TRUE(file.remove(reason));
}

} // namespace
