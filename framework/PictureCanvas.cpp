#include "framework/PictureCanvas.h"

#include "settings/GeneralSettings.h"
#include "settings/SettingsStore.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace orbilunex {

qreal pictureRatio(const QWidget& widget)
{
    return widget.devicePixelRatioF();
}

namespace {

QSize pixelSize(const QSize& logicalSize, qreal ratio)
{
    return QSize(static_cast<int>(std::ceil(logicalSize.width() * ratio)),
                 static_cast<int>(std::ceil(logicalSize.height() * ratio)));
}

} // namespace

QImage pictureCanvas(const QSize& logicalSize, qreal ratio, QImage::Format format)
{
    if (logicalSize.isEmpty()) return QImage();
    QImage canvas(pixelSize(logicalSize, ratio), format);
    canvas.setDevicePixelRatio(ratio);
    return canvas;
}

bool canvasFits(const QImage& canvas, const QSize& logicalSize, qreal ratio)
{
    return !canvas.isNull() && canvas.devicePixelRatio() == ratio &&
           canvas.size() == pixelSize(logicalSize, ratio);
}

bool smoothDrawing(const SettingsStore& settings)
{
    return readSetting(settings, settings::general::kSmoothDrawing) == 1;
}

void setSmoothing(QPainter& painter, bool smooth)
{
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
}

} // namespace orbilunex
