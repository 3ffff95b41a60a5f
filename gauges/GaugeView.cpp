#include "gauges/GaugeView.h"

#include "framework/AppContext.h"
#include "framework/PictureCanvas.h"
#include "gauges/GaugeWnd.h"

#include <QMenu>

namespace orbilunex {

void followSmoothDrawing(AppContext& app, CGaugeWnd& control)
{
    control.setSmooth(smoothDrawing(app.settings()));
}

CGaugeView::CGaugeView(CDocument* document, AppContext& app, const IntSetting& filterSetting,
                       bool fastWhenNonZero)
    : CHostView(document, app, 0), filterKey(filterSetting)
{
    filter = readSetting(app.settings(), filterKey);
    const bool fast = fastWhenNonZero ? filter != 0 : filter == 1;
    setTickInterval(fast ? kFilteredPollMs : kPlainPollMs);
}

void CGaugeView::toggleFilter()
{
    setTickInterval(filter == 1 ? kPlainPollMs : kFilteredPollMs);
    filter = filter == 1 ? 0 : 1;
    writeSetting(app().settings(), filterKey, filter);
}

void CGaugeView::addFilterItem(QMenu& menu)
{
    addCheck(menu, QStringLiteral("Enable &Filter"), filter == 1, [this] { toggleFilter(); });
}

QJsonObject CGaugeView::shows() const
{
    QJsonObject values;
    values[QStringLiteral("filter")] = filter;
    return values;
}

} // namespace orbilunex
