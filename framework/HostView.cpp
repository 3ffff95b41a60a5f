#include "framework/HostView.h"

#include "framework/AppContext.h"
#include "settings/SettingsStore.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace orbilunex {

namespace {

// From the keyboard there is no mouse position: the menu opens just inside
// the view's corner.
constexpr QPoint kKeyboardMenuOffset(5, 5);

} // namespace

CHostView::CHostView(CDocument* document, AppContext& app, int tickMs) : CView(document, app)
{
    connect(&timer, &QTimer::timeout, this, [this] { onTick(); });
    if (tickMs > 0) timer.start(tickMs);
}

CHostView::~CHostView()
{
    // Before Qt deletes the children: a borrowed child goes back to its owner.
    releaseChild();
}

void CHostView::setTickInterval(int milliseconds)
{
    timer.start(milliseconds);
}

void CHostView::hostChild(QWidget* child, Ownership how)
{
    releaseChild();
    hosted = child;
    ownership = how;
    if (child == nullptr) return;
    child->setParent(this);
    child->setGeometry(rect());
    child->show();
}

void CHostView::releaseChild()
{
    if (hosted == nullptr) return;
    if (ownership == Ownership::Borrowed) {
        hosted->hide();
        hosted->setParent(nullptr);
    } else {
        delete hosted.data();
    }
    hosted = nullptr;
}

void CHostView::resizeEvent(QResizeEvent* event)
{
    CView::resizeEvent(event);
    if (hosted != nullptr) hosted->setGeometry(rect());
}

void CHostView::fillContextMenu(QMenu&) {}

bool CHostView::inputsChanged()
{
    const std::uint64_t state = app().stateRevision();
    const std::uint64_t settings = app().settings().revision();
    if (inputsKnown && state == seenState && settings == seenSettings) return false;
    inputsKnown = true;
    seenState = state;
    seenSettings = settings;
    return true;
}

QMenu* CHostView::buildContextMenu()
{
    auto* menu = new QMenu(this);
    fillContextMenu(*menu);
    return menu;
}

QPoint CHostView::contextMenuPosition(const QContextMenuEvent& event) const
{
    return event.reason() == QContextMenuEvent::Keyboard ? mapToGlobal(kKeyboardMenuOffset)
                                                         : event.globalPos();
}

void CHostView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = buildContextMenu();
    if (!menu->isEmpty()) menu->exec(contextMenuPosition(*event));
    menu->deleteLater();
}

QAction* CHostView::addCommand(QMenu& menu, const QString& text, std::function<void()> run)
{
    QAction* action = menu.addAction(text);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

QAction* CHostView::addCheck(QMenu& menu, const QString& text, bool checked,
                             std::function<void()> run)
{
    QAction* action = addCommand(menu, text, std::move(run));
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QAction* CHostView::addBoundCheck(QMenu& menu, const QString& text, const IntSetting& setting,
                                  std::function<void(int)> apply)
{
    const int stored = readSetting(app().settings(), setting);
    apply(stored);
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    action->setChecked(stored == 1);
    connect(action, &QAction::triggered, this, [this, setting, apply = std::move(apply)] {
        apply(toggleSetting(app().settings(), setting));
    });
    return action;
}

} // namespace orbilunex
