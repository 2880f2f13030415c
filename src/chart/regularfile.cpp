#include "chart/regularfile.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
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
    bool close() { return ::close(release()) == 0; }

private:
    int fd_;
};

// Opens the path itself: a link is refused, and a pipe or a device is
// opened without waiting for its other end, then refused for what the
// opened file turns out to be.
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
    if (!S_ISREG(opened.st_mode)) {
        reason = notRegularFile;
        return Descriptor();
    }
    return fd;
}

// Writes every byte, going on after a write the system cut short; errno
// tells why when it fails.
bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
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

// Rewrites the file itself, for a folder that allows no new file beside it.
bool rewriteInPlace(const std::string& path, const QByteArray& bytes, std::string& reason)
{
    struct stat opened;
    Descriptor fd = openRegular(path, O_WRONLY | O_CREAT, opened, reason);
    if (!fd)
        return false;
    if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), bytes) || !fd.close())
        return fail(reason, errno);
    return true;
}

// A name for the new file beside the one it is to replace.
std::string newFileName(const std::string& path, int attempt)
{
    return path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

// Creates a new file beside the path, never over anything already there.
Descriptor createBeside(const std::string& path, std::string& created)
{
    for (int attempt = 0;; ++attempt) {
        created = newFileName(path, attempt);
        Descriptor fd(::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd || errno != EEXIST || attempt == 100)
            return fd;
    }
}

} // namespace

bool holdsIrregular(const std::string& path, std::string& reason)
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode))
        return false;
    reason = notRegularFile;
    return true;
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
    if (writeAll(fd.get(), bytes)) {
        if (fd.close())
            return true;
        return fail(reason, errno);
    }
    const int error = errno;
    // What went in of the bytes comes out again.
    [[maybe_unused]] const int cutBack = ::ftruncate(fd.get(), opened.st_size);
    return fail(reason, error);
}

bool replaceRegular(const std::string& path, const QByteArray& bytes, std::string& reason)
{
    struct stat earlier;
    const bool exists = ::lstat(path.c_str(), &earlier) == 0;
    if (exists && !S_ISREG(earlier.st_mode)) {
        reason = notRegularFile;
        return false;
    }
    if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return fail(reason, errno);
    std::string created;
    Descriptor fd = createBeside(path, created);
    if (!fd) {
        const int error = errno;
        if (error == EACCES || error == EPERM)
            return rewriteInPlace(path, bytes, reason);
        return fail(reason, error);
    }
    const bool written = (!exists || ::fchmod(fd.get(), earlier.st_mode & 07777) == 0) && writeAll(fd.get(), bytes)
                         && fd.close() && ::rename(created.c_str(), path.c_str()) == 0;
    if (written)
        return true;
    const int error = errno;
    ::unlink(created.c_str());
    return fail(reason, error);
}

bool removeRegular(const std::string& path, std::string& reason)
{
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return true;
    return fail(reason, errno);
}

FolderHold::~FolderHold()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

FolderHold::Outcome FolderHold::take(const std::string& folder)
{
    if (taken())
        return Outcome::Taken;
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd)
        return Outcome::Unavailable;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unavailable;
    descriptor_ = fd.release();
    return Outcome::Taken;
}

} // namespace chart
