#include "links/Recorder.h"

#include "links/LinkTexts.h"
#include "shell/StatusTexts.h"

#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace orbilunex {

Recorder::Recorder(const Clock& recorderClock) : clock(recorderClock) {}

bool Recorder::start(const QString& filePath, int durationHours)
{
    stop();
    error.clear();
    failure = false;
    recordingPath = filePath;
    hours = durationHours;
    started = clock.now();
    lastFileCheck = started;
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
            fail(QStringLiteral("Recording stopped: cannot write to %1: %2")
                     .arg(recordingPath, file.errorString()));
            return false;
        }
        done += n;
    }
    return true;
}

void Recorder::fail(const QString& why)
{
    error = why;
    failure = true;
    file.close();
}

bool Recorder::checkFileStillThere()
{
    if (!file.isOpen()) return true;
    const std::int64_t now = clock.now();
    if (now == lastFileCheck) return true;
    lastFileCheck = now;
    // Writes to a removed file succeed, into nothing anyone can read.
    struct stat opened = {};
    const bool unlinked = ::fstat(file.handle(), &opened) == 0 && opened.st_nlink == 0;
    struct stat folder = {};
    const QByteArray folderPath = QFile::encodeName(QFileInfo(recordingPath).absolutePath());
    const bool folderGone = ::stat(folderPath.constData(), &folder) != 0 && errno == ENOENT;
    if (!unlinked && !folderGone) return true;
    fail(QStringLiteral("Recording stopped: %1 was removed").arg(recordingPath));
    return false;
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
