#pragma once

#include "framework/Document.h"

namespace orbilunex {

// The document and view factories of each window kind, by kind code. Kinds
// whose views are not built yet get an empty placeholder window.
DocTemplate makeDocTemplate(int kindCode);

} // namespace orbilunex
