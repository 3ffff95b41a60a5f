#include "views/commandmonitor/CommandMonitorDoc.h"

#include "framework/AppContext.h"
#include "links/NmeaDataPath.h"
#include "views/commandmonitor/CommandMonitorView.h"

namespace orbilunex {

CCommandMonitorDoc::CCommandMonitorDoc(const DocTemplate& docTemplate, AppContext& app)
    : CDocument(docTemplate, app)
{
    pace.setSingleShot(true);
    connect(&pace, &QTimer::timeout, this, &CCommandMonitorDoc::showWaiting);
    if (NmeaDataPath* path = app.dataPath())
        connect(path, &NmeaDataPath::blockRead, this, &CCommandMonitorDoc::addText);
}

void CCommandMonitorDoc::addText(const char* text, int length)
{
    if (paused != 0 || text == nullptr || length <= 0) return;
    const auto count = static_cast<std::size_t>(length);
    if (pace.isActive()) {
        waitingBytes.append(text, count);
        waitingLengths.push_back(count);
        return;
    }
    show(text, count);
    pace.start(paceMs);
}

void CCommandMonitorDoc::showWaiting()
{
    if (waitingLengths.empty()) return;
    // Chunk by chunk, so that the held text is exactly what it would have
    // been had each been shown as it came.
    std::size_t at = 0;
    for (const std::size_t length : waitingLengths) {
        show(waitingBytes.data() + at, length);
        at += length;
    }
    dropWaiting();
    pace.start(paceMs);
}

void CCommandMonitorDoc::dropWaiting()
{
    waitingBytes.clear();
    waitingLengths.clear();
}

void CCommandMonitorDoc::show(const char* text, std::size_t length)
{
    if (CCommandMonitorView* view = monitorView()) view->appendText(text, length);
}

CCommandMonitorView* CCommandMonitorDoc::monitorView() const
{
    for (CView* view : views()) {
        if (auto* monitor = qobject_cast<CCommandMonitorView*>(view)) return monitor;
    }
    return nullptr;
}

} // namespace orbilunex
