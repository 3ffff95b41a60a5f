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

    // Looks, at most once a second of the clock, whether the file was
    // removed (no link to it is left) or its folder is gone: writing on
    // would lose everything. Then stops the recording as a failed write
    // does and returns false; lastError() says so.
    bool checkFileStillThere();

    // Whether the last recording was ended by a failure (a write, the file
    // removed) rather than by stop() or its duration.
    bool failed() const { return failure; }

    // The status pane text: "Data capture off", "Recording NMEA" or
    // "Recording: hh:mm:ss" (time left).
    std::string statusText() const;

    QString path() const { return recordingPath; }
    int durationHours() const { return hours; }
    std::int64_t startTime() const { return started; }
    QString lastError() const { return error; }

private:
    void fail(const QString& why);

    const Clock& clock;
    QFile file;
    QString recordingPath;
    int hours = 0;
    std::int64_t started = 0;
    QString error;
    bool failure = false;
    std::int64_t lastFileCheck = 0;
};

} // namespace orbilunex
