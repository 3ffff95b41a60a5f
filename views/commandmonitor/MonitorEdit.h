#pragma once

#include "models/commandmonitor/CommandMonitorText.h"

#include <QPlainTextEdit>

#include <cstddef>

namespace orbilunex {

// The command monitor's text control: shows the held text like a terminal
// (CR LF pairs as line breaks, a lone CR or LF as nothing, bytes as Latin-1)
// and takes no input of its own, though the keyboard may still move around.
class CMonitorEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CMonitorEdit(QWidget* parent = nullptr);

    const CommandMonitorText& model() const { return held; }

    // Adds one chunk of the stream (it ends at its first zero byte); the
    // caret goes to the end and the last line into view, scrolled to its
    // left edge unless the user has scrolled sideways.
    void appendText(const char* text, std::size_t length);
    // Empties the control.
    void eraseScreen();

    // The held text as the control shows it.
    static QString displayText(const std::string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Puts the display of `added` after what is shown.
    void appendShown(const std::string& added);
    void showCaretAtEnd();
    // The caret's line in view, the sideways place kept.
    void showLastLine();

    CommandMonitorText held;
    // Where the user last put the horizontal scroll bar; 0, the left edge,
    // until they move it.
    int sidewaysPlace = 0;
};

} // namespace orbilunex
