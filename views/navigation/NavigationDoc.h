#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The navigation window's document: the window shows the receiver's state
// and keeps nothing worth saving, so it has no file type.
class CNavigationDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
