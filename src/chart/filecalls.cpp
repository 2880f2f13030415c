#include "chart/filecalls.h"

#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace chart {

FileCalls& fileCalls()
{
    static FileCalls calls{
        .close = ::close,
        .write = ::write,
        .rename = ::rename,
        .unlink = ::unlink,
        .lockFolder = [](int fd) { return ::flock(fd, LOCK_EX | LOCK_NB); },
        .lockFile =
            [](int fd) {
                struct flock whole{};
                whole.l_type = F_WRLCK;
                whole.l_whence = SEEK_SET;
                return ::fcntl(fd, F_OFD_SETLK, &whole);
            },
        .user = ::geteuid,
    };
    return calls;
}

} // namespace chart
