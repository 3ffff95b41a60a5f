#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The vertical speed window's document: a title, nothing to load or save.
class CVerticalSpeedDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
