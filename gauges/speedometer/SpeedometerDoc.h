#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The speedometer window's document: a title, nothing to load or save.
class CSpeedometerDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
