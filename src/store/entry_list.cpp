#include "store/entry_list.h"

#include "app/ids.h"
#include "colour/detail_panel.h"
#include "gui/controls.h"
#include "gui/dialogs.h"
#include "gui/list_view.h"
#include "store/colour_db.h"
#include "store/statements.h"

namespace store {
namespace {

// Appends column 0 of every row of a list query to a drop-down box.
void appendQueryColumnTo(int dropDown, const QString& query) {
    openDatabase();
    runQuery(query);
    while (nextRow())
        gui::appendDropDownItem(dropDown, columnText(0));
    closeDatabase();
}

// The tail every fill shares: rows of the query appended as row texts, focus to the list, first row selected.
void fillRowsFrom(const QString& query) {
    openDatabase();
    runQuery(query);
    QString rowText; // reused for every row: it keeps its capacity
    while (nextRow()) {
        rowText.resize(0);
        appendColumnText(1, rowText);
        for (int column = 2; column <= 6; ++column) {
            rowText += u'\n';
            appendColumnText(column, rowText);
        }
        gui::appendListRow(ids::kEntryList, rowText);
    }
    closeDatabase();
    gui::setFocus(ids::kEntryList);
    gui::selectListRow(ids::kEntryList, 0);
}

} // namespace

void fillCategoryFilter() {
    appendQueryColumnTo(ids::kCategoryFilter, categoryListQuery());
}

void fillPaletteFilter() {
    appendQueryColumnTo(ids::kPaletteFilter, paletteListQuery());
}

void refillAllEntries() {
    gui::clearListRows(ids::kEntryList);
    fillRowsFrom(allEntriesQuery());
}

void applyFilter() {
    const bool noCategory = gui::controlText(ids::kCategoryFilter) == kCategoryFilterLabel;
    const bool noPalette = gui::controlText(ids::kPaletteFilter) == kPaletteFilterLabel;
    if (noCategory && noPalette)
        return;
    gui::clearListRows(ids::kEntryList);
    const QString category = gui::controlText(ids::kCategoryFilter);
    const QString palette = gui::controlText(ids::kPaletteFilter);
    if (noPalette)
        fillRowsFrom(filterByCategoryQuery(category));
    else if (noCategory)
        fillRowsFrom(filterByPaletteQuery(palette));
    else
        fillRowsFrom(filterByCategoryAndPaletteQuery(category, palette));
}

void showAllEntries() {
    gui::selectDropDownItem(ids::kCategoryFilter, 0);
    gui::selectDropDownItem(ids::kPaletteFilter, 0);
    refillAllEntries();
    colour::refreshDetails();
}

void searchWithDialog() {
    search(gui::askForText(kSearchTitle, kSearchPrompt));
}

void search(const QString& term) {
    gui::clearListRows(ids::kEntryList);
    fillRowsFrom(searchQuery(term));
}

} // namespace store
