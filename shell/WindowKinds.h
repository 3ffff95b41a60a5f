#pragma once

#include <string>
#include <vector>

namespace orbilunex {

// What the application knows of a kind of monitor window, as plain data.
// Each kind's folder supplies its row (with the parts that need widgets,
// see framework/WindowKindDescriptor.h); at most one window of each kind is
// open. The layout names windows by kind code, the window menu by command,
// the command line by short name.
struct WindowKind {
    int code;               // kind code stored in the layout
    const char* title;      // window title, also the document's title
    int command;            // the window command that shows it
    const char* shortName;  // for --open and snapshot file names
    const char* fileFilter; // "" when the kind has no documents on disk
    const char* extension;  // with the dot, "" when none
    const char* settingsSection; // the section its settings live in, "" when none
    // The window command's texts: menu item ("&" marks the access key),
    // status-bar help line and tool tip.
    const char* menuText;
    const char* flyBy;
    const char* toolTip;
    // Places in three orders, smallest first: the Window menu and tool bar
    // (also --open all and the snapshot), comparing titles when a window is
    // opened by title, and matching captions when the layout is saved.
    int menuOrder;
    int openByTitleOrder;
    int saveLayoutOrder;
    // The size a new window of the kind opens at, frame included: room for
    // its whole picture.
    int defaultWidth = 480;
    int defaultHeight = 360;
};

// The kinds a program has, in menu order, with lookups. Holds pointers to
// rows that outlive it (the kinds' constants).
class WindowKindTable {
public:
    explicit WindowKindTable(std::vector<const WindowKind*> kinds);

    const std::vector<const WindowKind*>& inMenuOrder() const { return menu; }
    int size() const { return static_cast<int>(menu.size()); }

    // nullptr when no kind matches.
    const WindowKind* byCode(int code) const;
    const WindowKind* byTitle(const std::string& title) const;
    const WindowKind* byCommand(int command) const;
    const WindowKind* byShortName(const std::string& name) const;

    // Kind codes in the order of open-by-title and of saving the layout.
    const std::vector<int>& openByTitleOrder() const { return openOrder; }
    const std::vector<int>& saveLayoutOrder() const { return saveOrder; }

private:
    std::vector<const WindowKind*> menu;
    std::vector<int> openOrder;
    std::vector<int> saveOrder;
};

} // namespace orbilunex
