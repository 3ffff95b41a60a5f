#pragma once

#include "links/LinkHooks.h"
#include "links/NmeaLink.h"
#include "links/Recorder.h"
#include "nmea/NmeaParser.h"
#include "shell/LinkHealth.h"

#include <QElapsedTimer>
#include <QObject>

#include <cstdint>

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
// any window by the headless program: read one block from the link (which
// relays it when the server runs), feed the parser, append to the recording,
// keep the block for the command monitor, notice new sentences for the lamp,
// watch the link's health, then check the recording's duration.
class NmeaDataPath : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMs = 100;
    static constexpr int kBufferSize = 2048;
    static constexpr int kLiveBlockSize = 256;

    NmeaDataPath(const SettingsStore& settings, const Clock& clock, const LinkHooks& hooks);

    struct TickResult {
        int bytesRead = 0;
        bool newSentences = false; // the sentence count changed since last seen
        bool skipped = false;      // re-entered while the link waits: nothing done
    };

    // One tick. Messages (a failed recording, an expired duration) go to the
    // hooks.
    TickResult tick();

    // Bytes the next tick reads: by playback speed for a file, else 256.
    int blockSize() const;

    // The block of the last tick that read bytes, NUL-terminated (the
    // command monitor shows it as text), and its length.
    const char* lastBlock() const { return buffer; }
    int lastBlockSize() const { return lastCount; }

    std::int32_t sentenceCount() const { return parser.sentenceCount(); }

    // How the open source does (silent, or bytes that are not NMEA), as of
    // the last tick.
    LinkHealthState health() const { return linkHealth.state(); }
    const GpsState& gps() const { return parser.gpsState(); }

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
    void disconnectSource() { link.close(); }

    // Starts recording to path for hours (0 = no limit); a failure is shown
    // through the hooks and returns false.
    bool startRecording(const QString& path, int hours);
    void stopRecording() { recorder.stop(); }

    // Stops a recording whose time is up and shows the message; true then.
    bool checkRecordingDuration();

    NmeaLink link;
    NmeaParser parser;
    Recorder recorder;

private:
    LinkHooks hooks;
    LinkHealth linkHealth;
    QElapsedTimer sinceStart; // the health's milliseconds
    int playback = PlayMedium;
    char buffer[kBufferSize + 1] = {};
    int lastCount = 0;
    std::int32_t lastSeenSentences = 0;
    bool inTick = false;
};

} // namespace orbilunex
