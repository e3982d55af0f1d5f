#include "support/working_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testing_support {
namespace {

// A short-lived connection of the test's own, so what the program wrote is checked independently.
class Direct {
public:
    Direct() {
        if (sqlite3_open_v2("colours.tsdb", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open colours.tsdb";
    }
    ~Direct() { sqlite3_close(db_); }
    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

void bindOptional(sqlite3_stmt* statement, int index, const std::optional<QString>& value) {
    if (!value) {
        sqlite3_bind_null(statement, index);
        return;
    }
    const QByteArray utf8 = value->toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

} // namespace

Entry entry(const QString& category, const QString& palette, const QString& name, const QString& colour1,
            const QString& colour2, const QString& colour3) {
    return {category, palette, name, colour1, colour2, colour3};
}

WorkingFolder::WorkingFolder() : previous_(QDir::currentPath()) {
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
}

WorkingFolder::~WorkingFolder() {
    QDir::setCurrent(previous_);
}

void WorkingFolder::createCollection(const std::vector<Entry>& entries) const {
    execute(QStringLiteral("CREATE TABLE colours (id INTEGER PRIMARY KEY, kategorie TEXT, palette TEXT, name TEXT, "
                           "farbe1 TEXT, farbe2 TEXT, farbe3 TEXT)"));
    Direct direct;
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(direct.db(),
                       "INSERT INTO colours(kategorie, palette, name, farbe1, farbe2, farbe3) VALUES(?,?,?,?,?,?)", -1,
                       &insert, nullptr);
    sqlite3_exec(direct.db(), "BEGIN", nullptr, nullptr, nullptr);
    for (const Entry& e : entries) {
        const std::optional<QString>* values[] = {&e.category, &e.palette, &e.name, &e.colour1, &e.colour2, &e.colour3};
        for (int i = 0; i < 6; ++i)
            bindOptional(insert, i + 1, *values[i]);
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
        sqlite3_reset(insert);
    }
    sqlite3_exec(direct.db(), "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(insert);
}

void WorkingFolder::execute(const QString& sql) const {
    Direct direct;
    char* error = nullptr;
    const int rc = sqlite3_exec(direct.db(), sql.toUtf8().constData(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << " in: " << sql.toStdString();
    sqlite3_free(error);
}

std::vector<QStringList> WorkingFolder::storedRows() const {
    std::vector<QStringList> rows;
    Direct direct;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(direct.db(),
                           "SELECT kategorie, palette, name, farbe1, farbe2, farbe3 FROM colours ORDER BY rowid", -1,
                           &query, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot read colours";
        return rows;
    }
    while (sqlite3_step(query) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < 6; ++i) {
            if (sqlite3_column_type(query, i) == SQLITE_NULL)
                row << QStringLiteral("<NULL>");
            else
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, i)),
                                         sqlite3_column_bytes(query, i));
        }
        rows.push_back(row);
    }
    sqlite3_finalize(query);
    return rows;
}

void WorkingFolder::copyAssets() const {
    QDir(dir_.path()).mkpath(QStringLiteral("gfx"));
    QDir(dir_.path()).mkpath(QStringLiteral("help"));
    const QDir gfx(assetsPath() + QStringLiteral("/gfx"));
    for (const QString& name : gfx.entryList({QStringLiteral("*.ico")}, QDir::Files))
        QFile::copy(gfx.filePath(name), filePath(QStringLiteral("gfx/") + name));
    QFile::copy(assetsPath() + QStringLiteral("/help/index.html"), filePath(QStringLiteral("help/index.html")));
}

QString assetsPath() {
    return qEnvironmentVariable("TESSORA_SOURCE_DIR") + QStringLiteral("/assets");
}

} // namespace testing_support
