#include "views/navigation/NavigationWnd.h"

#include "framework/PictureCanvas.h"

#include "views/navigation/NavigationPainter.h"

#include <QEvent>
#include <QPainter>

namespace orbilunex {

namespace {

// The text keeps clear of the window's edges.
constexpr int kTextMargin = 3;

} // namespace

CNavigationWnd::CNavigationWnd(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the canvas: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CNavigationWnd::needsFullRepaint() const
{
    return !canvasFits(canvas, size(), pictureRatio(*this));
}

std::string CNavigationWnd::sourceText() const
{
    return textSource ? textSource() : std::string();
}

void CNavigationWnd::repaintFully()
{
    canvas = navigationCanvas(size(), pictureRatio(*this));
    canvas.fill(palette().color(QPalette::Button));
    textArea = rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    drawingArea = textArea;
    drawOnCanvas(sourceText());
}

void CNavigationWnd::drawOnCanvas(std::string text)
{
    if (canvas.isNull()) return;
    NavigationPicture picture;
    picture.text = std::move(text);
    picture.fontTenths = navigationFontTenths(textArea.width());
    NavigationPalette colours;
    colours.buttonFace = palette().color(QPalette::Button);
    colours.buttonText = palette().color(QPalette::ButtonText);
    QPainter painter(&canvas);
    paintNavigation(painter, drawingArea, picture, colours);
    drawnText = QString::fromStdString(picture.text);
    drawnSource = std::move(picture.text);
}

void CNavigationWnd::drawText()
{
    if (needsFullRepaint()) {
        repaintFully();
    } else {
        // The same text drawn over itself gives the same pixels.
        std::string text = sourceText();
        if (text == drawnSource) return;
        drawOnCanvas(std::move(text));
    }
    update();
}

void CNavigationWnd::paintEvent(QPaintEvent*)
{
    if (needsFullRepaint()) repaintFully();
    if (canvas.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, canvas);
}

void CNavigationWnd::changeEvent(QEvent* event)
{
    // New system colours take a full repaint, as a resize does.
    if (event->type() == QEvent::PaletteChange) canvas = QImage();
    QWidget::changeEvent(event);
}

} // namespace orbilunex
