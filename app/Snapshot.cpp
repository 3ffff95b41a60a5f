#include "app/Snapshot.h"

#include "app/MainFrame.h"
#include "app/OrbilunexApp.h"
#include "app/WindowKindList.h"
#include "framework/ChildFrame.h"
#include "framework/Document.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

namespace orbilunex {

namespace {

bool savePicture(QWidget* widget, const QString& path, QString* error)
{
    if (widget->grab().save(path, "PNG")) return true;
    if (error != nullptr) *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

QJsonObject paneTexts(const CMainFrame& frame)
{
    static const char* const names[CMainFrame::PaneCount] = {"recording", "quality", "source",
                                                             "fixType", "satellites"};
    QJsonObject panes;
    for (int i = 0; i < CMainFrame::PaneCount; ++i)
        panes[QString::fromUtf8(names[i])] = frame.paneText(static_cast<CMainFrame::Pane>(i));
    // Only while the relay server runs, as on the screen.
    if (const QString server = frame.serverPaneText(); !server.isEmpty())
        panes[QStringLiteral("server")] = server;
    return panes;
}

} // namespace

bool writeSnapshot(COrbilunexApp& app, const QString& folder, QString* error)
{
    CMainFrame* frame = app.mainFrame();
    if (!QDir().mkpath(folder)) {
        if (error != nullptr) *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QDir dir(folder);
    frame->updateInterface();
    if (!savePicture(frame, dir.filePath(QStringLiteral("main.png")), error)) return false;

    QJsonArray windows;
    for (const WindowKind* row : windowKinds().inMenuOrder()) {
        const WindowKind& kind = *row;
        CChildFrame* child = app.frameOf(kind.code);
        if (child == nullptr) continue;
        const QString file = QString::fromUtf8(kind.shortName) + QStringLiteral(".png");
        if (!savePicture(child, dir.filePath(file), error)) return false;
        QJsonObject entry;
        entry[QStringLiteral("kind")] = QString::fromUtf8(kind.shortName);
        entry[QStringLiteral("title")] = child->windowTitle();
        entry[QStringLiteral("file")] = file;
        if (const CView* view = child->view()) {
            const QJsonObject shows = view->shows();
            if (!shows.isEmpty()) entry[QStringLiteral("shows")] = shows;
        }
        windows.append(entry);
    }

    QJsonObject status;
    status[QStringLiteral("mainTitle")] = frame->windowTitle();
    status[QStringLiteral("panes")] = paneTexts(*frame);
    status[QStringLiteral("windows")] = windows;
    // Every alarm, with when it went active (UTC) while it is.
    QJsonArray alarms;
    const NmeaDataPath& path = frame->dataPath();
    const qint64 now = path.elapsedMs();
    for (int i = 0; i < kAlarmKinds; ++i) {
        const auto kind = static_cast<AlarmKind>(i);
        const AlarmMonitor::Alarm& alarm = path.alarms().alarm(kind);
        QJsonObject entry;
        entry[QStringLiteral("name")] = QString::fromUtf8(alarmName(kind));
        entry[QStringLiteral("active")] = alarm.active;
        entry[QStringLiteral("since")] =
            alarm.active ? QJsonValue(QDateTime::currentDateTimeUtc()
                                          .addMSecs(alarm.sinceMs - now)
                                          .toString(Qt::ISODateWithMs))
                         : QJsonValue();
        alarms.append(entry);
    }
    status[QStringLiteral("alarms")] = alarms;
    status[QStringLiteral("sourceKind")] = frame->dataPath().link.sourceKind();
    status[QStringLiteral("sentenceCount")] = static_cast<int>(frame->dataPath().sentenceCount());
    QFile out(dir.filePath(QStringLiteral("status.json")));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QJsonDocument(status).toJson()) < 0) {
        if (error != nullptr) *error = QStringLiteral("cannot write %1").arg(out.fileName());
        return false;
    }
    return true;
}

} // namespace orbilunex
