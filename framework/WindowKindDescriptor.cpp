#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

DocTemplate docTemplateOf(const WindowKindDescriptor& descriptor)
{
    DocTemplate t;
    t.kind = &descriptor.kind;
    t.createDocument = descriptor.createDocument;
    t.createView = descriptor.createView;
    return t;
}

} // namespace orbilunex
