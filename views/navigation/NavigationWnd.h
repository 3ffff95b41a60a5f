#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

namespace orbilunex {

// The navigation window's drawing window. A full repaint (the first one,
// and after a resize or a palette change) fills the window with the button
// face and draws the text; a tick draws a changed text over what is there,
// without erasing. The picture is kept off screen between the two, so that
// any later paint (an expose, grab()) shows exactly what was drawn.
class CNavigationWnd : public QWidget {
    Q_OBJECT

public:
    explicit CNavigationWnd(QWidget* parent = nullptr);

    // Where each drawing takes its text from (UTF-8); the view's state now.
    void setTextSource(std::function<std::string()> source) { textSource = std::move(source); }

    // One tick: the text from the source drawn without erasing, if it is
    // not the text last drawn (a full repaint instead if none has been made
    // at this size).
    void drawText();

    // The text exactly as last drawn; empty before the first drawing.
    QString lastText() const { return drawnText; }
    // The client rectangle 3 pixels in, as of the last full repaint.
    QRect textRect() const { return textArea; }
    // The rectangle text is drawn in until the next full repaint.
    QRect drawingRect() const { return drawingArea; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool needsFullRepaint() const;
    void repaintFully();
    void drawOnCanvas(std::string text);
    std::string sourceText() const;

    std::function<std::string()> textSource;
    QImage canvas;
    QRect textArea;
    QRect drawingArea;
    QString drawnText;
    // drawnText as the source gave it, to tell a new text from the last.
    std::string drawnSource;
};

} // namespace orbilunex
