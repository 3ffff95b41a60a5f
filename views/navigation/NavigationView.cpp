#include "views/navigation/NavigationView.h"

#include "framework/AppContext.h"
#include "models/navigation/NavigationText.h"
#include "views/navigation/NavigationWnd.h"

namespace orbilunex {

CNavigationView::CNavigationView(CDocument* document, AppContext& app)
    : CHostView(document, app, kTickMs), textWnd(new CNavigationWnd)
{
    // Read at every drawing, so a full repaint shows the state of that moment.
    textWnd->setTextSource(
        [this] { return navigationText(this->app().gpsState(), this->app().settings()); });
    hostChild(textWnd, Ownership::Owned);
}

CNavigationWnd* CNavigationView::textWindow() const
{
    return textWnd;
}

void CNavigationView::onTick()
{
    if (!inputsChanged()) return;
    textWnd->drawText();
}

QJsonObject CNavigationView::shows() const
{
    QJsonObject values;
    values[QStringLiteral("text")] = textWnd->lastText();
    return values;
}

} // namespace orbilunex
