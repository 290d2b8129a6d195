#include "standard_streams.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace hoopdeck {

namespace {
bool reopenIfClosed(int fd, int flags)
{
#ifdef Q_OS_UNIX
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return false;
    // open() takes the lowest free number, which is this one.
    const int opened = ::open("/dev/null", flags);
    if (opened >= 0 && opened != fd) {
        ::dup2(opened, fd);
        ::close(opened);
    }
    return true;
#else
    Q_UNUSED(fd);
    Q_UNUSED(flags);
    return false;
#endif
}
} // namespace

ClosedStreams keepStandardStreamsOpen()
{
    ClosedStreams closed;
#ifdef Q_OS_UNIX
    closed.input = reopenIfClosed(STDIN_FILENO, O_RDONLY);
    closed.output = reopenIfClosed(STDOUT_FILENO, O_WRONLY);
    closed.error = reopenIfClosed(STDERR_FILENO, O_WRONLY);
#endif
    return closed;
}

} // namespace hoopdeck
