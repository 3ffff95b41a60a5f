#pragma once

#include "framework/Document.h"

namespace orbilunex {

class CCommandMonitorView;

// The command monitor's document: only whether the display is paused. It
// has no file type and keeps nothing once the window closes. While it lives
// it takes every block the data path reads.
class CCommandMonitorDoc : public CDocument {
    Q_OBJECT

public:
    CCommandMonitorDoc(const DocTemplate& docTemplate, AppContext& app);

    // 1 while paused: text received then is dropped, never shown later.
    int paused = 0;

    // A chunk just read from the active input, ending at its first zero byte
    // or after `length` bytes; shown unless paused.
    void addText(const char* text, int length);

    CCommandMonitorView* monitorView() const;
};

} // namespace orbilunex
