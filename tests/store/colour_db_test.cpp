#include "store/colour_db.h"
#include "store/statements.h"
#include "support/file_flags.h"
#include "support/working_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <map>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

using testing_support::entry;
using testing_support::Entry;
using testing_support::setImmutable;
using testing_support::WorkingFolder;
using testing_support::writableByThisProcess;

const QString kFile = QString::fromLatin1(store::kDatabaseFile);

// Every file under the working folder with its bytes (directories with an empty marker), so a test can
// show that a failed action neither created nor changed anything.
std::map<QString, QByteArray> folderSnapshot(const WorkingFolder& folder) {
    std::map<QString, QByteArray> snapshot;
    const QDir root(folder.path());
    QDirIterator it(folder.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray bytes = QByteArrayLiteral("<dir>");
        if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        snapshot[root.relativeFilePath(path)] = bytes;
    }
    return snapshot;
}

// All rows of a query through the program's database layer, 'columns' texts each.
std::vector<QStringList> queryRows(const QString& statement, int columns) {
    std::vector<QStringList> rows;
    EXPECT_TRUE(store::openDatabase());
    EXPECT_TRUE(store::runQuery(statement)) << statement.toStdString();
    while (store::nextRow()) {
        QStringList row;
        for (int column = 0; column < columns; ++column)
            row << store::columnText(column);
        rows.push_back(row);
    }
    store::closeDatabase();
    return rows;
}

// Whether a connection of the test's own gets the write lock at once (no busy timeout): it cannot while
// any other connection still reads the file.
bool fileIsFreeForWriting() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(store::kDatabaseFile, &db, SQLITE_OPEN_READWRITE, nullptr);
    const bool locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (locked)
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return locked;
}

QString sampleInsert() {
    return store::insertStatement(QStringLiteral("Neu"), QStringLiteral("P"), QStringLiteral("N"),
                                  QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
}

class ColourDbTest : public ::testing::Test {
protected:
    void TearDown() override { store::closeDatabase(); }

    WorkingFolder folder;
};

TEST_F(ColourDbTest, MissingFileIsNeitherOpenedNorCreated) {
    EXPECT_FALSE(store::openDatabase());
    EXPECT_FALSE(store::isDatabaseOpen());
    EXPECT_FALSE(store::runQuery(store::allEntriesQuery()));
    EXPECT_FALSE(store::nextRow());
    EXPECT_EQ(store::columnText(0), QString());
    EXPECT_FALSE(store::runChange(sampleInsert()));
    store::closeDatabase();
    EXPECT_FALSE(QFile::exists(folder.filePath(kFile)));
    EXPECT_TRUE(folderSnapshot(folder).empty());
}

TEST_F(ColourDbTest, ColumnTextIsEmptyForNullMissingColumnsAndWithoutRow) {
    folder.createCollection({Entry{QStringLiteral("K"), std::nullopt, QStringLiteral("N"), std::nullopt,
                                   QStringLiteral(""), QStringLiteral("7,8,9")}});
    ASSERT_TRUE(store::openDatabase());
    ASSERT_TRUE(store::runQuery(store::allEntriesQuery()));
    EXPECT_EQ(store::columnText(1), QString()) << "before the first row";
    ASSERT_TRUE(store::nextRow());
    EXPECT_EQ(store::columnText(1), QStringLiteral("K"));
    EXPECT_EQ(store::columnText(2), QString()) << "NULL";
    EXPECT_EQ(store::columnText(3), QStringLiteral("N"));
    EXPECT_EQ(store::columnText(4), QString()) << "NULL";
    EXPECT_EQ(store::columnText(6), QStringLiteral("7,8,9"));
    for (int outside : {7, -1, 1000})
        EXPECT_EQ(store::columnText(outside), QString()) << "column " << outside;
    EXPECT_FALSE(store::nextRow());
    EXPECT_EQ(store::columnText(1), QString()) << "after the last row";
}

TEST_F(ColourDbTest, SecondQueryReplacesTheFirst) {
    folder.createCollection({entry("A", "P1", "N1", "1", "2", "3"), entry("B", "P2", "N2", "4", "5", "6"),
                             entry("A", "P3", "N3", "7", "8", "9")});
    ASSERT_TRUE(store::openDatabase());
    ASSERT_TRUE(store::runQuery(store::allEntriesQuery()));
    ASSERT_TRUE(store::nextRow());
    EXPECT_EQ(store::columnText(3), QStringLiteral("N1"));
    ASSERT_TRUE(store::runQuery(store::filterByPaletteQuery(QStringLiteral("P3"))));
    EXPECT_EQ(store::columnText(3), QString()) << "the row of the first query is gone";
    ASSERT_TRUE(store::nextRow());
    EXPECT_EQ(store::columnText(3), QStringLiteral("N3"));
    EXPECT_FALSE(store::nextRow()) << "only the second query's single row";

    // A failing query leaves no statement behind either.
    EXPECT_FALSE(store::runQuery(QStringLiteral("SELECT nothing FROM nowhere")));
    EXPECT_FALSE(store::nextRow());
}

TEST_F(ColourDbTest, OpeningAgainClosesTheOldConnection) {
    folder.createCollection({entry("A", "P", "N1", "1", "2", "3"), entry("B", "P", "N2", "4", "5", "6")});
    ASSERT_TRUE(store::openDatabase());
    ASSERT_TRUE(store::runQuery(store::allEntriesQuery()));
    ASSERT_TRUE(store::nextRow());
    // A half-read query keeps its read lock: this is what the checks below rely on.
    ASSERT_FALSE(fileIsFreeForWriting());

    ASSERT_TRUE(store::openDatabase());
    EXPECT_FALSE(store::nextRow()) << "the new connection has no statement";
    EXPECT_EQ(store::columnText(1), QString());
    EXPECT_TRUE(fileIsFreeForWriting()) << "the old connection still holds its lock";

    ASSERT_TRUE(store::runQuery(store::allEntriesQuery()));
    ASSERT_TRUE(store::nextRow());
    store::closeDatabase();
    EXPECT_FALSE(store::isDatabaseOpen());
    EXPECT_FALSE(store::nextRow());
    EXPECT_TRUE(fileIsFreeForWriting()) << "closing must release the lock";
}

TEST_F(ColourDbTest, TextsReadBackWhole) {
    const QString withNul = QStringLiteral("vor") + QChar(u'\0') + QStringLiteral("nach");
    const Entry stored{QStringLiteral("🎨 Kunst"), QStringLiteral("日本"),  QStringLiteral("Ä ö ß"), withNul,
                       QStringLiteral("𝄞𝄞"),      QStringLiteral("\r\n\t")};
    folder.createCollection({stored});
    const std::vector<QStringList> rows = queryRows(store::allEntriesQuery(), 7);
    ASSERT_EQ(rows.size(), 1u);
    const QStringList expected{*stored.category, *stored.palette, *stored.name,
                               *stored.colour1,  *stored.colour2, *stored.colour3};
    EXPECT_EQ(rows[0].mid(1), expected);
    EXPECT_EQ(rows[0][4].size(), 8) << "the U+0000 and the text behind it belong to the value";
}

// What SQLite's UTF-16 reading gives for every stored value of the table, through a connection of the test's own.
std::vector<QString> sqliteUtf16Readings(int column) {
    std::vector<QString> texts;
    sqlite3* db = nullptr;
    sqlite3_open_v2(store::kDatabaseFile, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, "SELECT * FROM colours", -1, &statement, nullptr), SQLITE_OK);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
        texts.push_back(QStringView(text, sqlite3_column_bytes16(statement, column) / 2).toString()); // keeps a U+FEFF
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return texts;
}

// Values another program may have stored, of every type and in every byte form: each must read exactly as
// SQLite's UTF-16 reading gives it, whichever way the layer converts it.
TEST_F(ColourDbTest, EveryStoredValueReadsAsSqlitesUtf16Text) {
    const QStringList values{
        "'Grün'",
        "'255,0,0'",
        "NULL",
        "42",
        "-7",
        "3.25",
        "1e300",
        "-0.0",
        "X''",
        "X'414243'",
        "X'C3A4'",
        "X'FF00FE'",
        "X'EFBFBF'",
        "'a' || char(0) || 'b'",
        "CAST(X'EFBFBE' AS TEXT)",
        "CAST(X'EDA080' AS TEXT)",
        "CAST(X'C080' AS TEXT)",
        "CAST(X'F09D849E' AS TEXT)",
        "CAST(X'E282' AS TEXT)",
        "'🎨 日本'",
        "CAST(X'EFBBBF21' AS TEXT)",
    };
    folder.createCollection({});
    for (const QString& value : values)
        folder.execute(QStringLiteral("INSERT INTO colours (kategorie) VALUES (%1)").arg(value));
    const std::vector<QString> expected = sqliteUtf16Readings(1);
    ASSERT_EQ(expected.size(), std::size_t(values.size()));

    ASSERT_TRUE(store::openDatabase());
    ASSERT_TRUE(store::runQuery(store::allEntriesQuery()));
    for (std::size_t row = 0; row < expected.size(); ++row) {
        const std::string value = values[qsizetype(row)].toStdString();
        ASSERT_TRUE(store::nextRow()) << value;
        EXPECT_EQ(store::columnText(1), expected[row]) << value;
        QString appended = QStringLiteral("|");
        store::appendColumnText(1, appended);
        EXPECT_EQ(appended, QStringLiteral("|") + expected[row]) << value;
    }
    EXPECT_FALSE(store::nextRow());
}

// Ways of making colours.tsdb read-only that hold even for root. Each returns false when it could not
// make the file read-only here; 'undo' makes the folder removable again.
struct ReadOnlyCase {
    const char* name;
    std::function<bool(const QString& path, std::function<void()>& undo)> protect;
};

const ReadOnlyCase kReadOnlyCases[] = {
    {"PermissionBits",
     [](const QString& path, std::function<void()>& undo) {
         QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
         undo = [path] {
             QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
         };
         if (!writableByThisProcess(path))
             return true;
         // Root writes through 0444; the immutable flag stops root too where the file system has it.
         if (!setImmutable(path, true))
             return false;
         undo = [path] {
             setImmutable(path, false);
             QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
         };
         return !writableByThisProcess(path);
     }},
    {"HeaderWriteVersion",
     [](const QString& path, std::function<void()>& undo) {
         // Byte 18 of the header is the file format write version; above 2 SQLite may only read the file.
         undo = [] {
         };
         QFile file(path);
         if (!file.open(QIODevice::ReadWrite) || !file.seek(18))
             return false;
         return file.write("\x03", 1) == 1;
     }},
};

class ReadOnlyFile : public ColourDbTest, public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(ReadOnlyFile, ReadsButRefusesChanges) {
    folder.createCollection({entry("A", "P", "N1", "1", "2", "3"), entry("B", "Q", "N2", "4", "5", "6")});
    const std::vector<QStringList> before = folder.storedRows();
    std::function<void()> undo;
    const bool protectedFile = GetParam().protect(folder.filePath(kFile), undo);
    struct Undo {
        std::function<void()>& undo;
        ~Undo() {
            if (undo)
                undo();
        }
    } restore{undo};
    if (!protectedFile)
        GTEST_SKIP() << "cannot make a file read-only for this user here (root without the immutable flag)";
    const QByteArray bytes = folderSnapshot(folder)[kFile];

    const std::vector<QStringList> read = queryRows(store::allEntriesQuery(), 7);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1][3], QStringLiteral("N2"));

    ASSERT_TRUE(store::openDatabase());
    EXPECT_FALSE(store::runChange(sampleInsert()));
    EXPECT_FALSE(store::runChange(QStringLiteral("DELETE FROM colours")));
    store::closeDatabase();
    EXPECT_EQ(folder.storedRows(), before);
    EXPECT_EQ(folderSnapshot(folder)[kFile], bytes);
}

INSTANTIATE_TEST_SUITE_P(Ways, ReadOnlyFile, ::testing::ValuesIn(kReadOnlyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Files called colours.tsdb that are no usable collection.
struct UnusableCase {
    const char* name;
    std::function<void(const WorkingFolder&)> make;
    bool plainSelectWorks; // "SELECT * FROM colours" and the DISTINCT lists
};

QByteArray noiseBytes() {
    // Fixed noise, so a failure can be repeated; it never starts with SQLite's header string.
    QByteArray bytes(4096, '\0');
    std::uint32_t state = 0x2545F491u;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = char(state >> 24);
    }
    bytes[0] = 'X';
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const UnusableCase kUnusableCases[] = {
    {"RandomBytes", [](const WorkingFolder& f) { writeFile(f.filePath(kFile), noiseBytes()); }, false},
    {"EmptyFile", [](const WorkingFolder& f) { writeFile(f.filePath(kFile), {}); }, false},
    {"Directory", [](const WorkingFolder& f) { ASSERT_TRUE(QDir(f.path()).mkdir(kFile)); }, false},
    {"NoColoursTable",
     [](const WorkingFolder& f) { f.execute(QStringLiteral("CREATE TABLE farben (kategorie TEXT, name TEXT)")); },
     false},
    {"TableWithoutFarbe3",
     [](const WorkingFolder& f) {
         f.execute(QStringLiteral("CREATE TABLE colours (id INTEGER PRIMARY KEY, kategorie TEXT, palette TEXT, "
                                  "name TEXT, farbe1 TEXT, farbe2 TEXT); "
                                  "INSERT INTO colours(kategorie, palette, name, farbe1, farbe2) "
                                  "VALUES('K', 'P', 'N', '1', '2')"));
     },
     true},
};

class UnusableFile : public ColourDbTest, public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableFile, StatementsFailAndNothingIsTouched) {
    GetParam().make(folder);
    const auto before = folderSnapshot(folder);
    ASSERT_FALSE(before.empty());

    store::openDatabase(); // may succeed: SQLite reads the file only when a statement needs it
    const bool select = GetParam().plainSelectWorks;
    EXPECT_EQ(store::runQuery(store::allEntriesQuery()), select);
    EXPECT_EQ(store::nextRow(), select);
    EXPECT_EQ(store::runQuery(store::categoryListQuery()), select);
    EXPECT_FALSE(store::runQuery(store::searchQuery(QStringLiteral("a"))));
    EXPECT_FALSE(store::nextRow());
    EXPECT_EQ(store::columnText(0), QString());
    EXPECT_FALSE(store::runChange(sampleInsert()));
    EXPECT_EQ(store::runQuery(store::filterByCategoryAndPaletteQuery(QStringLiteral("K"), QStringLiteral("P"))),
              select);
    store::closeDatabase();

    EXPECT_EQ(folderSnapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableFile, ::testing::ValuesIn(kUnusableCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColourDbTest, ChangeWaitsForALockHeldElsewhere) {
    folder.createCollection({entry("A", "P", "Alt", "1", "2", "3")});
    std::promise<int> lockTaken;
    int holderCommit = -1;
    std::thread holder([&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(store::kDatabaseFile, &db, SQLITE_OPEN_READWRITE, nullptr);
        const int begin = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "INSERT INTO colours(kategorie, palette, name) VALUES('H', 'H', 'Halter')", nullptr, nullptr,
                     nullptr);
        lockTaken.set_value(begin);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        holderCommit = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    });
    ASSERT_EQ(lockTaken.get_future().get(), SQLITE_OK);
    ASSERT_TRUE(store::openDatabase());
    const bool changed = store::runChange(sampleInsert());
    store::closeDatabase();
    holder.join();

    EXPECT_TRUE(changed);
    EXPECT_EQ(holderCommit, SQLITE_OK);
    // The program's row comes after the holder's: its insert ran only once the holder had committed.
    const std::vector<QStringList> rows = folder.storedRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][2], QStringLiteral("Alt"));
    EXPECT_EQ(rows[1][2], QStringLiteral("Halter"));
    EXPECT_EQ(rows[2][2], QStringLiteral("N"));
}

TEST_F(ColourDbTest, DistinctListsNameEachValueOnce) {
    folder.createCollection({
        entry("Natur", "Wald", "1", "", "", ""),
        Entry{std::nullopt, QStringLiteral("Wald"), QStringLiteral("2"), QString(), QString(), QString()},
        entry("", "Meer", "3", "", "", ""),
        entry("Natur", "Meer", "4", "", "", ""),
        Entry{std::nullopt, std::nullopt, QStringLiteral("5"), QString(), QString(), QString()},
        entry("", "", "6", "", "", ""),
        entry("Stadt", "Wald", "7", "", "", ""),
    });
    auto firstColumn = [](const QString& query) {
        QStringList values;
        for (const QStringList& row : queryRows(query, 1))
            values << row[0];
        return values;
    };
    // NULL and '' are two values; both read as the empty text.
    QStringList categories = firstColumn(store::categoryListQuery());
    QStringList palettes = firstColumn(store::paletteListQuery());
    categories.sort();
    palettes.sort();
    EXPECT_EQ(categories, (QStringList{"", "", "Natur", "Stadt"}));
    EXPECT_EQ(palettes, (QStringList{"", "", "Meer", "Wald"}));
}

} // namespace
