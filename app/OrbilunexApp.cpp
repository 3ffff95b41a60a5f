#include "app/OrbilunexApp.h"

#include "app/MainFrame.h"
#include "app/ToolIcons.h"
#include "app/WindowKindList.h"
#include "framework/ChildFrame.h"
#include "framework/Prompter.h"
#include "settings/LayoutSettings.h"

#include <QDir>
#include <QStatusBar>

#include <algorithm>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace orbilunex {

COrbilunexApp::COrbilunexApp(SettingsStore& settings, Prompter& prompter, const Clock& clock)
    : store(settings), asker(prompter), calendar(clock)
{
}

COrbilunexApp::~COrbilunexApp()
{
    frame.reset();
}

bool COrbilunexApp::initInstance(bool openStoredPort)
{
    writeSetting(store, settings::layout::kWorkingDir, QDir::currentPath().toStdString());
    for (const WindowKindDescriptor* descriptor : windowKindDescriptors()) {
        const int code = descriptor->kind.code;
        templates[code] = docTemplateOf(*descriptor);
        kindSlots[code] = nullptr;
    }
    frame = std::make_unique<CMainFrame>(*this);
    framePath = &frame->dataPath();
    frame->restoreToolBarState();
    frame->startDataPath(openStoredPort);
    restoreLayout();
    return true;
}

void COrbilunexApp::showStatusText(const std::string& text)
{
    if (frame) frame->statusBar()->showMessage(QString::fromStdString(text));
}

const GpsState& COrbilunexApp::gpsState() const
{
    return frame->dataPath().gps();
}

std::uint64_t COrbilunexApp::stateRevision() const
{
    return frame->dataPath().parser.stateRevision();
}

const DocTemplate* COrbilunexApp::docTemplate(int kindCode) const
{
    auto it = templates.find(kindCode);
    return it == templates.end() ? nullptr : &it->second;
}

CDocument* COrbilunexApp::slot(int kindCode) const
{
    auto it = kindSlots.find(kindCode);
    return it == kindSlots.end() ? nullptr : it->second;
}

CChildFrame* COrbilunexApp::frameOf(int kindCode) const
{
    CDocument* document = slot(kindCode);
    if (document == nullptr || frame == nullptr) return nullptr;
    for (QMdiSubWindow* window : frame->mdiArea()->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window);
        if (child != nullptr && child->document() == document) return child;
    }
    return nullptr;
}

void COrbilunexApp::documentClosing(CDocument* document)
{
    for (auto& entry : kindSlots)
        if (entry.second == document) entry.second = nullptr;
}

CChildFrame* COrbilunexApp::showWindowOfKind(int kindCode)
{
    if (CChildFrame* open = frameOf(kindCode)) {
        frame->mdiArea()->setActiveSubWindow(open);
        open->raise();
        return open;
    }
    const WindowKind* kind = windowKinds().byCode(kindCode);
    return kind != nullptr ? openWindowByTitle(QString::fromUtf8(kind->title)) : nullptr;
}

CChildFrame* COrbilunexApp::openWindowByTitle(const QString& title,
                                              const WindowPlacement* placement)
{
    for (int code : windowKinds().openByTitleOrder()) {
        const WindowKind* kind = windowKinds().byCode(code);
        if (title == QString::fromUtf8(kind->title))
            return openWindow(templates.at(code), title, placement);
    }
    return nullptr;
}

CChildFrame* COrbilunexApp::openWindow(const DocTemplate& tmpl, const QString& title,
                                       const WindowPlacement* placement)
{
    std::unique_ptr<CDocument> document(tmpl.createDocument(tmpl, *this));
    CView* view = document ? tmpl.createView(document.get(), *this) : nullptr;
    if (view == nullptr) {
        asker.warn(frame.get(), QStringLiteral("Failed to create empty document."));
        return nullptr;
    }
    document->setTitle(title);
    CDocument* raw = document.get();
    auto* child = new CChildFrame(std::move(document), view, *this);
    child->setWindowIcon(toolIcon(tmpl.kind->command));
    kindSlots[tmpl.kind->code] = raw;
    frame->mdiArea()->addSubWindow(child);
    view->onInitialUpdate();
    if (placement != nullptr) {
        child->applyPlacement(*placement);
    } else {
        // New windows step down and right from the corner, like a deck.
        constexpr int kCascadeStep = 26;
        constexpr int kCascadeSteps = 10;
        const int n = (static_cast<int>(frame->mdiArea()->subWindowList().size()) - 1) %
                      kCascadeSteps;
        child->resize(tmpl.kind->defaultWidth, tmpl.kind->defaultHeight);
        child->move(n * kCascadeStep, n * kCascadeStep);
        child->show();
    }
    frame->mdiArea()->setActiveSubWindow(child);
    return child;
}

void COrbilunexApp::saveLayout()
{
    writeSetting(store, settings::layout::kMain, formatPlacement(frame->placement()));
    int written = 0;
    // Bottom of the stack first, so that restoring in order rebuilds it.
    for (QMdiSubWindow* window : frame->mdiArea()->subWindowList(QMdiArea::StackingOrder)) {
        auto* child = qobject_cast<CChildFrame*>(window);
        if (child == nullptr) continue;
        const QString caption = child->windowTitle();
        for (int code : windowKinds().saveLayoutOrder()) {
            CDocument* document = slot(code);
            if (document == nullptr || document->title() != caption) continue;
            store.setString(settings::layout::kWindowSection, settings::layout::windowKey(written),
                            formatWindowEntry(code, child->placement()));
            ++written;
            break;
        }
    }
    writeSetting(store, settings::layout::kWindowCount, written);
}

void COrbilunexApp::restoreLayout()
{
    // A damaged count must not keep the program busy reading empty entries.
    constexpr int kMostEntries = 1000;
    const int count =
        std::clamp(readSetting(store, settings::layout::kWindowCount), 0, kMostEntries);
    const std::optional<WindowPlacement> main =
        parsePlacement(readSetting(store, settings::layout::kMain));
    if (!main) {
        // First run, or a value that does not read: the default window.
        frame->show();
        return;
    }
    frame->applyPlacement(*main);
    if (main->showCommand == kShowMaximized)
        frame->showMaximized();
    else if (main->showCommand == kShowMinimized)
        frame->showMinimized();
    else
        frame->show(); // a hidden main window would leave the user nothing to click
    for (int n = 0; n < count; ++n) {
        int code = 0;
        WindowPlacement placement;
        const std::string entry =
            store.getString(settings::layout::kWindowSection, settings::layout::windowKey(n), "");
        if (!parseWindowEntry(entry, code, placement))
            continue;
        const WindowKind* kind = windowKinds().byCode(code);
        if (kind == nullptr || slot(code) != nullptr) continue;
        openWindowByTitle(QString::fromUtf8(kind->title), &placement);
    }
}

} // namespace orbilunex
