#pragma once

// While a FileSizeLimit lives, no file of this process may grow past the
// given size: the write that would is refused with EFBIG, below every buffer
// of Qt's, as a full disk refuses it. Where the system has no such limit,
// works is false and the tests that need it are skipped.

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/resource.h>

class FileSizeLimit {
public:
    static constexpr bool works = true;
    explicit FileSizeLimit(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
};
#else
class FileSizeLimit {
public:
    static constexpr bool works = false;
    explicit FileSizeLimit(qint64) {}
};
#endif
