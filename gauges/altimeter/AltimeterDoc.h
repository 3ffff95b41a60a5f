#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The altimeter window's document: a title, nothing to load or save.
class CAltimeterDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
