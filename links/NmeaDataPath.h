#pragma once

#include "links/LinkHooks.h"
#include "links/NmeaLink.h"
#include "links/Recorder.h"
#include "nmea/NmeaParser.h"
#include "shell/Alarms.h"
#include "shell/LinkHealth.h"
#include "shell/SystemsHint.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <cstdint>
#include <optional>
#include <functional>

namespace orbilunex {

class SettingsStore;

// Playback speeds: bytes read from the file per 100 ms tick.
enum PlaybackSpeed : int {
    PlaySlow = 0,    // 50 bytes
    PlayMedium = 1,  // 256 bytes
    PlayFast = 2,    // 1000 bytes
    PlayFastest = 3, // 2000 bytes
};

// Bytes read per tick for a playback speed (out-of-range speeds read 256).
int playbackBlockSize(int speed);

// The widget-free half of the main window's 100 ms tick, also run without
// any window by the headless program. A tick takes one block from a playback
// file, and from a live source everything waiting, block by block, up to
// kTickByteLimit (the rest waits for the next tick). Each block goes to the
// relay server (while it runs, from inside the link's read), the parser, the
// recording and the block sink, in that order. Then the tick notices new
// sentences for the lamp, watches the link's health and checks the
// recording's duration and that its file is still there.
class NmeaDataPath : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMs = 100;
    static constexpr int kBufferSize = 2048;
    // Live bytes go on in blocks no larger than the fastest playback's, the
    // largest addition the command monitor is made to take at once.
    static constexpr int kLiveBlockSize = kBufferSize;
    // 2.6 MB/s, far beyond any receiver (115200 baud is 11.5 kB/s), while a
    // flood cannot hold the window for long in one tick.
    static constexpr int kTickByteLimit = 256 * 1024;

    NmeaDataPath(const SettingsStore& settings, const Clock& clock, const LinkHooks& hooks);

    struct TickResult {
        int bytesRead = 0;         // over all the blocks of the tick
        bool newSentences = false; // the sentence count changed since last seen
        bool skipped = false;      // re-entered while the link waits: nothing done
        // The alarms that went active or cleared at this tick.
        std::array<std::optional<AlarmChange>, kAlarmKinds> alarms{};
    };

    // One tick. Messages (a failed recording, an expired duration) go to the
    // hooks.
    TickResult tick();

    // Bytes one read takes: by playback speed for a file (one read a tick),
    // else kLiveBlockSize.
    int blockSize() const;


signals:
    // Each block the ticks read, NUL-terminated (the command monitor shows
    // it as text), with its length, after the parser and the recording have
    // had it. Whoever connects with a context object is let go when either
    // side goes.
    void blockRead(const char* block, int length);

public:
    // The last block read, NUL-terminated, and its length.
    const char* lastBlock() const { return buffer; }
    int lastBlockSize() const { return lastCount; }

    std::int32_t sentenceCount() const { return parser.sentenceCount(); }

    // How the open source does (silent, or bytes that are not NMEA), as of
    // the last tick.
    LinkHealthState health() const { return linkHealth.state(); }
    // Whether positions arrive only from talkers the GPS-only setting
    // ignores (for 5 s), as of the last tick.
    bool systemsHintShowing() const { return systemsHint.showing(); }
    const GpsState& gps() const { return parser.gpsState(); }
    // The alarms as of the last tick (the "Alarms" settings, read again
    // whenever a setting was written).
    const AlarmMonitor& alarms() const { return alarmMonitor; }
    const AlarmRules& alarmRules() const { return rules; }
    // Milliseconds on the clock the alarms' times are on.
    std::int64_t elapsedMs() const { return sinceStart.elapsed(); }

    void setPlaybackSpeed(int speed) { playback = speed; }
    int playbackSpeed() const { return playback; }

    // Connect commands: each closes the current source first.
    // Serial port `port` (or the device override) at `baud`, 8-N-1.
    int connectSerial(int port, int baud);
    int connectFile(const QString& path);
    // Resets the decoded state before connecting, as a new receiver begins.
    int connectNetwork(const QString& address, int port);
    // gpsd's NMEA stream; the decoded state is reset as for the network.
    int connectGpsd(const QString& host, int port);
    // NMEA datagrams on a UDP port; the decoded state is reset likewise.
    int connectUdp(int port, const QString& sender);
    void disconnectSource() { link.close(); }

    // Starts recording to path for hours (0 = no limit); a failure is shown
    // through the hooks and returns false.
    bool startRecording(const QString& path, int hours);
    void stopRecording() { recorder.stop(); }

    // Stops a recording whose time is up and shows the message; true then.
    bool checkRecordingDuration();

    // Stops a recording whose file was removed and shows the message; true
    // then. Looks at most once a second.
    bool checkRecordingFile();

    NmeaLink link;
    NmeaParser parser;
    Recorder recorder;

private:
    // Reads up to maximum bytes and hands them on; returns how many.
    int takeBlock(int maximum);

    const SettingsStore& store;
    LinkHooks hooks;
    LinkHealth linkHealth;
    AlarmMonitor alarmMonitor;
    AlarmRules rules;
    double shortUnitsPerMetre = 1.0;
    std::uint64_t rulesRead = 0;
    bool rulesKnown = false;
    SystemsHint systemsHint;
    QElapsedTimer sinceStart; // the health's and the hint's milliseconds
    int playback = PlayMedium;
    char buffer[kBufferSize + 1] = {};
    int lastCount = 0;
    std::int32_t lastSeenSentences = 0;
    bool inTick = false;
};

} // namespace orbilunex
