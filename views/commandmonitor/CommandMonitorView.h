#pragma once

#include "framework/HostView.h"

#include <cstddef>

namespace orbilunex {

class CCommandMonitorDoc;
class CMonitorEdit;

// Hosts the monitor's text control. Text arrives from the document as the
// main frame reads it, so the view needs no timer; its menu pauses and
// erases the display.
class CCommandMonitorView : public CHostView {
    Q_OBJECT

public:
    // How much of the end of the text shows() reports.
    static constexpr std::size_t kShownTail = 2000;

    CCommandMonitorView(CDocument* document, AppContext& app);

    CCommandMonitorDoc* monitorDocument() const;
    CMonitorEdit* edit() const { return editor; }

    void appendText(const char* text, std::size_t length);

    // The Pause command: flips the document's paused flag.
    void togglePause();
    // The Erase Screen command.
    void eraseScreen();

    // "length": characters held (a line end counts two); "tail": the last
    // kShownTail of them.
    QJsonObject shows() const override;

protected:
    void fillContextMenu(QMenu& menu) override;

private:
    CMonitorEdit* editor;
};

} // namespace orbilunex
