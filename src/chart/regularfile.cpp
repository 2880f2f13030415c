#include "chart/regularfile.h"

#include "chart/filecalls.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace chart {
namespace {

bool fail(std::string& reason, int error)
{
    reason = std::strerror(error);
    return false;
}

// A file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }
    // Closes the file now; false, with errno set, when closing reports the
    // error of an earlier write.
    bool close() { return fileCalls().close(release()) == 0; }

private:
    int fd_;
};

// Whether these operations refuse the file of that status; sets the reason.
bool refused(const struct stat& status, std::string& reason)
{
    if (!S_ISREG(status.st_mode))
        reason = notRegularFile;
    else if (status.st_nlink > 1)
        reason = hasSecondName;
    else
        return false;
    return true;
}

// Opens the path itself: a link is refused, and a pipe or a device is
// opened without waiting for its other end, then refused for what the
// opened file turns out to be, as is a file with a second name.
Descriptor openRegular(const std::string& path, int flags, struct stat& opened, std::string& reason)
{
    Descriptor fd(::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!fd) {
        const int error = errno;
        if (error == ELOOP || error == ENXIO || error == EISDIR)
            reason = notRegularFile;
        else
            fail(reason, error);
        return Descriptor();
    }
    if (::fstat(fd.get(), &opened) != 0) {
        fail(reason, errno);
        return Descriptor();
    }
    if (refused(opened, reason))
        return Descriptor();
    return fd;
}

// Writes every byte, going on after a write the system cut short; errno
// tells why when it fails.
bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = fileCalls().write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += n;
    }
    return true;
}

// Rewrites the file itself, where no new file can be put beside it.
// A file that exists is opened without O_CREAT, which a sticky folder may
// refuse for another user's file.
bool rewriteInPlace(const std::string& path, bool exists, const QByteArray& bytes, std::string& reason)
{
    struct stat opened;
    Descriptor fd = openRegular(path, exists ? O_WRONLY : O_WRONLY | O_CREAT, opened, reason);
    if (!fd)
        return false;
    if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), bytes) || !fd.close())
        return fail(reason, errno);
    return true;
}

// Creates the file anew at the name, removing first what is there: a link
// or a pipe is removed, never followed nor opened.
Descriptor createAnew(const std::string& name)
{
    fileCalls().unlink(name.c_str());
    return Descriptor(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
}

// Whether a failure to create the new file or to rename it says that the
// folder allows no new file (or the name holds what this user may not
// remove), or no rename over another user's file.
bool refusedByFolder(int error) { return error == EACCES || error == EPERM || error == EEXIST; }

// Whether a failure to create or write the new file says that the disk has
// no room for a second copy beside the file, which rewriting the file itself
// frees.
bool noRoom(int error) { return error == ENOSPC || error == EDQUOT; }

// Whether a failure to lock a folder says that its file system locks no
// folder: NFS, for one, locks with byte-range locks, whose exclusive kind
// needs a file open for writing, which a folder never is.
bool cannotLockFolder(int error)
{
    return error == EBADF || error == ENOLCK || error == EOPNOTSUPP || error == EINVAL;
}

// Locks the lock file at the path; on success, held is the lock file, whose
// closing lets go of the lock. A failure's reason names the lock file.
FolderHold::Outcome lockLockFile(const std::string& path, Descriptor& held, std::string& reason)
{
    struct stat opened;
    Descriptor fd = openRegular(path, O_WRONLY | O_CREAT, opened, reason);
    if (!fd) {
        reason = path + ": " + reason;
        return FolderHold::Outcome::Failed;
    }
    if (fileCalls().lockFile(fd.get()) != 0) {
        if (errno == EAGAIN || errno == EACCES)
            return FolderHold::Outcome::HeldElsewhere;
        reason = path + ": " + std::strerror(errno);
        return FolderHold::Outcome::Failed;
    }
    held = std::move(fd);
    return FolderHold::Outcome::Taken;
}

} // namespace

bool holdsRefused(const std::string& path, std::string& reason)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0 && refused(status, reason);
}

bool readRegular(const std::string& path, long long largest, const std::string& tooLarge, QByteArray& bytes,
                 std::string& reason)
{
    struct stat opened;
    Descriptor fd = openRegular(path, O_RDONLY, opened, reason);
    if (!fd)
        return false;
    if (opened.st_size > largest) {
        reason = tooLarge;
        return false;
    }
    // Read a piece at a time, never more than the largest size, even from a
    // file that grows meanwhile.
    constexpr qsizetype piece = 64 * 1024;
    bytes.clear();
    while (bytes.size() <= largest) {
        const qsizetype at = bytes.size();
        bytes.resize(at + piece);
        const ssize_t n = ::read(fd.get(), bytes.data() + at, std::size_t(piece));
        bytes.resize(at + (n > 0 ? n : 0));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(reason, errno);
        if (n == 0)
            break;
    }
    if (bytes.size() > largest) {
        reason = tooLarge;
        return false;
    }
    return true;
}

bool appendWhole(const std::string& path, const QByteArray& bytes, std::string& reason)
{
    struct stat opened;
    Descriptor fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT, opened, reason);
    if (!fd)
        return false;
    // A second descriptor, to cut the file back through once the first is
    // closed.
    const Descriptor kept(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
    if (!kept)
        return fail(reason, errno);
    if (writeAll(fd.get(), bytes) && fd.close())
        return true;
    const int error = errno;
    // What went in of the bytes comes out again.
    [[maybe_unused]] const int cutBack = ::ftruncate(kept.get(), opened.st_size);
    return fail(reason, error);
}

bool removeRegular(const std::string& path, std::string& reason)
{
    if (fileCalls().unlink(path.c_str()) == 0 || errno == ENOENT)
        return true;
    return fail(reason, errno);
}

FolderHold::~FolderHold()
{
    for (const int fd : {folderDescriptor_, lockFileDescriptor_})
        if (fd >= 0)
            ::close(fd);
}

FolderHold::Outcome FolderHold::take(const std::string& folder, const std::string& lockFileName,
                                     std::string& reason)
{
    if (taken())
        return Outcome::Taken;
    Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        fail(reason, errno);
        return missing ? Outcome::NoFolder : Outcome::Failed;
    }
    if (fileCalls().lockFolder(folderFd.get()) != 0) {
        if (errno == EWOULDBLOCK)
            return Outcome::HeldElsewhere;
        if (!cannotLockFolder(errno)) {
            fail(reason, errno);
            return Outcome::Failed;
        }
        folderFd = Descriptor(); // the lock file alone can hold it
    }
    // The lock file as well, so that a process that can lock only the lock
    // file keeps this one out and is kept out by it. Where the lock file
    // cannot be opened or locked, the folder's lock holds alone; where the
    // folder is not locked either, the folder cannot be held.
    Descriptor lockFileFd;
    std::string lockFileReason;
    const Outcome inFile = lockLockFile(folder + "/" + lockFileName, lockFileFd, lockFileReason);
    if (inFile == Outcome::HeldElsewhere)
        return inFile;
    if (inFile == Outcome::Failed && !folderFd) {
        reason = lockFileReason;
        return inFile;
    }
    folder_ = folder;
    folderDescriptor_ = folderFd.release();
    lockFileDescriptor_ = lockFileFd.release();
    return Outcome::Taken;
}

bool FolderHold::replace(const std::string& fileName, const QByteArray& bytes, std::string& reason) const
{
    if (!taken()) {
        reason = "its folder is not held";
        return false;
    }
    const std::string path = folder_ + "/" + fileName;
    struct stat earlier;
    const bool exists = ::lstat(path.c_str(), &earlier) == 0;
    if (exists && refused(earlier, reason))
        return false;
    if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return fail(reason, errno);
    const std::string created = path + ".new";
    Descriptor fd = createAnew(created);
    if (!fd) {
        const int error = errno;
        if (refusedByFolder(error) || noRoom(error))
            return rewriteInPlace(path, exists, bytes, reason);
        return fail(reason, error);
    }
    // The permissions carry over only from a file of this user's own:
    // another user's may give others more than this user's umask does.
    const bool keepsPermissions = exists && earlier.st_uid == fileCalls().user();
    const bool written = (!keepsPermissions || ::fchmod(fd.get(), earlier.st_mode & 0777) == 0)
                         && writeAll(fd.get(), bytes) && fd.close();
    if (written && fileCalls().rename(created.c_str(), path.c_str()) == 0)
        return true;
    const int error = errno;
    fileCalls().unlink(created.c_str());
    if ((written && refusedByFolder(error)) || noRoom(error))
        return rewriteInPlace(path, exists, bytes, reason);
    return fail(reason, error);
}

} // namespace chart
