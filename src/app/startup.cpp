#include "app/startup.h"

#include "app/dispatch.h"
#include "app/main_window.h"
#include "gui/fonts.h"
#include "gui/images.h"
#include "gui/menus.h"
#include "gui/toolkit.h"
#include "gui/windows.h"
#include "store/colour_db.h"
#include "store/entry_list.h"

#include <QDir>

namespace app {

void startUp() {
    gui::setUpToolkit();
    resetQuitFlag();
    const QString graphicsFolder = QStringLiteral("gfx") + QDir::separator();
    loadIconSet(graphicsFolder);
    createOffscreenImages();
    openMainWindow();
    store::fillCategoryFilter();
    store::fillPaletteFilter();
    store::refillAllEntries();
}

void shutDown() {
    gui::freeAllImages();
    gui::closeAllWindows();
    gui::freeAllMenus();
    gui::freeAllFonts();
    store::closeDatabase();
}

} // namespace app
