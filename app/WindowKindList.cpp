#include "app/WindowKindList.h"

#include <algorithm>

namespace orbilunex {

// The kinds' descriptors in the order the build lists their folders
// (WindowKindRows.cpp, made from app/WindowKindRows.cpp.in).
std::vector<const WindowKindDescriptor*> builtWindowKinds();

const std::vector<const WindowKindDescriptor*>& windowKindDescriptors()
{
    static const std::vector<const WindowKindDescriptor*> kinds = [] {
        std::vector<const WindowKindDescriptor*> all = builtWindowKinds();
        std::stable_sort(all.begin(), all.end(), [](const auto* a, const auto* b) {
            return a->kind.menuOrder < b->kind.menuOrder;
        });
        return all;
    }();
    return kinds;
}

const WindowKindTable& windowKinds()
{
    static const WindowKindTable table = [] {
        std::vector<const WindowKind*> rows;
        for (const WindowKindDescriptor* descriptor : windowKindDescriptors())
            rows.push_back(&descriptor->kind);
        return WindowKindTable(rows);
    }();
    return table;
}

const WindowKindDescriptor* windowKindByCode(int code)
{
    for (const WindowKindDescriptor* descriptor : windowKindDescriptors())
        if (descriptor->kind.code == code) return descriptor;
    return nullptr;
}

const WindowKindDescriptor* windowKindByCommand(int command)
{
    for (const WindowKindDescriptor* descriptor : windowKindDescriptors())
        if (descriptor->kind.command == command) return descriptor;
    return nullptr;
}

} // namespace orbilunex
