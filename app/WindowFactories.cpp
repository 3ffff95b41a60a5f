#include "app/WindowFactories.h"

#include "app/PlaceholderView.h"
#include "app/WindowKinds.h"

namespace orbilunex {

DocTemplate makeDocTemplate(int kindCode)
{
    DocTemplate t;
    t.kind = kindByCode(kindCode);
    t.createDocument = [](const DocTemplate& tmpl, AppContext& app) {
        return new CPlaceholderDocument(tmpl, app);
    };
    t.createView = [](CDocument* document, AppContext& app) {
        return new CPlaceholderView(document, app);
    };
    return t;
}

} // namespace orbilunex
