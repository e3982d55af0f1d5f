#include "store/colour_db.h"

#include <sqlite3.h>

namespace store {
namespace {

// The one connection (id 0). It owns its handle and its prepared statement; every path out goes through
// finalize() and close(), so nothing leaks when an action fails half-way.
struct Connection {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    bool hasRow = false;

    void finalize() {
        sqlite3_finalize(statement); // harmless on nullptr
        statement = nullptr;
        hasRow = false;
    }

    void close() {
        finalize();
        sqlite3_close(db);
        db = nullptr;
    }

    ~Connection() { close(); }
};

Connection connection;

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
    return true;
}

bool nextRow() {
    if (!connection.db || !connection.statement)
        return false;
    connection.hasRow = sqlite3_step(connection.statement) == SQLITE_ROW;
    return connection.hasRow;
}

namespace {

// The current row's text of a column as UTF-16, or an empty view for NULL, a missing column or no row.
QStringView currentText(int column) {
    if (!connection.hasRow || column < 0 || column >= sqlite3_column_count(connection.statement))
        return {};
    const void* text = sqlite3_column_text16(connection.statement, column);
    if (!text)
        return {};
    // The byte count keeps texts that hold a U+0000 whole instead of stopping at it.
    const int bytes = sqlite3_column_bytes16(connection.statement, column);
    return QStringView(static_cast<const char16_t*>(text), bytes / 2);
}

} // namespace

QString columnText(int column) {
    return currentText(column).toString();
}

void appendColumnText(int column, QString& target) {
    target.append(currentText(column));
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
