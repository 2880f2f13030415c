// The run data file: emptied, appended, read, copied byte for byte, deleted;
// and what the program saves, on a disk that is full.
#include "chart/filecalls.h"
#include "chart/rundatafile.h"
#include "filebytes.h"
#include "ui/qtchartsurface.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testsupport::readFile;
using testsupport::writeFile;

class RunData : public ::testing::Test {
protected:
    // The system's own calls come back after each test that put another in
    // place of one.
    void TearDown() override { chart::fileCalls() = systemCalls; }

    const chart::FileCalls systemCalls = chart::fileCalls();
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
        // Shown, each line ends in one line feed, and one within it is a blank.
        std::string text = "stale", shown;
        for (std::string line : c.lines) {
            std::replace(line.begin(), line.end(), '\n', ' ');
            shown += line + "\n";
        }
        ASSERT_TRUE(file.readText(text, reason)) << reason;
        EXPECT_EQ(text, shown) << c.bytes.toStdString();
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
    EXPECT_FALSE(nowhere.reset(reason));
    EXPECT_EQ(reason, "No such file or directory");
    std::vector<std::string> lines;
    EXPECT_FALSE(nowhere.readLines(lines, reason));
    EXPECT_FALSE(nowhere.copyTo(folder.path().toStdString() + "/x.txt", reason));
    EXPECT_FALSE(QFile::exists(folder.path() + "/x.txt"));
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(RunData, NeverReadsWithoutEndNorWritesThroughALinkOrASecondNameNorOverWhatIsNoRegularFile)
{
    const QString pipe = folder.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const std::string elsewhere = folder.filePath("someone else's file").toStdString();
    ASSERT_NO_FATAL_FAILURE(writeFile(elsewhere, "kept\r\n"));
    const std::string copy = folder.filePath("copy.txt").toStdString();
    const QString path = QString::fromStdString(file.path());
    struct Case { const char* what; std::function<void()> make; const char* reason; };
    const Case cases[] = {
        {"a pipe", [&] { ASSERT_EQ(mkfifo(file.path().c_str(), 0600), 0); }, chart::notRegularFile},
        {"a link to a pipe", [&] { ASSERT_TRUE(QFile::link(pipe, path)); }, chart::notRegularFile},
        {"a link to a regular file", [&] { ASSERT_TRUE(QFile::link(QString::fromStdString(elsewhere), path)); },
         chart::notRegularFile},
        {"a folder", [&] { ASSERT_TRUE(QDir(folder.path()).mkdir("temp.txt")); }, chart::notRegularFile},
        {"a second name of a file", [&] { ASSERT_EQ(link(elsewhere.c_str(), file.path().c_str()), 0); },
         chart::hasSecondName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        QDir(folder.path()).rmdir("temp.txt");
        // The run's own file, emptied, then put out of the way.
        chart::RunDataFile run(folder.path().toStdString());
        ASSERT_TRUE(run.reset(reason)) << reason;
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_NO_FATAL_FAILURE(c.make());
        std::vector<std::string> lines;
        EXPECT_FALSE(run.readLines(lines, reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_FALSE(run.copyTo(copy, reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_FALSE(run.append({"record"}, reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_TRUE(run.remove(reason)); // left alone: it was never the run's
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_FALSE(run.reset(reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(copy)));
    }
    EXPECT_FALSE(QFileInfo(pipe).isFile()); // never replaced
    EXPECT_EQ(readFile(elsewhere), QByteArray("kept\r\n"));
}

TEST_F(RunData, AStartLeavesNothingBesideTheFileWhateverAKilledStartLeftThere)
{
    const std::string left = file.path() + ".new";
    const std::string elsewhere = folder.filePath("someone else's file").toStdString();
    ASSERT_NO_FATAL_FAILURE(writeFile(elsewhere, "kept\r\n"));
    struct Case { const char* what; std::function<void()> leave; };
    const Case cases[] = {
        {"part of the new file", [&] { writeFile(left, "\r"); }},
        {"a link", [&] { ASSERT_EQ(symlink(elsewhere.c_str(), left.c_str()), 0); }},
        {"a pipe", [&] { ASSERT_EQ(mkfifo(left.c_str(), 0600), 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(writeFile(file.path(), "an earlier run's record\r\n"));
        ASSERT_NO_FATAL_FAILURE(c.leave());
        chart::RunDataFile run(folder.path().toStdString());
        ASSERT_TRUE(run.reset(reason)) << reason;
        EXPECT_EQ(readFile(file.path()), QByteArray("\r\n"));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{"someone else's file", "temp.txt", "temp.txt.lock"}));
    }
    EXPECT_EQ(readFile(elsewhere), QByteArray("kept\r\n"));
}

// A call that fails with the error, in place of one of the system's.
auto refusedWith(int error)
{
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

TEST_F(RunData, OneRunAtATimeHoldsTheFolderAndAKilledRunHoldsNothing)
{
    for (const int error : {0, EBADF, ENOLCK, EOPNOTSUPP, EINVAL}) {
        SCOPED_TRACE(error == 0 ? "a folder that can be locked" : std::strerror(error));
        if (error != 0)
            chart::fileCalls().lockFolder = refusedWith(error);
        QTemporaryDir here;
        chart::RunDataFile first(here.path().toStdString());
        ASSERT_TRUE(first.reset(reason)) << reason;
        ASSERT_TRUE(first.append({"this run's record"}, reason));
        {
            chart::RunDataFile second(here.path().toStdString());
            EXPECT_FALSE(second.reset(reason));
            EXPECT_TRUE(second.heldByAnotherRun());
            EXPECT_EQ(reason, "it is in use by another run of the program");
            std::vector<std::string> lines;
            EXPECT_FALSE(second.append({"the second run's record"}, reason));
            EXPECT_FALSE(second.readLines(lines, reason));
            EXPECT_FALSE(second.copyTo(here.filePath("copy.txt").toStdString(), reason));
            EXPECT_TRUE(second.remove(reason));
            EXPECT_EQ(reason, "it was in use by another run of the program when this run started");
        }
        EXPECT_EQ(readFile(first.path()), QByteArray("\r\nthis run's record\r\n"));

        // A run killed while it holds the folder of another file holds nothing.
        QTemporaryDir other;
        const pid_t child = fork();
        if (child == 0) {
            chart::RunDataFile killed(other.path().toStdString());
            std::string why;
            if (killed.reset(why))
                raise(SIGKILL);
            _exit(1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        chart::RunDataFile next(other.path().toStdString());
        EXPECT_TRUE(next.reset(reason)) << reason;
        EXPECT_FALSE(next.heldByAnotherRun());
    }
}

TEST_F(RunData, ARunThatLocksTheFolderAndARunThatCanLockOnlyTheLockFileKeepEachOtherOut)
{
    const std::function<int(int)> onNfs = refusedWith(ENOLCK), onItsOwnDisk = systemCalls.lockFolder;
    for (const bool firstOnNfs : {false, true}) {
        SCOPED_TRACE(firstOnNfs ? "the lock file's run first" : "the folder's run first");
        QTemporaryDir here;
        chart::RunDataFile second(here.path().toStdString());
        {
            chart::fileCalls().lockFolder = firstOnNfs ? onNfs : onItsOwnDisk;
            chart::RunDataFile first(here.path().toStdString());
            ASSERT_TRUE(first.reset(reason)) << reason;
            chart::fileCalls().lockFolder = firstOnNfs ? onItsOwnDisk : onNfs;
            EXPECT_FALSE(second.reset(reason));
            EXPECT_TRUE(second.heldByAnotherRun());
        }
        // The refused start held nothing: once the first run is gone it starts.
        EXPECT_TRUE(second.reset(reason)) << reason;
    }
}

TEST_F(RunData, AHoldNotTakenReplacesNothing)
{
    ASSERT_TRUE(file.reset(reason)) << reason;
    chart::FolderHold refused;
    ASSERT_EQ(refused.take(folder.path().toStdString(), "temp.txt.lock", reason),
              chart::FolderHold::Outcome::HeldElsewhere);
    EXPECT_FALSE(refused.replace("temp.txt", "replaced", reason));
    EXPECT_EQ(reason, "its folder is not held");
    EXPECT_EQ(readFile(file.path()), QByteArray("\r\n"));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("temp.txt.new")));
}

TEST_F(RunData, ALockFileThatIsALinkIsNeverFollowed)
{
    const QString target = folder.filePath("target");
    ASSERT_TRUE(QFile::link(target, folder.filePath("temp.txt.lock")));
    for (const bool folderLocks : {true, false}) {
        SCOPED_TRACE(folderLocks ? "a folder that can be locked: it alone holds" : "a folder that cannot be locked");
        if (!folderLocks)
            chart::fileCalls().lockFolder = refusedWith(EBADF);
        chart::RunDataFile run(folder.path().toStdString());
        EXPECT_EQ(run.reset(reason), folderLocks) << reason;
        EXPECT_FALSE(QFileInfo::exists(target));
    }
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

    // Too large to show is not too large to copy: the copy keeps every byte.
    ASSERT_TRUE(big.resize(chart::RunDataFile::largestShownSize + 1));
    std::string text;
    EXPECT_FALSE(file.readText(text, reason));
    EXPECT_TRUE(contains(reason, "larger than 8 MiB")) << reason;
    ASSERT_TRUE(file.copyTo(copy, reason)) << reason;
    EXPECT_EQ(QFileInfo(QString::fromStdString(copy)).size(), chart::RunDataFile::largestShownSize + 1);
}

// The program runs as a user whom file permissions bind, and the test's
// files are that user's own: the test's user, or nobody where the tests run
// as root.
constexpr uid_t nobody = 65534;

void giveToRunner(const std::string& path)
{
    if (geteuid() == 0) {
        ASSERT_EQ(lchown(path.c_str(), nobody, nobody), 0);
    }
}

// Runs the check as the runner: as root, in a child process that is nobody.
bool asRunner(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(RunData, AnEarlierRunsFileIsEmptiedWhereItCanBeAndOtherwiseNeitherUsedNorDeleted)
{
    // Cases the test cannot bring about for every user (the refusals of a
    // sticky folder, which spare the user's own files; a full disk; a folder
    // where no lock can be taken; another user's file) are given by calls
    // that answer as the system would there.
    const std::string lockFile = folder.filePath("temp.txt.lock").toStdString();
    const auto writeFailingFirst = [calls = 0](int fd, const void* bytes, std::size_t count) mutable {
        return calls++ == 0 ? refusedWith(ENOSPC)() : write(fd, bytes, count);
    };
    struct Case {
        const char* what;
        mode_t mode, folderMode;
        std::function<void()> calls; // puts in place the calls that give the case
        std::string reason;          // empty: emptied
        mode_t modeAfter;            // under a umask of 077
        bool newFileLeft;
    };
    const Case cases[] = {
        {"a writable file in a read-only folder: emptied in place", 0666, 0555, [] {}, "", 0666, false},
        {"a read-only file in a read-only folder", 0444, 0555, [] {}, "Permission denied", 0444, false},
        {"a read-only file in a writable folder", 0444, 0777, [] {}, "Permission denied", 0444, false},
        {"a set-user-id, sticky file: the new one takes its permissions only", 05766, 0777, [] {}, "", 0766, false},
        {"another user's file: the new one takes this user's umask", 0666, 0777,
         [] { chart::fileCalls().user = [] { return getuid() + 1; }; }, "", 0600, false},
        {"a file in a sticky folder that may not be replaced: emptied in place", 0666, 01777,
         [] { chart::fileCalls().rename = refusedWith(EPERM); }, "", 0666, false},
        {"a new file left in a sticky folder that may not be removed: emptied in place", 0666, 01777,
         [] { chart::fileCalls().unlink = refusedWith(EPERM); }, "", 0666, true},
        {"a disk with no room for a new file: emptied in place", 0666, 0777,
         [&] { chart::fileCalls().write = writeFailingFirst; }, "", 0666, false},
        {"a folder that may be written but not read: not held, so not emptied", 0666, 0333, [] {},
         "its folder could not be held for this run alone: Permission denied", 0666, false},
        {"a folder where no lock can be taken: not held, so not emptied", 0666, 0777,
         [] {
             chart::fileCalls().lockFolder = refusedWith(EBADF);
             chart::fileCalls().lockFile = refusedWith(ENOLCK);
         },
         "its folder could not be held for this run alone: " + lockFile + ": No locks available", 0666, false},
    };
    const struct Umask {
        mode_t before = umask(077);
        ~Umask() { umask(before); }
    } umask077;
    const std::string left = file.path() + ".new";
    const QByteArray earlier = "an earlier run's record\r\n";
    ASSERT_NO_FATAL_FAILURE(giveToRunner(folder.path().toStdString()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(QString::fromStdString(file.path())); // the test's own, not the last run's
        QFile::remove(QString::fromStdString(left));
        std::vector<std::string> earlierFiles{file.path()};
        if (c.newFileLeft)
            earlierFiles.push_back(left);
        for (const std::string& path : earlierFiles) {
            ASSERT_NO_FATAL_FAILURE(writeFile(path, earlier));
            ASSERT_NO_FATAL_FAILURE(giveToRunner(path));
        }
        ASSERT_EQ(chmod(file.path().c_str(), c.mode), 0);
        ASSERT_EQ(chmod(folder.path().toLocal8Bit().constData(), c.folderMode), 0);
        const std::string copy = "/tmp/psychart-copy-" + std::to_string(getpid()) + ".txt";
        c.calls();
        const bool asExpected = asRunner([&] {
            chart::RunDataFile runData(folder.path().toStdString());
            std::string why;
            if (runData.reset(why))
                return c.reason.empty();
            // Not emptied: nothing of the earlier run is taken as this run's,
            // and Exit leaves it where it is.
            std::vector<std::string> lines;
            return why == c.reason && !runData.append({"record"}, why) && contains(why, "could not be emptied")
                   && !runData.readLines(lines, why) && !runData.copyTo(copy, why) && runData.remove(why);
        });
        chart::fileCalls() = systemCalls;
        ASSERT_EQ(chmod(folder.path().toLocal8Bit().constData(), 0700), 0);
        EXPECT_TRUE(asExpected);
        EXPECT_EQ(readFile(file.path()), c.reason.empty() ? QByteArray("\r\n") : earlier);
        struct stat status;
        ASSERT_EQ(stat(file.path().c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.modeAfter);
        EXPECT_EQ(QDir(folder.path()).entryList({"temp.txt", "temp.txt.new"}, QDir::Files | QDir::Hidden),
                  c.newFileLeft ? QStringList({"temp.txt", "temp.txt.new"}) : QStringList("temp.txt"));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(copy)));
    }
}

// Runs the saving as onto a disk that has no room left past the first
// fileEnd bytes of a file; its result. A limit on the size of the files this
// process writes stands for the full disk, for every user: a write past it
// fails with "File too large".
bool saveOntoFullDisk(rlim_t fileEnd, const std::function<bool()>& saving)
{
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = fileEnd;
    const auto signalled = signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = saving();
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, signalled);
    return saved;
}
const std::string fullDiskReason = std::strerror(EFBIG);

TEST_F(RunData, ASaveOntoAFullDiskFailsWithTheReasonAndLeavesTheEarlierFileAsItWas)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("full"));
    const std::string full = folder.filePath("full").toStdString();
    ASSERT_TRUE(file.reset(reason));
    ASSERT_TRUE(file.append({"Dry bulb temp (Deg F)", "75.0000000"}, reason));
    chart::RunDataFile onFullDisk(full);
    ui::QtChartSurface surface;
    surface.setSizeTwips(300, 300); // a picture of a few kilobytes
    using Save = std::function<bool(const std::string& path, std::string& why)>;
    struct Case { const char* name; Save save; };
    const Case cases[] = {
        {"saved.txt", [&](const std::string& path, std::string& why) { return file.copyTo(path, why); }},
        {"temp.txt", [&](const std::string&, std::string& why) { return onFullDisk.reset(why); }},
        {"chart.bmp", [&](const std::string& path, std::string& why) { return surface.saveAsBmp(path, why); }},
    };
    const QByteArray earlier = "an earlier file\r\n";
    for (const Case& c : cases)
        ASSERT_NO_FATAL_FAILURE(writeFile(full + "/" + c.name, earlier));
    ASSERT_NO_FATAL_FAILURE(writeFile(full + "/temp.txt.lock", "")); // an earlier start's
    const auto files = [&] { return QDir(QString::fromStdString(full)).entryList(QDir::Files | QDir::Hidden); };
    const QStringList before = files();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string why;
        EXPECT_FALSE(saveOntoFullDisk(0, [&] { return c.save(full + "/" + c.name, why); }));
        EXPECT_TRUE(contains(why, fullDiskReason)) << why;
        EXPECT_EQ(readFile(full + "/" + c.name), earlier);
        EXPECT_EQ(files(), before); // no new file left behind
    }
}

TEST_F(RunData, ARecordThatDoesNotGoInWholeIsNotAppendedAtAll)
{
    ASSERT_TRUE(file.reset(reason)) << reason;
    // A record of about 2 KiB, twice: the first leaves room for only part of
    // the second in the file's first 4 KiB.
    const std::vector<std::string> record(40, std::string(50, 'x'));
    ASSERT_TRUE(file.append(record, reason)) << reason;
    const QByteArray before = readFile(file.path());
    const auto closeReportingFailedWrite = [](int fd) {
        close(fd);
        errno = EIO;
        return -1;
    };
    struct Case { const char* what; std::function<bool()> append; std::string reason; };
    const Case cases[] = {
        {"in part onto a full disk", [&] { return saveOntoFullDisk(4096, [&] { return file.append(record, reason); }); },
         fullDiskReason},
        {"whole, but its close reports a failed write",
         [&] {
             chart::fileCalls().close = closeReportingFailedWrite;
             return file.append(record, reason);
         },
         std::strerror(EIO)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(c.append());
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(readFile(file.path()), before);
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
