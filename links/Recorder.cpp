#include "links/Recorder.h"

#include "links/LinkTexts.h"
#include "shell/StatusTexts.h"

#include <QFileInfo>

namespace orbilunex {

Recorder::Recorder(const Clock& recorderClock) : clock(recorderClock) {}

bool Recorder::start(const QString& filePath, int durationHours)
{
    stop();
    error.clear();
    recordingPath = filePath;
    hours = durationHours;
    started = clock.now();
    file.setFileName(filePath);
    // A pipe without a reader would hold the open, and a pipe or a device
    // may hold any write: only a regular file is recorded to.
    const QFileInfo target(filePath);
    if (target.exists() && !target.isFile()) {
        error = QStringLiteral("Cannot create the recording file %1: %2")
                    .arg(filePath, QString::fromUtf8(texts::kNotRegularFile));
        return false;
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        error = QStringLiteral("Cannot create the recording file %1: %2")
                    .arg(filePath, file.errorString());
        return false;
    }
    return true;
}

void Recorder::stop()
{
    if (file.isOpen()) file.close();
}

bool Recorder::write(const char* bytes, qint64 count)
{
    if (!file.isOpen()) return false;
    qint64 done = 0;
    while (done < count) {
        const qint64 n = file.write(bytes + done, count - done);
        if (n <= 0) {
            error = QStringLiteral("Recording stopped: cannot write to %1: %2")
                        .arg(recordingPath, file.errorString());
            file.close();
            return false;
        }
        done += n;
    }
    return true;
}

bool Recorder::checkDuration()
{
    if (hours == 0 || !file.isOpen()) return false;
    const std::int64_t remaining = started + static_cast<std::int64_t>(hours) * 3600 - clock.now();
    if (remaining >= 1) return false;
    stop();
    return true;
}

std::string Recorder::statusText() const
{
    return recordingText(file.isOpen(), hours, started, clock.now());
}

} // namespace orbilunex
