#include "app/dispatch.h"
#include "app/ids.h"
#include "app/startup.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/list_view.h"
#include "gui/windows.h"
#include "store/colour_db.h"
#include "store/new_entry_window.h"
#include "support/file_flags.h"
#include "support/program.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <future>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <ostream>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <thread>
#include <tuple>
#include <unistd.h>

// Failure messages show texts instead of bytes, cut short: one of the values here is a megabyte long.
void PrintTo(const QString& text, std::ostream* out) {
    QString shown = text.left(120);
    shown.replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\t', QStringLiteral("\\t"));
    *out << '"' << shown.toStdString() << '"';
    if (text.size() > 120)
        *out << "... (" << text.size() << " characters)";
}

namespace {

using namespace testing_support;

const QString kFile = QString::fromLatin1(store::kDatabaseFile);
const QString kNullMark = QStringLiteral("<NULL>"); // how WorkingFolder::storedRows() shows NULL

const std::vector<Entry> kBase{
    entry("Natur", "Wald", "Moos", "0,128,0", "10,20,30", "1,2,3"),
    entry("Stadt", "Meer", "Hafen", "0,0,200", "3,3,3", "4,4,4"),
    entry("Natur", "Meer", "Alge", "0,100,50", "4,5,6", "7,8,9"),
};

// The texts of the entry a test adds; one of them is replaced by a hostile value.
const QStringList kNewTexts{"Neu", "Palette", "Name", "11,22,33", "44,55,66", "77,88,99"};

// A connection of the test's own, for what WorkingFolder does not offer: every column of a table of any
// shape, the schema, bound LIKE searches as an oracle. Errors are reported, never fatal: some files here
// are damaged on purpose.
class Direct {
public:
    Direct() { sqlite3_open_v2(store::kDatabaseFile, &db_, SQLITE_OPEN_READONLY, nullptr); }
    ~Direct() { sqlite3_close(db_); }

    // Every row of a query, all its columns as text (NULL as "<NULL>"); 'ok' tells whether it ran to its end.
    std::vector<QStringList> rows(const QString& sql, const QString& bound = {}, bool* ok = nullptr) const {
        std::vector<QStringList> result;
        sqlite3_stmt* statement = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        bool done = sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &statement, nullptr) == SQLITE_OK;
        const QByteArray parameter = bound.toUtf8();
        if (done && sqlite3_bind_parameter_count(statement) > 0)
            sqlite3_bind_text(statement, 1, parameter.constData(), int(parameter.size()), SQLITE_TRANSIENT);
        int rc = SQLITE_DONE;
        while (done && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                if (sqlite3_column_type(statement, i) == SQLITE_NULL)
                    row << kNullMark;
                else
                    row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)),
                                             sqlite3_column_bytes(statement, i));
            }
            result.push_back(row);
        }
        sqlite3_finalize(statement);
        if (ok)
            *ok = done && rc == SQLITE_DONE;
        return result;
    }

private:
    sqlite3* db_ = nullptr;
};

std::vector<QStringList> schema() {
    return Direct().rows(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"));
}

QString integrity() {
    const auto rows = Direct().rows(QStringLiteral("PRAGMA integrity_check"));
    return rows.empty() ? QString() : rows[0][0];
}

// The rows a search must find, asked with the term bound as a parameter instead of written into the SQL.
std::vector<QStringList> searchOracle(const QString& term) {
    return Direct().rows(QStringLiteral("SELECT kategorie, palette, name, farbe1, farbe2, farbe3 FROM colours "
                                        "WHERE name LIKE ?1 OR palette LIKE ?1 OR kategorie LIKE ?1 OR farbe1 LIKE ?1 "
                                        "OR farbe2 LIKE ?1 OR farbe3 LIKE ?1 ORDER BY rowid"),
                         u'%' + term + u'%');
}

// What the entry list shows for a stored row: the six texts joined by line feeds and split at every line
// feed again, so a text holding one pushes the later texts one column on.
QStringList shownCells(const QStringList& stored) {
    QStringList texts;
    for (const QString& text : stored)
        texts << (text == kNullMark ? QString() : text);
    QStringList cells = texts.join(u'\n').split(u'\n');
    cells.resize(6);
    return cells;
}

std::vector<QStringList> shownRows(const std::vector<QStringList>& stored) {
    std::vector<QStringList> shown;
    for (const QStringList& row : stored)
        shown.push_back(shownCells(row));
    return shown;
}

std::vector<QStringList> listRows() {
    std::vector<QStringList> rows;
    for (int row = 0; row < gui::listRowCount(ids::kEntryList); ++row) {
        QStringList cells;
        for (int column = 0; column < 6; ++column)
            cells << gui::listCellText(ids::kEntryList, row, column);
        rows.push_back(cells);
    }
    return rows;
}

int listRowOf(const QStringList& cells) {
    const auto rows = listRows();
    const auto it = std::find(rows.begin(), rows.end(), cells);
    return it == rows.end() ? -1 : int(it - rows.begin());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderFiles(const WorkingFolder& folder) {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Set while a script of the test itself answers a dialog.
bool modalExpected = false;

// Any modal dialog nobody expected (an error box after an insert that should work) is recorded and closed,
// so the test fails instead of hanging in the dialog's loop.
class UnexpectedModalGuard {
public:
    UnexpectedModalGuard() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modalExpected)
                return;
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen_ << modal->windowTitle() + QStringLiteral(": ") + (box ? box->text() : modal->objectName());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        timer_.start();
    }
    ~UnexpectedModalGuard() {
        EXPECT_TRUE(seen_.isEmpty()) << "unexpected dialogs: " << seen_.join(u'|').toStdString();
    }

private:
    QTimer timer_;
    QStringList seen_;
};

// Runs the search through the real dispatch, the term typed into the real dialog and confirmed with OK.
void searchThroughDialog(Program& program, const QString& term) {
    UiScript script;
    script.then([term] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QStringLiteral("text_input_dialog"))
            return false;
        auto* field = modal->findChild<QLineEdit*>();
        EXPECT_NE(field, nullptr);
        if (field)
            field->insert(term);
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("OK"))
                QTest::mouseClick(button, Qt::LeftButton);
        return true;
    });
    script.start();
    modalExpected = true;
    app::dispatchEvent(gui::controlEvent(ids::kSearchButton, gui::EventType::Click));
    modalExpected = false;
    EXPECT_TRUE(script.finished()) << "the search dialog did not appear";
    program.settle();
}

void selectAndDelete(Program& program, int row) {
    gui::selectListRow(ids::kEntryList, row);
    program.settle();
    ASSERT_EQ(gui::selectedListRow(ids::kEntryList), row);
    app::dispatchEvent(gui::commandEvent(ids::kCmdDeleteEntry));
    program.settle();
}

// Start-up once more in the same folder, as when the user starts the program on a file made meanwhile.
void restart(Program& program) {
    app::shutDown();
    gui::discardQueuedEvents();
    app::startUp();
    program.settle();
}

// Hostile values in every field ----------------------------------------------------------------------------

struct HostileValue {
    const char* name;
    QString typed;
    QString stored; // typed with its outer spaces trimmed
    QString term;   // a distinctive part of it to search for
};

QString oneMegabyte() {
    QString text(1 << 20, u'x');
    for (const int at : {0, 4096, 500000, (1 << 20) - 1})
        text[at] = u'\'';
    text.replace(1 << 19, 12, QStringLiteral("Mb'Marke''--"));
    return text;
}

const QString kGreek = QStringLiteral("Ελληνικά");
const QString kMegabyte = oneMegabyte();

const HostileValue kHostileValues[] = {
    {"SingleQuote", "O'Brien", "O'Brien", "O'B"},
    {"OnlyQuotes", "'''", "'''", "''"},
    {"DashDash", "Rot -- Grün", "Rot -- Grün", "t -- G"},
    {"Semicolon", "Blau; Gelb;", "Blau; Gelb;", "; G"},
    {"Percent", "100% Rot", "100% Rot", "0% R"},
    {"Underscore", "a_b_c", "a_b_c", "_b_"},
    {"DropTable", "'); DROP TABLE colours; --", "'); DROP TABLE colours; --", "DROP TABLE"},
    {"LineFeed", "Zeile1\nZeile2", "Zeile1\nZeile2", "Zeile2"},
    {"CarriageReturnLineFeed", "Zeile1\r\nZeile2", "Zeile1\r\nZeile2", "Zeile1"},
    {"Tabs", "\tTab\tmitte\t", "\tTab\tmitte\t", "Tab\tmitte"},
    {"Greek", kGreek, kGreek, QStringLiteral("ληνι")},
    {"Japanese", QStringLiteral("日本語"), QStringLiteral("日本語"), QStringLiteral("本")},
    {"Umlaut", QStringLiteral("Ärger"), QStringLiteral("Ärger"), QStringLiteral("Ärg")},
    {"Emoji", QStringLiteral("🎨🖌️"), QStringLiteral("🎨🖌️"), QStringLiteral("🖌")},
    {"OuterSpaces", "   ' gepolstert '   ", "' gepolstert '", "gepolstert"},
    {"OneMegabyte", kMegabyte, kMegabyte, "Mb'Marke''--"},
};

void PrintTo(const HostileValue& value, std::ostream* out) {
    *out << value.name;
}

const char* const kFieldNames[] = {"Category", "Palette", "Name", "Colour1", "Colour2", "Colour3"};

class HostileValueInField : public ::testing::TestWithParam<std::tuple<HostileValue, int>> {};

TEST_P(HostileValueInField, IsStoredExactlyFoundAndDeletedAlone) {
    const auto& [value, field] = GetParam();
    Program program(kBase);
    UnexpectedModalGuard guard;
    program.settle();
    const std::vector<QStringList> before = program.folder().storedRows();
    const std::vector<QStringList> schemaBefore = schema();

    QStringList typed = kNewTexts;
    typed[field] = value.typed;
    ASSERT_TRUE(store::insertEntry(typed[0], typed[1], typed[2], typed[3], typed[4], typed[5]));

    QStringList expected = kNewTexts;
    expected[field] = value.stored;
    const std::vector<QStringList> after = program.folder().storedRows();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin())) << "the other rows are unchanged";
    EXPECT_EQ(after.back(), expected);
    EXPECT_EQ(schema(), schemaBefore) << "the table is still there, as it was";

    searchThroughDialog(program, value.term);
    const std::vector<QStringList> found = searchOracle(value.term);
    EXPECT_NE(std::find(found.begin(), found.end(), expected), found.end()) << "the oracle finds the entry";
    EXPECT_EQ(listRows(), shownRows(found));

    const int row = listRowOf(shownCells(expected));
    ASSERT_GE(row, 0) << "the new entry is listed";
    selectAndDelete(program, row);
    if (value.stored.contains(u'\n')) {
        // The delete matches the texts the list shows, and for this entry they are shifted: no stored row has
        // them, so the entry cannot be deleted from the list. Nothing else may go instead.
        EXPECT_EQ(program.folder().storedRows(), after);
    } else {
        EXPECT_EQ(program.folder().storedRows(), before);
    }
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), int(program.folder().storedRows().size()));
    EXPECT_EQ(schema(), schemaBefore);
    EXPECT_EQ(integrity(), QStringLiteral("ok"));
}

INSTANTIATE_TEST_SUITE_P(Values, HostileValueInField,
                         ::testing::Combine(::testing::ValuesIn(kHostileValues), ::testing::Range(0, 6)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_In" +
                                    kFieldNames[std::get<1>(info.param)];
                         });

// A script step that notes the next message box as "title/text" and closes it.
std::function<bool()> recordMessageBox(QStringList& boxes) {
    return answerModal<QMessageBox>([&boxes](QMessageBox* box) {
        boxes << box->windowTitle() + u'/' + box->text();
        box->accept();
    });
}

// A U+0000 cannot travel inside the SQL text: the insert must then store the whole value or nothing at all.
TEST(HostileValueWithNul, IsStoredWholeOrRefusedWithTheErrorBox) {
    Program program(kBase);
    program.settle();
    const std::vector<QStringList> before = program.folder().storedRows();
    const QString withNul = QStringLiteral("vor") + QChar(u'\0') + QStringLiteral("'); DELETE FROM colours; --");

    QStringList boxes;
    UiScript script;
    script.then(recordMessageBox(boxes));
    script.start();
    const bool stored = store::insertEntry(QStringLiteral("K"), QStringLiteral("P"), withNul, QStringLiteral("1,2,3"),
                                           QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
    const std::vector<QStringList> after = program.folder().storedRows();
    if (stored) {
        ASSERT_EQ(after.size(), before.size() + 1);
        EXPECT_EQ(after.back()[2], withNul);
        EXPECT_TRUE(boxes.isEmpty());
    } else {
        EXPECT_EQ(after, before);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(boxes, QStringList{QStringLiteral("Error/Fehler beim Einfügen")});
    }
}

// A line feed shifts the list's texts, so the selected entry shows the six texts of another entry that the
// user never selected. Deleting the selected row may leave it (its own texts are not the shown ones), but
// must not take that other entry instead.
TEST(HostileLineFeed, DeletingTheShiftedRowTakesNoOtherEntry) {
    const Entry withLineFeed = entry("Kat\nTeil", "P", "N", "1,1,1", "2,2,2", "3,3,3");
    const Entry lookalike = entry("Kat", "Teil", "P", "N", "1,1,1", "2,2,2");
    Program program({withLineFeed, lookalike, kBase[0]});
    program.settle();
    const std::vector<QStringList> before = program.folder().storedRows();
    ASSERT_EQ(listRows()[0], listRows()[1]) << "both rows look the same in the list";

    selectAndDelete(program, 0);
    const std::vector<QStringList> after = program.folder().storedRows();
    const std::vector<QStringList> selectedGone{before[1], before[2]};
    EXPECT_TRUE(after == before || after == selectedGone)
        << "rows left after deleting row 0 (the line-feed entry): " << ::testing::PrintToString(after);
}

// File shapes at start-up ----------------------------------------------------------------------------------

struct ShapeCase {
    const char* name;
    const char* createSql;
    std::vector<QStringList> shown; // the list after start-up
    const char* newRowCheck;        // gives 1 when the added row's other columns are as they should be
    int deleteRow;                  // the list row deleted
    bool deletable;                 // whether that row goes, or (as the only other outcome) nothing does
};

const ShapeCase kShapeCases[] = {
    {"TextLeadingColumn",
     "CREATE TABLE colours (code TEXT, kategorie TEXT, palette TEXT, name TEXT, farbe1 TEXT, farbe2 TEXT, "
     "farbe3 TEXT);"
     "INSERT INTO colours VALUES('A-1', 'Natur', 'Wald', 'Moos', '0,128,0', '1,1,1', '2,2,2');"
     "INSERT INTO colours VALUES('B-2', 'Stadt', 'Meer', 'Hafen', '0,0,200', '3,3,3', '4,4,4');"
     "INSERT INTO colours VALUES(NULL, 'Natur', 'Meer', 'Alge', '0,100,50', '4,5,6', '7,8,9');",
     {{"Natur", "Wald", "Moos", "0,128,0", "1,1,1", "2,2,2"},
      {"Stadt", "Meer", "Hafen", "0,0,200", "3,3,3", "4,4,4"},
      {"Natur", "Meer", "Alge", "0,100,50", "4,5,6", "7,8,9"}},
     "SELECT code IS NULL FROM colours WHERE name = 'N''eu'",
     1,
     true},
    {"ExtraEighthColumn",
     "CREATE TABLE colours (id INTEGER PRIMARY KEY, kategorie TEXT, palette TEXT, name TEXT, farbe1 TEXT, "
     "farbe2 TEXT, farbe3 TEXT, notiz TEXT);"
     "INSERT INTO colours VALUES(NULL, 'Natur', 'Wald', 'Moos', '0,128,0', '1,1,1', '2,2,2', 'geheim');"
     "INSERT INTO colours VALUES(NULL, 'Stadt', 'Meer', 'Hafen', '0,0,200', '3,3,3', '4,4,4', 'auch');",
     {{"Natur", "Wald", "Moos", "0,128,0", "1,1,1", "2,2,2"}, {"Stadt", "Meer", "Hafen", "0,0,200", "3,3,3", "4,4,4"}},
     "SELECT notiz IS NULL FROM colours WHERE name = 'N''eu'",
     0,
     true},
    // Columns without a type keep numbers as numbers; the list shows them as text, and the delete compares
    // each column as the text the list shows, so the entry can still be deleted.
    {"NumbersInUntypedColumns",
     "CREATE TABLE colours (id INTEGER PRIMARY KEY, kategorie, palette, name, farbe1, farbe2, farbe3);"
     "INSERT INTO colours VALUES(NULL, 'Natur', 'Wald', 'Moos', '0,128,0', '1,1,1', '2,2,2');"
     "INSERT INTO colours VALUES(NULL, 'Zahl', 'Meer', 'Zahlen', 255, 1.5, 7);",
     {{"Natur", "Wald", "Moos", "0,128,0", "1,1,1", "2,2,2"}, {"Zahl", "Meer", "Zahlen", "255", "1.5", "7"}},
     "SELECT typeof(farbe1) = 'text' FROM colours WHERE name = 'N''eu'",
     1,
     true},
};

class FileShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(FileShape, ListsInsertsAndDeletesWithoutTouchingOtherColumns) {
    const ShapeCase& c = GetParam();
    Program program({}, false);
    UnexpectedModalGuard guard;
    program.folder().execute(QString::fromUtf8(c.createSql));
    restart(program);
    const QString everything = QStringLiteral("SELECT * FROM colours ORDER BY rowid");
    const std::vector<QStringList> original = Direct().rows(everything);

    EXPECT_EQ(listRows(), c.shown);

    ASSERT_TRUE(store::insertEntry(QStringLiteral("Neu"), QStringLiteral("P"), QStringLiteral("N'eu"),
                                   QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9")));
    EXPECT_EQ(Direct().rows(QString::fromUtf8(c.newRowCheck)), std::vector<QStringList>{{"1"}});
    const std::vector<QStringList> withNew = Direct().rows(everything);
    ASSERT_EQ(withNew.size(), original.size() + 1);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), withNew.begin()));

    app::dispatchEvent(gui::commandEvent(ids::kCmdShowAll));
    program.settle();
    ASSERT_EQ(gui::listRowCount(ids::kEntryList), int(withNew.size()));
    selectAndDelete(program, c.deleteRow);
    std::vector<QStringList> expected = withNew;
    if (c.deletable)
        expected.erase(expected.begin() + c.deleteRow);
    EXPECT_EQ(Direct().rows(everything), expected);
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), int(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(Tables, FileShape, ::testing::ValuesIn(kShapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TruncatedFile, ShowsWhatIsReadableAndWritesOnlyWhenAskedTo) {
    std::vector<Entry> many;
    for (int i = 0; i < 400; ++i)
        many.push_back(entry(QStringLiteral("Kategorie %1").arg(i % 7), QStringLiteral("Palette %1").arg(i % 11),
                             QStringLiteral("Eintrag Nummer %1 mit etwas mehr Text darin").arg(i),
                             QStringLiteral("%1,0,0").arg(i % 256), QStringLiteral("0,%1,0").arg(i % 256),
                             QStringLiteral("0,0,%1").arg(i % 256)));
    Program program(many);
    program.settle();
    const std::vector<QStringList> original = program.folder().storedRows();
    ASSERT_EQ(original.size(), many.size());

    app::shutDown();
    const QString path = program.folder().filePath(kFile);
    const qint64 size = QFileInfo(path).size();
    ASSERT_GT(size, 8 * 4096) << "the collection spans many pages";
    ASSERT_TRUE(QFile::resize(path, size / 2));
    const QByteArray cut = fileBytes(path);
    const QStringList files = folderFiles(program.folder());
    gui::discardQueuedEvents();
    app::startUp();
    program.settle();

    // Whatever is listed is a row of the original collection.
    const std::vector<QStringList> shown = listRows();
    EXPECT_LE(shown.size(), original.size());
    for (const QStringList& row : shown)
        EXPECT_NE(std::find(original.begin(), original.end(), row), original.end()) << row.join(u'|').toStdString();

    // Reading actions leave the file alone.
    {
        UnexpectedModalGuard guard;
        app::dispatchEvent(gui::commandEvent(ids::kCmdShowAll));
        program.settle();
        if (gui::dropDownItemCount(ids::kCategoryFilter) > 1) {
            gui::selectDropDownItem(ids::kCategoryFilter, 1);
            app::dispatchEvent(gui::controlEvent(ids::kFilterButton, gui::EventType::Click));
            program.settle();
        }
        searchThroughDialog(program, QStringLiteral("Nummer 3"));
        gui::selectListRow(ids::kEntryList, 0);
        app::dispatchEvent(gui::commandEvent(ids::kCmdCopyAllHex));
        program.settle();
    }
    EXPECT_EQ(fileBytes(path), cut);
    EXPECT_EQ(folderFiles(program.folder()), files) << "no journal or other file left behind";

    // An insert either works or says so; the file changes only when it worked.
    QStringList boxes;
    UiScript script;
    script.then(recordMessageBox(boxes));
    script.start();
    const bool stored = store::insertEntry(QStringLiteral("K"), QStringLiteral("P"), QStringLiteral("Neu"),
                                           QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
    if (stored) {
        EXPECT_TRUE(boxes.isEmpty());
    } else {
        EXPECT_EQ(boxes, QStringList{QStringLiteral("Error/Fehler beim Einfügen")});
        EXPECT_EQ(fileBytes(path), cut);
    }
    EXPECT_EQ(folderFiles(program.folder()), files);
}

// The lock outlasts the busy timeout: the program gives up after it, tells the user and stores nothing.
// Takes about as long as the timeout (20 s).
TEST(LockedFileSlow, InsertWhileAnotherConnectionKeepsItsLockIsRefusedWithTheErrorBox) {
    Program program(kBase);
    program.settle();
    const std::vector<QStringList> before = program.folder().storedRows();

    std::promise<int> locked;
    std::promise<void> release;
    std::thread holder([&locked, released = release.get_future()] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(store::kDatabaseFile, &db, SQLITE_OPEN_READWRITE, nullptr);
        const int begin = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "INSERT INTO colours(kategorie, palette, name) VALUES('H', 'H', 'Halter')", nullptr, nullptr,
                     nullptr);
        locked.set_value(begin);
        // Held until the program has given up, however long that takes.
        released.wait();
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    });
    const int begin = locked.get_future().get();

    QStringList boxes;
    UiScript script;
    script.then(recordMessageBox(boxes));
    script.start();
    const bool stored = begin == SQLITE_OK &&
                        store::insertEntry(QStringLiteral("K"), QStringLiteral("P"), QStringLiteral("Gesperrt"),
                                           QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
    release.set_value();
    holder.join();

    ASSERT_EQ(begin, SQLITE_OK);
    EXPECT_FALSE(stored);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Error/Fehler beim Einfügen")});
    EXPECT_FALSE(store::isDatabaseOpen());
    EXPECT_EQ(program.folder().storedRows(), before);
}

// A write error in the new-entry window ------------------------------------------------------------------

const int kInputs[] = {ids::kCategoryInput, ids::kPaletteInput, ids::kNameInput,
                       ids::kColour1Field,  ids::kColour2Field, ids::kColour3Field};

QStringList inputTexts() {
    QStringList texts;
    for (int input : kInputs)
        texts << gui::controlText(input);
    return texts;
}

class ImmutableFile : public ::testing::Test {
protected:
    void SetUp() override {
        program.settle();
        path = program.folder().filePath(kFile);
        if (!setImmutable(path, true) || writableByThisProcess(path))
            GTEST_SKIP() << "the file system cannot make the collection immutable here";
    }
    // Before the working folder goes: an immutable file could not be removed with it.
    void TearDown() override { setImmutable(path, false); }

    Program program{kBase};
    QString path;
};

TEST_F(ImmutableFile, FailedInsertKeepsTheWindowAndEveryInputThenTheRetryStores) {
    const std::vector<QStringList> before = program.folder().storedRows();
    const QByteArray bytes = fileBytes(path);
    const QStringList typed{"  Kat'; --", "Pal%_", "'); DROP TABLE colours; --", "1,2,3", "4,5,6", "7,8,9"};
    QStringList boxes;
    UiScript script;
    script.then([] { return gui::windowExists(ids::kNewEntryWindow); }).thenDo([&typed] {
        for (int i = 0; i < 3; ++i)
            typeInto(kInputs[i], typed[i]);
        for (int i = 3; i < 6; ++i)
            gui::setControlText(kInputs[i], typed[i]);
        clickControl(ids::kNewEntryOk);
    });
    script.then(recordMessageBox(boxes));
    script.thenDo([&] {
        EXPECT_TRUE(gui::windowExists(ids::kNewEntryWindow));
        EXPECT_EQ(inputTexts(), typed) << "a failed insert must not lose the input";
        EXPECT_EQ(program.folder().storedRows(), before);
        EXPECT_EQ(fileBytes(path), bytes);
        ASSERT_TRUE(setImmutable(path, false));
        clickControl(ids::kNewEntryOk);
    });
    script.start();
    app::dispatchEvent(gui::commandEvent(ids::kCmdMenuNewEntry));

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Error/Fehler beim Einfügen")});
    EXPECT_FALSE(gui::windowExists(ids::kNewEntryWindow));
    std::vector<QStringList> expected = before;
    expected.push_back({"Kat'; --", "Pal%_", "'); DROP TABLE colours; --", "1,2,3", "4,5,6", "7,8,9"});
    EXPECT_EQ(program.folder().storedRows(), expected);
    program.settle();
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), int(expected.size()));
}

} // namespace
