#include "store/statements.h"

namespace store {

QString sqlLiteral(const QString& value) {
    QString quoted = value;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

QString allEntriesQuery() {
    return QStringLiteral("SELECT * FROM colours");
}

QString categoryListQuery() {
    return QStringLiteral("SELECT DISTINCT kategorie FROM colours");
}

QString paletteListQuery() {
    return QStringLiteral("SELECT DISTINCT palette FROM colours");
}

QString filterByCategoryAndPaletteQuery(const QString& category, const QString& palette) {
    return QStringLiteral("SELECT * FROM colours WHERE palette = ") + sqlLiteral(palette) +
           QStringLiteral(" AND kategorie = ") + sqlLiteral(category);
}

QString filterByCategoryQuery(const QString& category) {
    return QStringLiteral("SELECT * FROM colours WHERE kategorie = ") + sqlLiteral(category);
}

QString filterByPaletteQuery(const QString& palette) {
    return QStringLiteral("SELECT * FROM colours WHERE palette = ") + sqlLiteral(palette);
}

QString searchQuery(const QString& term) {
    const QString pattern = sqlLiteral(u'%' + term + u'%');
    return QStringLiteral("SELECT * FROM colours WHERE name LIKE ") + pattern + QStringLiteral(" OR palette LIKE ") +
           pattern + QStringLiteral(" Or kategorie LIKE ") + pattern + QStringLiteral(" Or farbe1 LIKE ") + pattern +
           QStringLiteral(" Or farbe2 LIKE ") + pattern + QStringLiteral(" Or farbe3 LIKE ") + pattern;
}

QString insertStatement(const QString& category, const QString& palette, const QString& name, const QString& colour1,
                        const QString& colour2, const QString& colour3) {
    const QString sep = QStringLiteral(", ");
    return QStringLiteral("INSERT INTO colours(kategorie, palette, name, farbe1, farbe2, farbe3) VALUES(") +
           sqlLiteral(category) + sep + sqlLiteral(palette) + sep + sqlLiteral(name) + sep + sqlLiteral(colour1) + sep +
           sqlLiteral(colour2) + sep + sqlLiteral(colour3) + u')';
}

QString deleteOneEntryStatement(const QString& category, const QString& palette, const QString& name,
                                const QString& colour1, const QString& colour2, const QString& colour3) {
    // Entries are not unique, so the row is picked by its rowid: deleting one entry never takes its twins.
    // Each column is compared as the text the list shows for it, so a number stored by another program
    // (255 rather than '255') matches too.
    const QString values[] = {category, palette, name, colour1, colour2, colour3};
    const char* const columns[] = {"kategorie", "palette", "name", "farbe1", "farbe2", "farbe3"};
    QString statement = QStringLiteral("DELETE FROM colours WHERE rowid = (SELECT rowid FROM colours WHERE ");
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            statement += QStringLiteral(" AND ");
        statement += QStringLiteral("CAST(%1 AS TEXT) = ").arg(QLatin1String(columns[i])) + sqlLiteral(values[i]);
    }
    return statement + QStringLiteral(" LIMIT 1)");
}

} // namespace store
