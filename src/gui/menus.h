#pragma once

#include <QPoint>
#include <QString>

// Menus named by number: a window's menu bar and pop-up menus. Every item raises a command event when
// chosen; items show 16 × 16 icons (an empty image shows none), "&" marks a mnemonic and the text after
// "\t" stands right-aligned as a key hint. Typing a mnemonic letter carries out the first item from the top
// that marks it, even when a later item marks the same letter.
namespace gui {

bool createMenuBar(int window, int menuId);
bool createPopupMenu(int menuId);

// Items added between these two go into a sub-menu (a menu-bar title, or a pop-up's sub-menu).
void beginSubMenu(int menuId, const QString& title);
void endSubMenu(int menuId);

void addMenuItem(int menuId, int command, const QString& label, int imageId);
void addMenuSeparator(int menuId);

// Opens a pop-up menu with its top-left corner at a screen position and returns once it has closed.
void showPopupMenu(int menuId, QPoint topLeft);

QPoint mousePosition();

// Destroys pop-up menus (menu bars go with their windows).
void freeAllMenus();

// A keyboard shortcut of a window that matches only the bare key, without Shift, Ctrl or Alt.
void addShortcut(int window, int key, int command);

} // namespace gui
