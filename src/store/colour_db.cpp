#include "store/colour_db.h"

#include "store/utf8_text.h"

#include <sqlite3.h>

namespace store {
namespace {

// The one connection (id 0). It owns its handle and its prepared statement; every path out goes through
// finalize() and close(), so nothing leaks when an action fails half-way.
struct Connection {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    bool hasRow = false;
    bool cacheSized = false;

    void finalize() {
        sqlite3_finalize(statement); // harmless on nullptr
        statement = nullptr;
        hasRow = false;
    }

    void close() {
        finalize();
        sqlite3_close(db);
        db = nullptr;
        cacheSized = false;
    }

    ~Connection() { close(); }
};

Connection connection;

// Every query reads the table once from start to end, so SQLite's default page cache of 2000 KiB buys nothing
// here: it is allocated page by page on every connection and given back when the action closes it. With
// 100,000 entries that fresh memory took a third of a category-list query's 24 ms. 64 pages still hold the
// tree's inner pages. The pragma runs after the first prepare because it needs the schema: run before, it would
// be what reads the file, and with the file locked it would wait out the busy timeout besides the statement.
void keepPageCacheSmall() {
    if (connection.cacheSized)
        return;
    sqlite3_exec(connection.db, "PRAGMA cache_size = 64", nullptr, nullptr, nullptr);
    connection.cacheSized = true;
}

} // namespace

bool openDatabase() {
    connection.close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(kDatabaseFile, &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        // SQLite hands out a handle even on failure; it must be closed all the same.
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    connection.db = db;
    return true;
}

bool runQuery(const QString& statement) {
    if (!connection.db)
        return false;
    connection.finalize();
    const QByteArray utf8 = statement.toUtf8();
    const int rc =
        sqlite3_prepare_v2(connection.db, utf8.constData(), int(utf8.size()), &connection.statement, nullptr);
    if (rc != SQLITE_OK) {
        connection.finalize();
        return false;
    }
    keepPageCacheSmall();
    return true;
}

bool nextRow() {
    if (!connection.db || !connection.statement)
        return false;
    connection.hasRow = sqlite3_step(connection.statement) == SQLITE_ROW;
    return connection.hasRow;
}

QString columnText(int column) {
    QString text;
    appendColumnText(column, text);
    return text;
}

void appendColumnText(int column, QString& target) {
    if (!connection.hasRow || column < 0 || column >= sqlite3_column_count(connection.statement))
        return;
    // SQLite keeps the texts as UTF-8 in a buffer it reuses from row to row, while its UTF-16 reading
    // allocates and frees a buffer for every value. Well-formed UTF-8 is therefore converted here; any value
    // SQLite would convert in its own way is left to SQLite's UTF-16 reading, so the text is the same.
    const unsigned char* utf8 = sqlite3_column_text(connection.statement, column);
    if (!utf8)
        return; // NULL
    if (appendWellFormedUtf8(target, utf8, sqlite3_column_bytes(connection.statement, column)))
        return;
    const void* utf16 = sqlite3_column_text16(connection.statement, column);
    if (!utf16)
        return;
    // The byte count keeps texts that hold a U+0000 whole instead of stopping at it.
    const int bytes = sqlite3_column_bytes16(connection.statement, column);
    target.append(QStringView(static_cast<const char16_t*>(utf16), bytes / 2));
}

bool runChange(const QString& statement) {
    if (!connection.db)
        return false;
    connection.finalize();
    return sqlite3_exec(connection.db, statement.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void closeDatabase() {
    connection.close();
}

bool isDatabaseOpen() {
    return connection.db != nullptr;
}

} // namespace store
