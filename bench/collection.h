#pragma once

#include <QString>
#include <array>
#include <string>

// The collections the figures run on: "colours.tsdb" files of a given size with realistic texts. Every entry is
// a pure function of its index, so every run measures the same data and a figure can know what row 0 holds.
namespace bench {

// Found in the name of exactly one entry in a hundred (and nowhere else, in any letter case).
inline const QString kSearchTerm = QStringLiteral("Seltenblau");

// Category, palette, name, colour 1, colour 2, colour 3, in UTF-8.
using GeneratedEntry = std::array<std::string, 6>;

GeneratedEntry entryAt(int index);

// How many of the first 'entries' entries hold the search term.
int searchHits(int entries);

// Writes the collection with the program's table layout into 'file', which must not exist yet.
void writeCollection(const QString& file, int entries);

} // namespace bench
