#include "qt/paper/safe_device.h"

#include <QFile>

#include <cerrno>

namespace tarvolin {

bool writeThroughDevice(SafeFile& file, const std::function<bool(QIODevice&)>& write)
{
    if (!file.ok())
        return false;
    QFile device;
    if (!device.open(file.descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        file.fail(WriteStep::Write, EBADF);
        return false;
    }
    errno = 0;
    const bool written = write(device) && (!device.isOpen() || device.flush());
    if (!written || device.error() != QFileDevice::NoError) {
        file.fail(WriteStep::Write, errno);
        return false;
    }
    return true;
}

} // namespace tarvolin
