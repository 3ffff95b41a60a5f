#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The attitude window's document: a title, nothing to load or save.
class CAttitudeDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
