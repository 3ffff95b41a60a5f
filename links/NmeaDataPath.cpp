#include "links/NmeaDataPath.h"

#include "links/LinkTexts.h"

#include "format/Units.h"
#include "settings/SettingsStore.h"

namespace orbilunex {

namespace {

constexpr double kMetresPerStatuteMile = 1609.344;

} // namespace

int playbackBlockSize(int speed)
{
    switch (speed) {
    case PlaySlow: return 50;
    case PlayMedium: return 256;
    case PlayFast: return 1000;
    case PlayFastest: return 2000;
    default: return 256;
    }
}

NmeaDataPath::NmeaDataPath(const SettingsStore& settings, const Clock& clock,
                           const LinkHooks& linkHooks)
    : link(settings, linkHooks), recorder(clock), store(settings), hooks(linkHooks)
{
    sinceStart.start();
    systemsHint.update(0, 0, 0, false); // nothing has arrived yet
}

int NmeaDataPath::blockSize() const
{
    return link.sourceKind() == SourceFile ? playbackBlockSize(playback) : kLiveBlockSize;
}

NmeaDataPath::TickResult NmeaDataPath::tick()
{
    TickResult result;
    // A connect waiting in a local event loop lets timers
    // run: a tick then must not read again underneath it.
    if (inTick || link.busy()) {
        result.skipped = true;
        return result;
    }
    inTick = true;
    if (link.sourceKind() == SourceFile) {
        result.bytesRead = takeBlock(playbackBlockSize(playback));
    } else {
        // Everything waiting, so that a fast receiver never backs up in the
        // port's queue (a real UART drops what does not fit there). A command
        // run while a relay send waits may have switched to a file meanwhile.
        while (result.bytesRead < kTickByteLimit && link.sourceKind() != SourceFile) {
            const int count = takeBlock(kLiveBlockSize);
            result.bytesRead += count;
            if (count < kLiveBlockSize) break;
        }
    }
    if (parser.sentenceCount() != lastSeenSentences) {
        lastSeenSentences = parser.sentenceCount();
        result.newSentences = true;
    }
    const GpsState& state = parser.gpsState();
    systemsHint.update(sinceStart.elapsed(), state.ggaCount + state.rmcCount,
                       parser.otherTalkerPositionCount(), parser.allSystems());
    linkHealth.update(sinceStart.elapsed(), link.sourceOpen(), link.sessionNumber(),
                      result.bytesRead, parser.sentenceCount());
    checkRecordingDuration();
    checkRecordingFile();
    if (!rulesKnown || store.revision() != rulesRead) {
        rules = readAlarmRules(store);
        // The anchor's radius is in the user's short unit (metres, feet).
        shortUnitsPerMetre = convertShortDistance(store, 1.0) / kMetresPerStatuteMile;
        rulesRead = store.revision();
        rulesKnown = true;
    }
    result.alarms = alarmMonitor.update(sinceStart.elapsed(), state, rules, shortUnitsPerMetre);
    inTick = false;
    return result;
}

int NmeaDataPath::connectSerial(int port, int baud)
{
    link.close();
    link.configure(port, baud, 0, 8, 0);
    return link.openSerial();
}

int NmeaDataPath::connectFile(const QString& path)
{
    link.close();
    return link.openFile(path);
}

int NmeaDataPath::connectNetwork(const QString& address, int port)
{
    link.close();
    parser.resetGpsState();
    return link.connectNetwork(address, port);
}

int NmeaDataPath::connectGpsd(const QString& host, int port)
{
    link.close();
    parser.resetGpsState();
    return link.connectGpsd(host, port);
}

int NmeaDataPath::connectUdp(int port, const QString& sender)
{
    link.close();
    parser.resetGpsState();
    return link.openUdp(port, sender);
}

bool NmeaDataPath::startRecording(const QString& path, int hours)
{
    if (recorder.start(path, hours)) return true;
    hooks.say(recorder.lastError().toStdString());
    return false;
}

int NmeaDataPath::takeBlock(int maximum)
{
    const int count = link.read(buffer, maximum);
    if (count <= 0) return 0;
    parser.feed(buffer, static_cast<std::size_t>(count));
    if (recorder.active() && !recorder.write(buffer, count))
        hooks.say(recorder.lastError().toStdString());
    buffer[count] = '\0';
    lastCount = count;
    emit blockRead(buffer, count);
    return count;
}

bool NmeaDataPath::checkRecordingDuration()
{
    if (!recorder.checkDuration()) return false;
    hooks.say(texts::kRecordingExpired);
    return true;
}

bool NmeaDataPath::checkRecordingFile()
{
    // Said the way a failed write is said.
    if (recorder.checkFileStillThere()) return false;
    hooks.say(recorder.lastError().toStdString());
    return true;
}

} // namespace orbilunex
