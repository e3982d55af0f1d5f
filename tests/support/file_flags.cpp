#include "support/file_flags.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace testing_support {

bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool writableByThisProcess(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace testing_support
