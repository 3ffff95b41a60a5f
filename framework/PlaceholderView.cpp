#include "framework/PlaceholderView.h"

#include <QPainter>

namespace orbilunex {

void CPlaceholderView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(rect(), Qt::AlignCenter, document() ? document()->title() : QString());
}

} // namespace orbilunex
