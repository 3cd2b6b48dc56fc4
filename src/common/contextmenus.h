#pragma once

#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace gb {

// The program's context menus are built from its menu tables, which sit above the windows
// that show them. The program installs one maker at start-up; a window asks it for a menu
// class ("ExFilesCMenu", "FoldersMenu") whose commands start at the target. Without a maker
// (tests, or a class the maker does not know) there is no menu: the result is null. The
// menu made belongs to the target (it is deleted with it).
using ContextMenuMaker = std::function<QMenu *(const QString &menuClass, QWidget *target)>;

void setContextMenuMaker(ContextMenuMaker maker);
QMenu *makeContextMenu(const QString &menuClass, QWidget *target);

} // namespace gb
