#include "app/main_window.h"

#include "app/ids.h"
#include "app/menus.h"
#include "colour/detail_panel.h"
#include "gui/controls.h"
#include "gui/images.h"
#include "gui/windows.h"
#include "store/entry_list.h"

#include <array>

namespace app {
namespace {

struct IconFile {
    int image;
    const char* file;
};

constexpr std::array<IconFile, 11> kIconSet{{
    {ids::kAboutIcon, "about.ico"},
    {ids::kCopyIntIcon, "copy_int.ico"},
    {ids::kCopyHexIcon, "copy_hex.ico"},
    {ids::kCopyRgbIcon, "copy_rgb.ico"},
    {ids::kEditIcon, "edit.ico"},
    {ids::kExitIcon, "exit.ico"},
    {ids::kFindIcon, "find.ico"},
    {ids::kHelpIcon, "help.ico"},
    {ids::kShowAllIcon, "showall.ico"},
    {ids::kColourWheelIcon, "color_wheel.ico"},
    {ids::kColourDeleteIcon, "color_delete.ico"},
}};

const std::vector<gui::ListColumn> kEntryColumns{
    {QStringLiteral("Kategorie"), 160}, {QStringLiteral("Pallette"), 150}, {QStringLiteral("Name"), 200},
    {QStringLiteral("Farbe 1"), 75},    {QStringLiteral("Farbe 2"), 75},   {QStringLiteral("Farbe 3"), 75},
};

// Creation order is also the Tab order.
bool createControls() {
    const int w = ids::kMainWindow;
    return gui::createDropDownList(w, ids::kCategoryFilter, {8, 6, 160, 28}) &&
           gui::createDropDownList(w, ids::kPaletteFilter, {168, 6, 150, 28}) &&
           gui::createPushButton(w, ids::kFilterButton, {318, 6, 75, 22}, QStringLiteral("Filter")) &&
           gui::createPushButton(w, ids::kShowAllButton, {393, 6, 75, 22}, QStringLiteral("Alle anzeigen")) &&
           gui::createPushButton(w, ids::kSearchButton, {468, 6, 75, 22}, QStringLiteral("Suche")) &&
           gui::createPushButton(w, ids::kNewEntryButton, {543, 6, 100, 22}, QStringLiteral("Neuer Eintrag")) &&
           gui::createListView(w, ids::kEntryList, {8, 32, 830, 400}, kEntryColumns) &&
           gui::createReadOnlyRichText(w, ids::kDetailText, {8, 438, 290, 150}) &&
           gui::createImageField(w, ids::kColourPreview, {310, 438}, ids::kBlankImage);
}

} // namespace

void loadIconSet(const QString& graphicsFolder) {
    for (const IconFile& icon : kIconSet)
        gui::loadImageFile(icon.image, graphicsFolder + QLatin1String(icon.file));
}

void createOffscreenImages() {
    gui::createImage(ids::kBlankImage, 530, 150);
    gui::createImage(ids::kPreviewImage, 530, 150);
    gui::createImage(ids::kNewEntryPreviewImage, 360, 100);
    gui::fillRect(ids::kBlankImage, {0, 0, 530, 150}, 0xFFFFFF);
    gui::fillRect(ids::kNewEntryPreviewImage, {0, 0, 360, 100}, 0xFFFFFF);
}

void openMainWindow() {
    if (!gui::openWindow(ids::kMainWindow, kMainTitle, {850, 616}, gui::WindowStyle::Sizable, {}))
        return;
    createMenus();
    if (!createControls())
        return;
    gui::appendDropDownItem(ids::kCategoryFilter, store::kCategoryFilterLabel);
    gui::appendDropDownItem(ids::kPaletteFilter, store::kPaletteFilterLabel);
    gui::selectDropDownItem(ids::kCategoryFilter, 0);
    gui::selectDropDownItem(ids::kPaletteFilter, 0);
    colour::refreshDetails();
    gui::setFocus(ids::kEntryList);
    addShortcuts();
}

} // namespace app
