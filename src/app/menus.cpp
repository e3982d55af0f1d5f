#include "app/menus.h"

#include "app/ids.h"
#include "gui/menus.h"
#include "gui/windows.h"

#include <QPoint>
#include <Qt>

namespace app {
namespace {

void createMenuBar() {
    const int bar = ids::kMenuBar;
    if (!gui::createMenuBar(ids::kMainWindow, bar))
        return;
    gui::beginSubMenu(bar, QStringLiteral("&Datei"));
    gui::addMenuItem(bar, ids::kCmdQuit, QStringLiteral("Be&enden\tAlt+F4"), ids::kExitIcon);
    gui::endSubMenu(bar);

    gui::beginSubMenu(bar, QStringLiteral("Be&arbeiten"));
    gui::addMenuItem(bar, ids::kCmdSearch, QStringLiteral("S&uchen\tF3"), ids::kFindIcon);
    gui::addMenuItem(bar, ids::kCmdShowAll, QStringLiteral("Alle an&zeigen\tF6"), ids::kShowAllIcon);
    gui::addMenuItem(bar, ids::kCmdNewEntry, QStringLiteral("Neue &Farbe hinzufügen\tF7"), ids::kColourWheelIcon);
    gui::addMenuItem(bar, ids::kCmdFunctionMenu, QStringLiteral("F&unktionen\tF5"), ids::kEditIcon);
    gui::endSubMenu(bar);

    gui::beginSubMenu(bar, QStringLiteral("&?"));
    gui::addMenuItem(bar, ids::kCmdHelp, QStringLiteral("H&ilfe\tF1"), ids::kHelpIcon);
    gui::addMenuItem(bar, ids::kCmdAbout, QStringLiteral("Ü&ber\tF2"), ids::kAboutIcon);
    gui::endSubMenu(bar);
}

// Within each copy sub-menu the order is Integer, HEX, RGB.
void addCopySubMenu(const QString& title, int decCommand, int hexCommand, int rgbCommand) {
    const int menu = ids::kFunctionMenu;
    gui::beginSubMenu(menu, title);
    gui::addMenuItem(menu, decCommand, QStringLiteral("... als Integer"), ids::kCopyIntIcon);
    gui::addMenuItem(menu, hexCommand, QStringLiteral("... als HEX"), ids::kCopyHexIcon);
    gui::addMenuItem(menu, rgbCommand, QStringLiteral("... als RGB"), ids::kCopyRgbIcon);
    gui::endSubMenu(menu);
}

void createFunctionMenu() {
    const int menu = ids::kFunctionMenu;
    if (!gui::createPopupMenu(menu))
        return;
    addCopySubMenu(QStringLiteral("Farbe 1 kopieren ..."), ids::kCmdCopy1Dec, ids::kCmdCopy1Hex, ids::kCmdCopy1Rgb);
    addCopySubMenu(QStringLiteral("Farbe 2 kopieren ..."), ids::kCmdCopy2Dec, ids::kCmdCopy2Hex, ids::kCmdCopy2Rgb);
    addCopySubMenu(QStringLiteral("Farbe 3 kopieren ..."), ids::kCmdCopy3Dec, ids::kCmdCopy3Hex, ids::kCmdCopy3Rgb);
    gui::addMenuSeparator(menu);
    addCopySubMenu(QStringLiteral("Alle Farben kopieren ..."), ids::kCmdCopyAllDec, ids::kCmdCopyAllHex,
                   ids::kCmdCopyAllRgb);
    gui::addMenuSeparator(menu);
    gui::addMenuItem(menu, ids::kCmdMenuShowAll, QStringLiteral("Alles anzeigen"), ids::kShowAllIcon);
    gui::addMenuItem(menu, ids::kCmdMenuSearch, QStringLiteral("Suche..."), ids::kFindIcon);
    gui::addMenuItem(menu, ids::kCmdMenuNewEntry, QStringLiteral("Neue Farbe hinzufügen"), ids::kColourWheelIcon);
    gui::addMenuSeparator(menu);
    gui::addMenuItem(menu, ids::kCmdDeleteEntry, QStringLiteral("Diese Farbe löschen"), ids::kColourDeleteIcon);
    gui::addMenuSeparator(menu);
    gui::addMenuItem(menu, ids::kCmdMenuHelp, QStringLiteral("Hilfe"), ids::kHelpIcon);
    gui::addMenuItem(menu, ids::kCmdMenuAbout, QStringLiteral("Über"), ids::kAboutIcon);
}

} // namespace

void createMenus() {
    createMenuBar();
    createFunctionMenu();
}

void addShortcuts() {
    gui::addShortcut(ids::kMainWindow, Qt::Key_F5, ids::kCmdFunctionMenu);
    gui::addShortcut(ids::kMainWindow, Qt::Key_F1, ids::kCmdHelp);
    gui::addShortcut(ids::kMainWindow, Qt::Key_F2, ids::kCmdAbout);
    gui::addShortcut(ids::kMainWindow, Qt::Key_F3, ids::kCmdSearch);
    gui::addShortcut(ids::kMainWindow, Qt::Key_F6, ids::kCmdShowAll);
    gui::addShortcut(ids::kMainWindow, Qt::Key_F7, ids::kCmdMenuNewEntry);
}

void showFunctionMenu() {
    gui::activateWindow(ids::kMainWindow);
    gui::showPopupMenu(ids::kFunctionMenu, gui::mousePosition() - QPoint(1, 1));
}

} // namespace app
