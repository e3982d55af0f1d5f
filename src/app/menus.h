#pragma once

// The menu bar, the function menu and the main window's keyboard shortcuts.
namespace app {

void createMenus();
void addShortcuts();

// Opens the function menu with its top-left corner one pixel up and left of the mouse pointer.
void showFunctionMenu();

} // namespace app
