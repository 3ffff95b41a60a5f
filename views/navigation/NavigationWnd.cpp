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

void CNavigationWnd::repaintFully()
{
    canvas = navigationCanvas(size(), pictureRatio(*this));
    canvas.fill(palette().color(QPalette::Button));
    textArea = rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    drawingArea = textArea;
    drawOnCanvas();
}

void CNavigationWnd::drawOnCanvas()
{
    if (canvas.isNull()) return;
    NavigationPicture picture;
    if (textSource) picture.text = textSource();
    picture.fontTenths = navigationFontTenths(textArea.width());
    NavigationPalette colours;
    colours.buttonFace = palette().color(QPalette::Button);
    colours.buttonText = palette().color(QPalette::ButtonText);
    QPainter painter(&canvas);
    paintNavigation(painter, drawingArea, picture, colours);
    drawnText = QString::fromStdString(picture.text);
}

void CNavigationWnd::drawText()
{
    if (needsFullRepaint()) {
        repaintFully();
    } else {
        drawOnCanvas();
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
