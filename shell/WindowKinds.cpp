#include "shell/WindowKinds.h"

#include <algorithm>

namespace orbilunex {

namespace {

template <typename Match>
const WindowKind* find(const std::vector<const WindowKind*>& kinds, Match match)
{
    for (const WindowKind* kind : kinds)
        if (match(*kind)) return kind;
    return nullptr;
}

// The kinds' codes sorted by one of their order fields.
std::vector<int> codesBy(std::vector<const WindowKind*> kinds, int WindowKind::*order)
{
    std::stable_sort(kinds.begin(), kinds.end(),
                     [order](const WindowKind* a, const WindowKind* b) {
                         return a->*order < b->*order;
                     });
    std::vector<int> codes;
    for (const WindowKind* kind : kinds) codes.push_back(kind->code);
    return codes;
}

} // namespace

WindowKindTable::WindowKindTable(std::vector<const WindowKind*> kinds) : menu(std::move(kinds))
{
    std::stable_sort(menu.begin(), menu.end(), [](const WindowKind* a, const WindowKind* b) {
        return a->menuOrder < b->menuOrder;
    });
    openOrder = codesBy(menu, &WindowKind::openByTitleOrder);
    saveOrder = codesBy(menu, &WindowKind::saveLayoutOrder);
}

const WindowKind* WindowKindTable::byCode(int code) const
{
    return find(menu, [code](const WindowKind& k) { return k.code == code; });
}

const WindowKind* WindowKindTable::byTitle(const std::string& title) const
{
    return find(menu, [&title](const WindowKind& k) { return title == k.title; });
}

const WindowKind* WindowKindTable::byCommand(int command) const
{
    return find(menu, [command](const WindowKind& k) { return k.command == command; });
}

const WindowKind* WindowKindTable::byShortName(const std::string& name) const
{
    return find(menu, [&name](const WindowKind& k) { return name == k.shortName; });
}

} // namespace orbilunex
