#pragma once

#include <QString>

// The new-entry window and deleting the selected entry: the two ways the user changes the collection.
namespace store {

inline const QString kNewEntryTitle = QStringLiteral("Tessora : Eintrag hinzufügen");
inline const QString kInputErrorTitle = QStringLiteral("Tessora : Eingabefehler");
inline const QString kInputErrorText =
    QStringLiteral("Eine Eingabe fehlt!\rBitte die Daten ergänzen\rund noch mals versuchen.\rDanke!");
inline const QString kInsertErrorTitle = QStringLiteral("Error");
inline const QString kInsertErrorText = QStringLiteral("Fehler beim Einfügen");

// Opens the window and runs its own loop until "OK" stored the entry or "Abbrechen" was pressed; every
// other event meanwhile is dropped.
void openNewEntryWindow();

// Stores one entry, its six texts trimmed of leading and trailing spaces; shows "Fehler beim Einfügen" and
// returns false when the database refuses it.
bool insertEntry(const QString& category, const QString& palette, const QString& name, const QString& colour1,
                 const QString& colour2, const QString& colour3);

// Removes the selected entry (one stored row with exactly its six texts) and shows all entries again.
// Does nothing when no row is selected.
void deleteSelectedEntry();

// Leading and trailing U+0020 removed; tabs and everything else stay.
QString trimSpaces(const QString& text);

} // namespace store
