#pragma once

#include <QString>

// Which entries the entry list shows: all of them, one category and/or palette, or a search result.
// Every action reads the database afresh and replaces the whole list; the first row of a non-empty result
// is selected, and its change event refreshes the detail panel once the action has returned.
namespace store {

inline const QString kCategoryFilterLabel = QStringLiteral("Filter: nach Kategorie");
inline const QString kPaletteFilterLabel = QStringLiteral("Filter: nach Pallette");
inline const QString kSearchTitle = QStringLiteral("Tessora Suche");
inline const QString kSearchPrompt = QStringLiteral("Bitte einen Suchbegriff eingeben");

// Append the collection's categories / palettes behind the filter boxes' labels (start-up only).
void fillCategoryFilter();
void fillPaletteFilter();

void refillAllEntries();

// "Filter": narrows the list to the chosen category and/or palette; with both labels shown it does nothing.
void applyFilter();

// "Alle anzeigen": both boxes back to their labels, every entry, then the detail refresh.
void showAllEntries();

// Asks for a term, then searches with it (Escape searches with the empty term).
void searchWithDialog();
void search(const QString& term);

} // namespace store
