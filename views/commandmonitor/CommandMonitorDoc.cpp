#include "views/commandmonitor/CommandMonitorDoc.h"

#include "framework/AppContext.h"
#include "links/NmeaDataPath.h"
#include "views/commandmonitor/CommandMonitorView.h"

namespace orbilunex {

CCommandMonitorDoc::CCommandMonitorDoc(const DocTemplate& docTemplate, AppContext& app)
    : CDocument(docTemplate, app)
{
    if (NmeaDataPath* path = app.dataPath())
        connect(path, &NmeaDataPath::blockRead, this, &CCommandMonitorDoc::addText);
}

void CCommandMonitorDoc::addText(const char* text, int length)
{
    if (paused != 0 || text == nullptr || length <= 0) return;
    if (CCommandMonitorView* view = monitorView())
        view->appendText(text, static_cast<std::size_t>(length));
}

CCommandMonitorView* CCommandMonitorDoc::monitorView() const
{
    for (CView* view : views()) {
        if (auto* monitor = qobject_cast<CCommandMonitorView*>(view)) return monitor;
    }
    return nullptr;
}

} // namespace orbilunex
