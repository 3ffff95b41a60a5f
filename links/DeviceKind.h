#pragma once

#include <string>

namespace orbilunex {

// What a path names, as far as opening it as a serial port goes. Found with
// stat() alone: nothing is opened, so a named pipe cannot hold the caller.
enum class DeviceKind {
    Missing,         // nothing there (or a link that leads nowhere)
    Directory,
    Fifo,            // a named pipe
    PlainFile,       // a regular file, such as a recorded log
    Socket,
    BlockDevice,     // a disk
    CharacterDevice, // a terminal: what a serial port is
    Unknown,         // stat() failed for another reason (no permission on a folder)
};

DeviceKind deviceKindOf(const std::string& path);

// Whether an open as a serial port is worth trying: a character device, or
// a path stat() could not judge (the open then says why).
bool mayBeSerialPort(DeviceKind kind);

// Why path, being of kind, is no serial port: "PATH not found", "PATH is a
// directory, not a serial port", "PATH is a named pipe (FIFO), not a serial
// port", "PATH is a plain file; use Connect to File to play it back", ...;
// "" when it may be one.
std::string notSerialPortText(DeviceKind kind, const std::string& path);

} // namespace orbilunex
