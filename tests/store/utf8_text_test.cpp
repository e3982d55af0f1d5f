#include "store/utf8_text.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace {

// SQLite's own reading of the bytes as UTF-16, the reading appendWellFormedUtf8 must match.
QString sqliteReading(const QByteArray& bytes) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(db, sqlite3_close);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, "SELECT CAST(?1 AS TEXT)", -1, &statement, nullptr), SQLITE_OK);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalizer(statement, sqlite3_finalize);
    sqlite3_bind_blob(statement, 1, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(statement), SQLITE_ROW);
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, 0));
    // Not QString::fromUtf16, which would take a leading U+FEFF for a byte order mark and drop it.
    return QStringView(text, sqlite3_column_bytes16(statement, 0) / 2).toString();
}

struct Utf8Case {
    const char* what;
    QByteArray bytes;
    bool converted; // false: left to SQLite
};

const Utf8Case kCases[] = {
    {"empty", QByteArray(), true},
    {"ASCII colour", QByteArrayLiteral("255,0,0"), true},
    {"German name", QByteArrayLiteral("Gr\xC3\xBCn \xC3\x9F"), true},
    {"three-byte", QByteArrayLiteral("\xE6\x97\xA5\xE6\x9C\xAC"), true},
    {"four-byte becomes a surrogate pair", QByteArrayLiteral("\xF0\x9D\x84\x9E"), true},
    {"highest code point", QByteArrayLiteral("\xF4\x8F\xBF\xBF"), true},
    {"U+FFFD itself", QByteArrayLiteral("\xEF\xBF\xBD"), true},
    {"a leading U+FEFF is a character like any other", QByteArrayLiteral("\xEF\xBB\xBF!"), true},
    {"U+0000 inside", QByteArray("a\0b", 3), true},
    {"U+FFFE, which SQLite replaces", QByteArrayLiteral("x\xEF\xBF\xBE"), false},
    {"U+FFFF, which SQLite replaces", QByteArrayLiteral("\xEF\xBF\xBFy"), false},
    {"encoded surrogate", QByteArrayLiteral("\xED\xA0\x80"), false},
    {"overlong two-byte", QByteArrayLiteral("\xC0\x80"), false},
    {"overlong three-byte", QByteArrayLiteral("\xE0\x80\xAF"), false},
    {"overlong four-byte", QByteArrayLiteral("\xF0\x8F\xBF\xBF"), false},
    {"beyond U+10FFFF", QByteArrayLiteral("\xF4\x90\x80\x80"), false},
    {"stray continuation byte", QByteArrayLiteral("ab\x80"), false},
    {"cut short at the end", QByteArrayLiteral("Gr\xC3"), false},
    {"cut short before ASCII", QByteArrayLiteral("\xE2\x82z"), false},
    {"byte FF", QByteArrayLiteral("\xFF"), false},
    {"Latin-1 umlaut", QByteArrayLiteral("Gr\xFCn"), false},
};

class Utf8Text : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Text, ConvertsExactlyLikeSqliteOrLeavesTheValueToIt) {
    const Utf8Case& c = GetParam();
    const QString prefix = QStringLiteral("vorher|");
    QString target = prefix;
    const bool converted = store::appendWellFormedUtf8(
        target, reinterpret_cast<const unsigned char*>(c.bytes.constData()), int(c.bytes.size()));
    ASSERT_EQ(converted, c.converted) << c.what;
    if (converted)
        EXPECT_EQ(target, prefix + sqliteReading(c.bytes)) << c.what;
    else
        EXPECT_EQ(target, prefix) << c.what << ": a refused value leaves the target as it was";
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Text, ::testing::ValuesIn(kCases));

} // namespace
