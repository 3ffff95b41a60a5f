#pragma once

#include "links/Clock.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <string>

namespace orbilunex {

// Writes the incoming stream to a file, byte for byte, for a number of hours
// or without limit. Every block goes to the file as it is written (no
// buffering in the program), so a killed program loses nothing already read.
// A file that cannot be created or written ends the recording: it never
// claims to record while bytes are being lost.
class Recorder {
public:
    explicit Recorder(const Clock& clock);

    // Creates (or empties) the file and starts recording for `hours` hours;
    // 0 means no limit, a negative value is already expired. A running
    // recording is closed first. Returns false when the file cannot be
    // created or is not a regular file (a pipe, a terminal, a device);
    // lastError() then says why.
    bool start(const QString& path, int hours);

    // Closes the file; recording is off.
    void stop();

    bool active() const { return file.isOpen(); }

    // Appends a block. A failed or short write stops the recording and
    // returns false; lastError() says why.
    bool write(const char* bytes, qint64 count);

    // True when a limited recording has less than one second left: the
    // recording has then been stopped.
    bool checkDuration();

    // The status pane text: "Data capture off", "Recording NMEA" or
    // "Recording: hh:mm:ss" (time left).
    std::string statusText() const;

    QString path() const { return recordingPath; }
    int durationHours() const { return hours; }
    std::int64_t startTime() const { return started; }
    QString lastError() const { return error; }

private:
    const Clock& clock;
    QFile file;
    QString recordingPath;
    int hours = 0;
    std::int64_t started = 0;
    QString error;
};

} // namespace orbilunex
