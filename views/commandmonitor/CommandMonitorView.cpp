#include "views/commandmonitor/CommandMonitorView.h"

#include "views/commandmonitor/CommandMonitorDoc.h"
#include "views/commandmonitor/MonitorEdit.h"

#include <QMenu>

#include <algorithm>

namespace orbilunex {

CCommandMonitorView::CCommandMonitorView(CDocument* document, AppContext& app)
    : CHostView(document, app, 0), editor(new CMonitorEdit)
{
    hostChild(editor, Ownership::Owned);
}

CCommandMonitorDoc* CCommandMonitorView::monitorDocument() const
{
    return qobject_cast<CCommandMonitorDoc*>(document());
}

void CCommandMonitorView::appendText(const char* chunk, std::size_t length)
{
    editor->appendText(chunk, length);
}

void CCommandMonitorView::togglePause()
{
    if (CCommandMonitorDoc* doc = monitorDocument()) doc->paused = doc->paused == 1 ? 0 : 1;
}

void CCommandMonitorView::eraseScreen()
{
    // What waits to be shown came before the command: it goes too.
    if (CCommandMonitorDoc* doc = monitorDocument()) doc->dropWaiting();
    editor->eraseScreen();
}

void CCommandMonitorView::fillContextMenu(QMenu& menu)
{
    const CCommandMonitorDoc* doc = monitorDocument();
    addCheck(menu, QStringLiteral("&Pause"), doc != nullptr && doc->paused == 1,
             [this] { togglePause(); });
    addCommand(menu, QStringLiteral("&Erase Screen"), [this] { eraseScreen(); });
}

QJsonObject CCommandMonitorView::shows() const
{
    const std::string& held = editor->model().text();
    const std::size_t from = held.size() - std::min(held.size(), kShownTail);
    return {
        {QStringLiteral("length"), static_cast<qint64>(held.size())},
        {QStringLiteral("tail"), QString::fromLatin1(held.data() + from,
                                                     static_cast<qsizetype>(held.size() - from))},
    };
}

} // namespace orbilunex
