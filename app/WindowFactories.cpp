#include "app/WindowFactories.h"

#include "app/PlaceholderView.h"
#include "app/WindowKinds.h"
#include "views/AzimuthElevationDoc.h"
#include "views/AzimuthElevationView.h"

namespace orbilunex {

namespace {

template <typename Document, typename View>
DocTemplate templateOf(const WindowKind* kind)
{
    DocTemplate t;
    t.kind = kind;
    t.createDocument = [](const DocTemplate& tmpl, AppContext& app) {
        return new Document(tmpl, app);
    };
    t.createView = [](CDocument* document, AppContext& app) { return new View(document, app); };
    return t;
}

} // namespace

DocTemplate makeDocTemplate(int kindCode)
{
    const WindowKind* kind = kindByCode(kindCode);
    switch (kindCode) {
    case 207: return templateOf<CAzimuthElevationDoc, CAzimuthElevationView>(kind);
    default: break;
    }
    DocTemplate t;
    t.kind = kind;
    t.createDocument = [](const DocTemplate& tmpl, AppContext& app) {
        return new CPlaceholderDocument(tmpl, app);
    };
    t.createView = [](CDocument* document, AppContext& app) {
        return new CPlaceholderView(document, app);
    };
    return t;
}

} // namespace orbilunex
