#include "baseline_scan.h"

#include "harness.h"

#include <sqlite3.h>
#include <vector>

namespace bench {

ScanResult bareScan(const QString& file, const QString& sql) {
    sqlite3* db = nullptr;
    const QByteArray path = file.toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        fail(QStringLiteral("baseline cannot open %1").arg(file));
    }
    const QByteArray query = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, query.constData(), int(query.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        fail(QStringLiteral("baseline cannot prepare %1").arg(sql));
    }
    ScanResult result;
    // The texts live until the next row, as they would in any reader that keeps them, so the conversion
    // cannot be dropped by the optimiser.
    std::vector<QString> texts;
    texts.reserve(6);
    volatile long long characters = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        texts.clear();
        for (int column = 1; column <= 6; ++column) {
            const void* text = sqlite3_column_text16(statement, column);
            const int bytes = sqlite3_column_bytes16(statement, column);
            texts.emplace_back(static_cast<const QChar*>(text), bytes / 2);
            characters = characters + texts.back().size();
        }
        ++result.rows;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    result.characters = characters;
    return result;
}

} // namespace bench
