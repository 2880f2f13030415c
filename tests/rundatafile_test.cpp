// The run data file: emptied, appended, read, copied byte for byte, deleted.
#include "chart/rundatafile.h"
#include "filebytes.h"

#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST_F(RunData, RemoveDeletesTheFileAndAcceptsOneAlreadyGone)
{
    ASSERT_TRUE(file.reset(reason));
    EXPECT_TRUE(file.remove(reason));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file.path())));
    EXPECT_TRUE(file.remove(reason));
}

} // namespace
