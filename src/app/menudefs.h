#pragma once

#include <QString>

#include <vector>

namespace gb {

// The program's menus, toolbars and accelerator tables as data. Every command is named once,
// by its command name; menu items, toolbar buttons and accelerator keys carry only item ids.
// The windows build their Qt menus from these tables (see WindowMenu); nothing else lists them.

struct MenuRow {
    enum Kind { Popup, Item, Separator };
    Kind kind;
    int depth;           // 0 = a popup on the menu bar (or a context menu's first level)
    int id;              // 0 for separators
    const char *command; // the command name, for items
    const char *caption; // "\t" separates the key text
    const char *helpContext = nullptr;
};

struct ToolbarButton {
    int image; // 1-based image in the strip; 0 = a separator
    int itemId;
    const char *tooltip;
};

struct Accelerator {
    int itemId;
    int key;     // a Qt key combination (modifiers | key)
    int altKey = 0; // a second key for the same item, or 0
};

// One menu class: its items and, for window menus, the toolbar and accelerators that come with it.
struct MenuDef {
    const char *className;    // "EmptyShellMenu"
    std::vector<MenuRow> rows;
    int windowListPopup = -1; // position of the popup that lists the MDI children, or -1
    const char *strip = nullptr; // toolbar bitmap strip, or null for a context menu
    std::vector<ToolbarButton> toolbar;
    std::vector<Accelerator> accelerators;
};

const MenuDef &emptyShellMenu();
const MenuDef &explorerMenu();
const MenuDef &archivesMenu();
const MenuDef &exFilesCMenu();
const MenuDef &archiveCMenu();
const MenuDef &findImageCM();
const MenuDef &foldersMenu();
const MenuDef &selectFilesCMenu();
const MenuDef &selectFilesCMenu1();

// A menu by its class name, compared without letter case; null when unknown.
const MenuDef *menuDefByName(const QString &className);

} // namespace gb
