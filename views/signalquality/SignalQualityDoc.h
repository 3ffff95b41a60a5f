#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The signal-quality window's document: it holds nothing (the bars window
// holds the data) and has no file type.
class CSignalQualityDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;
};

} // namespace orbilunex
