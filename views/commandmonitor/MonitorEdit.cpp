#include "views/commandmonitor/MonitorEdit.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

namespace orbilunex {

namespace {

// Additions move the range of the monitor's scroll bars at every read of
// the link, up to ten times a second, and a scroll bar drawn in full each
// time cost as much as the text. While additions hold it back, a scroll bar
// is drawn again at most every kPaceMs: the text shows at once, the handle
// follows within a quarter of a second. Whatever the user does to it (a
// drag, a click, the keyboard) shows at once.
class PacedScrollBar : public QScrollBar {
public:
    static constexpr int kPaceMs = 250;

    PacedScrollBar(Qt::Orientation orientation, QWidget* parent)
        : QScrollBar(orientation, parent)
    {
        pace.setSingleShot(true);
        connect(&pace, &QTimer::timeout, this, [this] { update(); });
    }

    void holdBack(bool on) { heldBack = on; }

protected:
    void sliderChange(SliderChange change) override
    {
        if (heldBack && change != SliderOrientationChange && !isSliderDown() && isVisible()) {
            if (pace.isActive()) return; // a drawing is due already
            const qint64 since = lastDrawn.isValid() ? lastDrawn.elapsed() : kPaceMs;
            if (since < kPaceMs) {
                pace.start(static_cast<int>(kPaceMs - since));
                return;
            }
        }
        QScrollBar::sliderChange(change);
    }

    void paintEvent(QPaintEvent* event) override
    {
        lastDrawn.start();
        pace.stop();
        QScrollBar::paintEvent(event);
    }

private:
    QTimer pace;
    QElapsedTimer lastDrawn;
    bool heldBack = false;
};

// Holds both scroll bars back for as long as it lives.
class PacedScrollBars {
public:
    explicit PacedScrollBars(QAbstractScrollArea& area)
        : bars{static_cast<PacedScrollBar*>(area.verticalScrollBar()),
               static_cast<PacedScrollBar*>(area.horizontalScrollBar())}
    {
        for (PacedScrollBar* bar : bars) bar->holdBack(true);
    }
    ~PacedScrollBars()
    {
        for (PacedScrollBar* bar : bars) bar->holdBack(false);
    }
    PacedScrollBars(const PacedScrollBars&) = delete;
    PacedScrollBars& operator=(const PacedScrollBars&) = delete;

private:
    PacedScrollBar* bars[2];
};

} // namespace

CMonitorEdit::CMonitorEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBar(new PacedScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new PacedScrollBar(Qt::Horizontal, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The host view's menu replaces the control's own.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Nothing here is ever undone; keeping the history would only cost memory.
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    // Opaque, so that a scroll bar moving at every addition repaints the
    // control alone, not the view and the window frame with its caption
    // behind it.
    setAutoFillBackground(true);
    // Only the user's own moves of the bar (a drag, a click, the wheel)
    // set the sideways place; scrolling to the caret does not.
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int) { sidewaysPlace = horizontalScrollBar()->sliderPosition(); });
}

QString CMonitorEdit::displayText(const std::string& text)
{
    QString shown;
    shown.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                shown.append(QLatin1Char('\n'));
                ++i;
            }
        } else if (c != '\n') {
            shown.append(QChar(static_cast<unsigned char>(c)));
        }
    }
    return shown;
}

void CMonitorEdit::appendText(const char* text, std::size_t length)
{
    const PacedScrollBars pacing(*this);
    // What a trim will take from the front, as shown: the display of the
    // dropped characters, and the line break of a CR LF pair the cut splits
    // (its lone line feed shows nothing).
    int trimmedShown = 0;
    if (held.length() >= kMonitorTrimAt) {
        const std::string& before = held.text();
        trimmedShown = static_cast<int>(displayText(before.substr(0, kMonitorTrimCount)).size());
        if (before[kMonitorTrimCount - 1] == '\r' && before[kMonitorTrimCount] == '\n')
            ++trimmedShown;
    }
    const CommandMonitorChange change = held.appendText(text, length);
    if (change.erased > 0) {
        // Rare: backspaces reach into what is shown, where one may split a
        // CR LF pair.
        setPlainText(displayText(held.text()));
    } else {
        if (change.trimmed) {
            // Twice a second at the fast playback: cut the front in place
            // rather than lay the whole text out again.
            QTextCursor front(document());
            front.setPosition(trimmedShown, QTextCursor::KeepAnchor);
            front.removeSelectedText();
        }
        appendShown(change.added);
    }
    showCaretAtEnd();
}

void CMonitorEdit::appendShown(const std::string& added)
{
    if (!added.empty()) {
        // An addition never starts with a line feed, so it cannot complete a
        // pair the text ends with: its picture simply goes after the rest.
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(displayText(added));
    }
}

void CMonitorEdit::eraseScreen()
{
    held.erase();
    clear();
    sidewaysPlace = 0;
    showCaretAtEnd();
}

void CMonitorEdit::showCaretAtEnd()
{
    moveCursor(QTextCursor::End);
    showLastLine();
    // A scroll bar that the addition makes appear shows only once queued
    // events run, and then covers the last line: scroll again after it.
    // With both shown, none can appear.
    if (!verticalScrollBar()->isVisible() || !horizontalScrollBar()->isVisible())
        QTimer::singleShot(0, this, [this] { showLastLine(); });
}

void CMonitorEdit::showLastLine()
{
    // The caret ends a sentence half received: following it sideways would
    // hide the start of every line. The text stays at its left edge, or
    // where the user put it (kept apart, since a range that narrows for a
    // moment would clip the bar's own value).
    ensureCursorVisible();
    horizontalScrollBar()->setValue(sidewaysPlace);
}

void CMonitorEdit::keyPressEvent(QKeyEvent* event)
{
    // Moving around the text is allowed; anything that would edit it is not.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        QPlainTextEdit::keyPressEvent(event);
        // Moving the caret sideways is the user's choice of place too.
        sidewaysPlace = horizontalScrollBar()->value();
        return;
    default: event->accept(); return;
    }
}

void CMonitorEdit::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
}

bool CMonitorEdit::canInsertFromMimeData(const QMimeData*) const
{
    return false;
}

void CMonitorEdit::insertFromMimeData(const QMimeData*) {}

} // namespace orbilunex
