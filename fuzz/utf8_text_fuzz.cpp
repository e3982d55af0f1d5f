// Feeds arbitrary bytes to the UTF-8 reading of database texts: whatever it converts must be exactly what
// SQLite's own UTF-16 reading gives, and it must convert every well-formed text SQLite reads the textbook way.
#include "store/utf8_text.h"

#include <QByteArray>
#include <cstdlib>
#include <sqlite3.h>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

sqlite3_stmt* castStatement() {
    static sqlite3* db = nullptr;
    static sqlite3_stmt* statement = nullptr;
    if (!statement) {
        require(sqlite3_open(":memory:", &db) == SQLITE_OK);
        require(sqlite3_prepare_v2(db, "SELECT CAST(?1 AS TEXT)", -1, &statement, nullptr) == SQLITE_OK);
    }
    return statement;
}

QString sqliteReading(const unsigned char* data, int size) {
    sqlite3_stmt* statement = castStatement();
    sqlite3_reset(statement);
    sqlite3_bind_blob(statement, 1, data, size, SQLITE_TRANSIENT);
    require(sqlite3_step(statement) == SQLITE_ROW);
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, 0));
    // Not QString::fromUtf16, which would take a leading U+FEFF for a byte order mark and drop it.
    return QStringView(text, sqlite3_column_bytes16(statement, 0) / 2).toString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 1 << 16)
        return 0;
    const int count = int(size);
    QString converted = QStringLiteral("prefix");
    const bool accepted = store::appendWellFormedUtf8(converted, data, count);
    if (!accepted) {
        require(converted == QStringLiteral("prefix"));
    } else {
        require(converted == QStringLiteral("prefix") + sqliteReading(data, count));
    }

    // Well-formed UTF-8 (it survives Qt's decoding and encoding unchanged) without U+FFFE and U+FFFF is
    // always converted here rather than handed back to SQLite.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() == bytes && !decoded.contains(QChar(0xFFFE)) && !decoded.contains(QChar(0xFFFF)))
        require(accepted);
    return 0;
}
