#pragma once

#include <QString>

// The seven statements of the colour store. Values are written as SQL string literals with every single
// quote doubled, so a value always reaches SQLite as one whole text and can never end its literal early.
namespace store {

// 'text' with each ' doubled.
QString sqlLiteral(const QString& value);

QString allEntriesQuery();
QString categoryListQuery();
QString paletteListQuery();

// The three forms of the filter query.
QString filterByCategoryAndPaletteQuery(const QString& category, const QString& palette);
QString filterByCategoryQuery(const QString& category);
QString filterByPaletteQuery(const QString& palette);

// "%" and "_" in the term keep their LIKE meaning.
QString searchQuery(const QString& term);

QString insertStatement(const QString& category, const QString& palette, const QString& name, const QString& colour1,
                        const QString& colour2, const QString& colour3);

// Removes exactly one stored row: the first one whose six texts read back as the given ones (NULL matches
// nothing).
QString deleteOneEntryStatement(const QString& category, const QString& palette, const QString& name,
                                const QString& colour1, const QString& colour2, const QString& colour3);

} // namespace store
