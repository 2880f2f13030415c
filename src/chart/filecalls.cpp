#include "chart/filecalls.h"

#include <cstdio>

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
    };
    return calls;
}

} // namespace chart
