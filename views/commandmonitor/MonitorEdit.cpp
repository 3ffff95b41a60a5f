#include "views/commandmonitor/MonitorEdit.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTimer>

namespace orbilunex {

CMonitorEdit::CMonitorEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The host view's menu replaces the control's own.
    setContextMenuPolicy(Qt::NoContextMenu);
    // Nothing here is ever undone; keeping the history would only cost memory.
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
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
    showCaretAtEnd();
}

void CMonitorEdit::showCaretAtEnd()
{
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    // A scroll bar that the addition makes appear shows only once queued
    // events run, and then covers the last line: scroll again after it.
    QTimer::singleShot(0, this, [this] { ensureCursorVisible(); });
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
    case Qt::Key_End: QPlainTextEdit::keyPressEvent(event); return;
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
