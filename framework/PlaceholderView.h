#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The document and view of a window kind whose own view is not built yet:
// an empty window with the kind's title.
class CPlaceholderDocument : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

class CPlaceholderView : public CView {
    Q_OBJECT

public:
    using CView::CView;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbilunex
