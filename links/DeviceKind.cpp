#include "links/DeviceKind.h"

#include <cerrno>
#include <sys/stat.h>

namespace orbilunex {

DeviceKind deviceKindOf(const std::string& path)
{
    struct stat found = {};
    if (::stat(path.c_str(), &found) != 0)
        return errno == ENOENT || errno == ENOTDIR ? DeviceKind::Missing : DeviceKind::Unknown;
    if (S_ISCHR(found.st_mode)) return DeviceKind::CharacterDevice;
    if (S_ISDIR(found.st_mode)) return DeviceKind::Directory;
    if (S_ISFIFO(found.st_mode)) return DeviceKind::Fifo;
    if (S_ISREG(found.st_mode)) return DeviceKind::PlainFile;
    if (S_ISSOCK(found.st_mode)) return DeviceKind::Socket;
    if (S_ISBLK(found.st_mode)) return DeviceKind::BlockDevice;
    return DeviceKind::Unknown;
}

bool mayBeSerialPort(DeviceKind kind)
{
    return kind == DeviceKind::CharacterDevice || kind == DeviceKind::Unknown;
}

std::string notSerialPortText(DeviceKind kind, const std::string& path)
{
    switch (kind) {
    case DeviceKind::Missing: return path + " not found";
    case DeviceKind::Directory: return path + " is a directory, not a serial port";
    case DeviceKind::Fifo: return path + " is a named pipe (FIFO), not a serial port";
    case DeviceKind::PlainFile:
        return path + " is a plain file; use Connect to File to play it back";
    case DeviceKind::Socket: return path + " is a socket, not a serial port";
    case DeviceKind::BlockDevice: return path + " is a disk (block device), not a serial port";
    case DeviceKind::CharacterDevice:
    case DeviceKind::Unknown: break;
    }
    return "";
}

} // namespace orbilunex
