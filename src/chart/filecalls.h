#pragma once
// Some of the system calls of the run data file's operations, gathered in
// one place as a seam for tests: closing, writing, renaming and deleting a
// file, the two locks of the folder hold, and the user whose own files these
// are. Opening, looking at (stat, access), reading and truncating a file
// and changing its permissions (fchmod) go to the system directly. A test
// puts in place of one of the seam's calls one that answers as the system
// does in a case the test cannot bring about itself (a close that reports a
// failed write, a folder that cannot be locked, a full disk, another user's
// file), and puts the system's own back afterwards. The program never
// changes them, and nothing a user does or sets reaches them.

#include <sys/types.h>

#include <cstddef>
#include <functional>

namespace chart {

struct FileCalls {
    std::function<int(int fd)> close;
    std::function<ssize_t(int fd, const void* bytes, std::size_t count)> write;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* path)> unlink;
    // An exclusive lock on an open folder, without waiting.
    std::function<int(int fd)> lockFolder;
    // A write lock on the whole of a file open for writing, held by that
    // open file until it is closed, without waiting.
    std::function<int(int fd)> lockFile;
    // The user whose own files these are.
    std::function<uid_t()> user;
};

// The calls in force: the system's own, unless a test has put others in place.
FileCalls& fileCalls();

} // namespace chart
