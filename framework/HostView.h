#pragma once

#include "framework/Document.h"
#include "settings/Setting.h"

#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>

class QAction;
class QContextMenuEvent;
class QMenu;

namespace orbilunex {

// The view most window kinds are: it hosts one drawing child that always
// fills it, runs the view's timer, and opens the context menu the kind fills
// in. A kind derives from it, hands it the child, and overrides onTick and
// fillContextMenu; the framework's tests cover the rest once for all kinds.
class CHostView : public CView {
    Q_OBJECT

public:
    // Ticks every tickMs milliseconds from construction on (0: no timer).
    CHostView(CDocument* document, AppContext& app, int tickMs);
    ~CHostView() override;

    // Whether the hosted child belongs to the view (deleted with it) or is
    // lent by its owner, usually the document, and handed back when the view
    // goes (unparented and hidden, so that its state outlives the view).
    enum class Ownership { Owned, Borrowed };

    QWidget* child() const { return hosted; }

    // One tick of the view's timer now, as the timer runs it (onTick).
    void tick() { onTick(); }
    QTimer& tickTimer() { return timer; }
    // A new period takes effect at once; the next tick is a full period away.
    void setTickInterval(int milliseconds);

    // The menu as it opens: the kind's items, each bound check item marked
    // from the stored value now. The caller owns the menu.
    QMenu* buildContextMenu();

    // Where the context menu opens, in global coordinates: at the mouse, or
    // 5 pixels in from the view's top-left corner when opened from the
    // keyboard.
    QPoint contextMenuPosition(const QContextMenuEvent& event) const;

protected:
    // The child fills the view from now on. A view hosts one child; hosting
    // another lets the first go as its ownership says.
    void hostChild(QWidget* child, Ownership ownership);

    // What the kind does at each tick of its timer.
    virtual void onTick() {}

    // Whether the decoded state or the settings may have changed since the
    // last call that answered true (the first call does). A tick that gets
    // false has nothing new to draw and returns at once.
    bool inputsChanged();
    // The next inputsChanged() answers true (the window was changed some
    // other way and its next tick must look again).
    void forgetInputs() { inputsKnown = false; }
    // Adds the kind's items as the menu opens.
    virtual void fillContextMenu(QMenu& menu);

    // A plain command item.
    QAction* addCommand(QMenu& menu, const QString& text, std::function<void()> run);
    // A command item with a check mark showing `checked` (a state the window
    // holds itself, such as a pause).
    QAction* addCheck(QMenu& menu, const QString& text, bool checked, std::function<void()> run);
    // A checkable item bound to an on/off setting. As the menu opens, its
    // mark shows the stored value and `apply` receives that value, so the
    // window follows the store; choosing it flips the stored value at once
    // (see toggleSetting) and hands the new value to `apply`.
    QAction* addBoundCheck(QMenu& menu, const QString& text, const IntSetting& setting,
                           std::function<void(int)> apply);

    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void releaseChild();

    QPointer<QWidget> hosted;
    Ownership ownership = Ownership::Owned;
    QTimer timer;
    std::uint64_t seenState = 0;
    std::uint64_t seenSettings = 0;
    bool inputsKnown = false;
};

} // namespace orbilunex
