#pragma once

#include "framework/Document.h"

#include <QTimer>

#include <cstddef>
#include <string>
#include <vector>

namespace orbilunex {

class CCommandMonitorView;

// The command monitor's document: whether the display is paused, and the
// chunks waiting to be shown. It has no file type and keeps nothing once the
// window closes. While it lives it takes every block the data path reads.
//
// The display is paced: a chunk that comes after a quiet spell of kPaceMs is
// shown at once, and those that follow within kPaceMs of a showing wait and
// are shown together, in order, kPaceMs after it. A receiver that sends its
// epoch in one burst is shown as it arrives; a slow line that trickles bytes
// at every read is shown four times a second instead of ten, which halves
// what the window costs, since drawing the text dwarfs holding it.
class CCommandMonitorDoc : public CDocument {
    Q_OBJECT

public:
    static constexpr int kPaceMs = 250;

    CCommandMonitorDoc(const DocTemplate& docTemplate, AppContext& app);

    // 1 while paused: text received then is dropped, never shown later.
    int paused = 0;

    // A chunk just read from the active input, ending at its first zero byte
    // or after `length` bytes; shown unless paused (at once, or with the
    // next showing of the pace).
    void addText(const char* text, int length);

    // Shows the waiting chunks now, as the pace does when its time is up.
    void showWaiting();
    // Forgets the waiting chunks (the screen is being erased).
    void dropWaiting();
    bool hasWaiting() const { return !waitingLengths.empty(); }

    // Another pace (tests hold chunks back for as long as they need).
    void setPace(int milliseconds) { paceMs = milliseconds; }

    CCommandMonitorView* monitorView() const;

private:
    void show(const char* text, std::size_t length);

    // The waiting chunks, end to end, and the length of each; kept between
    // showings so that their memory is reused.
    std::string waitingBytes;
    std::vector<std::size_t> waitingLengths;
    // Runs for kPaceMs after each showing.
    QTimer pace;
    int paceMs = kPaceMs;
};

} // namespace orbilunex
