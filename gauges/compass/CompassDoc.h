#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The compass window's document: a title, nothing to load or save.
class CCompassDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
