#include "store/colour_db.h"
#include "store/statements.h"
#include "support/working_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

using testing_support::entry;
using testing_support::Entry;
using testing_support::WorkingFolder;

TEST(StatementTexts, AreExactlyTheStoreStatements) {
    const QString t = QStringLiteral("t");
    struct Case {
        QString actual;
        const char* expected;
    };
    const Case cases[] = {
        {store::allEntriesQuery(), "SELECT * FROM colours"},
        {store::categoryListQuery(), "SELECT DISTINCT kategorie FROM colours"},
        {store::paletteListQuery(), "SELECT DISTINCT palette FROM colours"},
        {store::filterByCategoryAndPaletteQuery(QStringLiteral("K"), QStringLiteral("P")),
         "SELECT * FROM colours WHERE palette = 'P' AND kategorie = 'K'"},
        {store::filterByCategoryQuery(QStringLiteral("K")), "SELECT * FROM colours WHERE kategorie = 'K'"},
        {store::filterByPaletteQuery(QStringLiteral("P")), "SELECT * FROM colours WHERE palette = 'P'"},
        {store::searchQuery(t),
         "SELECT * FROM colours WHERE name LIKE '%t%' OR palette LIKE '%t%' Or kategorie LIKE '%t%' Or farbe1 LIKE "
         "'%t%' Or farbe2 LIKE '%t%' Or farbe3 LIKE '%t%'"},
        {store::insertStatement(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                QStringLiteral("e"), QStringLiteral("f")),
         "INSERT INTO colours(kategorie, palette, name, farbe1, farbe2, farbe3) VALUES('a', 'b', 'c', 'd', 'e', 'f')"},
        {store::filterByCategoryQuery(QStringLiteral("it's")), "SELECT * FROM colours WHERE kategorie = 'it''s'"},
        {store::sqlLiteral(QStringLiteral("'")), "''''"},
        {store::sqlLiteral(QString()), "''"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, QString::fromUtf8(c.expected));
}

// Values that would end or break an SQL literal if they were not quoted as one whole text.
struct AwkwardValue {
    const char* name;
    const char16_t* value;
};

const AwkwardValue kAwkwardValues[] = {
    {"SingleQuote", u"it's"},
    {"OnlyQuotes", u"''"},
    {"CommentDashes", u"a -- b"},
    {"Semicolon", u"x; DELETE FROM colours"},
    {"LineFeed", u"eins\nzwei"},
    {"CarriageReturnLineFeed", u"\r\n"},
    {"Percent", u"100%"},
    {"Underscore", u"a_b"},
    {"Injection", u"'); DROP TABLE colours; --"},
    {"Backslash", u"C:\\Farben\\"},
    {"DoubleQuotes", u"\"Rot\""},
    {"OuterSpaces", u"  Blau  "},
    {"NonBmp", u"日本 🎨 Ä"},
    {"Empty", u""},
};

class AwkwardValueTest : public ::testing::TestWithParam<AwkwardValue> {
protected:
    void TearDown() override { store::closeDatabase(); }

    static std::vector<QStringList> rowsOf(const QString& query) {
        std::vector<QStringList> rows;
        EXPECT_TRUE(store::openDatabase());
        EXPECT_TRUE(store::runQuery(query)) << query.toStdString();
        while (store::nextRow()) {
            QStringList row;
            for (int column = 1; column <= 6; ++column)
                row << store::columnText(column);
            rows.push_back(row);
        }
        store::closeDatabase();
        return rows;
    }

    static bool change(const QString& statement) {
        EXPECT_TRUE(store::openDatabase());
        const bool done = store::runChange(statement);
        store::closeDatabase();
        return done;
    }

    WorkingFolder folder;
};

TEST_P(AwkwardValueTest, TravelsThroughEveryStatementAsOneText) {
    const QString v = QString::fromUtf16(GetParam().value);
    folder.createCollection({entry("Natur", "Wald", "Moos", "1,2,3", "4,5,6", "7,8,9"),
                             entry("Stadt", "Meer", "Hafen", "0,0,0", "9,9,9", "5,5,5")});
    const std::vector<QStringList> before = folder.storedRows();
    // The value sits in every position, next to a plain text, so a shifted or merged value shows.
    const QStringList added{v, QStringLiteral("P") + v, v + QStringLiteral("N"), v, QStringLiteral("x"), v};

    ASSERT_TRUE(change(store::insertStatement(added[0], added[1], added[2], added[3], added[4], added[5])));
    std::vector<QStringList> expected = before;
    expected.push_back(added);
    ASSERT_EQ(folder.storedRows(), expected);

    EXPECT_EQ(rowsOf(store::filterByCategoryQuery(v)), std::vector<QStringList>{added});
    EXPECT_EQ(rowsOf(store::filterByPaletteQuery(added[1])), std::vector<QStringList>{added});
    EXPECT_EQ(rowsOf(store::filterByCategoryAndPaletteQuery(v, added[1])), std::vector<QStringList>{added});
    const std::vector<QStringList> found = rowsOf(store::searchQuery(added[2]));
    EXPECT_NE(std::find(found.begin(), found.end(), added), found.end());

    ASSERT_TRUE(change(store::deleteOneEntryStatement(added[0], added[1], added[2], added[3], added[4], added[5])));
    EXPECT_EQ(folder.storedRows(), before);
}

INSTANTIATE_TEST_SUITE_P(Values, AwkwardValueTest, ::testing::ValuesIn(kAwkwardValues),
                         [](const auto& info) { return std::string(info.param.name); });

// Search on a real file. Each row's marker text sits in a different column, so every searched column counts.
class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<QString> null;
        folder.createCollection({
            entry("Moos", "x", "y", "1", "2", "3"),                            // 1: category
            entry("k", "Apfel", "z", "1", "2", "3"),                           // 2: palette
            entry("k", "p", "Ärger", "1", "2", "3"),                           // 3: name
            entry("k", "p", "Hell Blau", "1", "2", "3"),                       // 4
            entry("k", "p", "Blaugrün", "1", "2", "3"),                        // 5
            entry("k", "p", "Rot", "1", "2", "3"),                             // 6
            Entry{null, null, null, null, null, QStringLiteral("Rot Orange")}, // 7: only colour 3
            Entry{null, null, null, null, null, null},                         // 8: nothing to find
            entry("k", "p", "n", "Cyan", "Zinnober", "3"),                     // 9: colours 1 and 2
            entry("k", "p", "ärmlich", "1", "2", "3"),                         // 10
        });
    }
    void TearDown() override { store::closeDatabase(); }

    static std::set<int> found(const QString& term) {
        std::set<int> ids;
        EXPECT_TRUE(store::openDatabase());
        EXPECT_TRUE(store::runQuery(store::searchQuery(term)));
        while (store::nextRow())
            ids.insert(store::columnText(0).toInt());
        store::closeDatabase();
        return ids;
    }

    WorkingFolder folder;
};

TEST_F(SearchTest, FindsWhatLikeFinds) {
    struct Case {
        const char16_t* term;
        std::set<int> ids;
    };
    const std::set<int> allButEmptyRow{1, 2, 3, 4, 5, 6, 7, 9, 10};
    const Case cases[] = {
        {u"Moos", {1}},         {u"apfel", {2}}, {u"M_os", {1}},  {u"M%s", {1}},         {u"a", {2, 4, 5, 7, 9}},
        {u"ä", {10}},           {u"Ä", {3}},     {u" Blau", {4}}, {u"Rot ", {7}},        {u"Rot", {6, 7}},
        {u"orange", {7}},       {u"CYAN", {9}},  {u"zinn", {9}},  {u"", allButEmptyRow}, {u"%", allButEmptyRow},
        {u"gibt es nicht", {}},
    };
    for (const Case& c : cases) {
        const QString term = QString::fromUtf16(c.term);
        EXPECT_EQ(found(term), c.ids) << "term \"" << term.toStdString() << '"';
    }
}

TEST(DeleteOneEntry, TakesExactlyOneMatchingRow) {
    WorkingFolder folder;
    const Entry twin = entry("A", "P", "N", "1", "2", "3");
    const Entry otherColours = entry("A", "P", "N", "9", "9", "9");
    const Entry nullCategory{std::nullopt,        QStringLiteral("P"), QStringLiteral("N"),
                             QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    const Entry emptyCategory = entry("", "P", "N", "1", "2", "3");
    folder.createCollection({twin, otherColours, twin, nullCategory, emptyCategory});
    const QStringList twinRow{"A", "P", "N", "1", "2", "3"};
    const QStringList otherRow{"A", "P", "N", "9", "9", "9"};
    const QStringList nullRow{"<NULL>", "P", "N", "1", "2", "3"};
    const QStringList emptyRow{"", "P", "N", "1", "2", "3"};

    auto remove = [](const QString& category) {
        EXPECT_TRUE(store::openDatabase());
        EXPECT_TRUE(store::runChange(store::deleteOneEntryStatement(category, QStringLiteral("P"), QStringLiteral("N"),
                                                                    QStringLiteral("1"), QStringLiteral("2"),
                                                                    QStringLiteral("3"))));
        store::closeDatabase();
    };

    remove(QStringLiteral("A"));
    EXPECT_EQ(folder.storedRows(), (std::vector<QStringList>{otherRow, twinRow, nullRow, emptyRow}));
    remove(QStringLiteral("A"));
    EXPECT_EQ(folder.storedRows(), (std::vector<QStringList>{otherRow, nullRow, emptyRow}));
    remove(QStringLiteral("A"));
    EXPECT_EQ(folder.storedRows(), (std::vector<QStringList>{otherRow, nullRow, emptyRow}));
    // The empty category matches the '' row only; a NULL category is never matched.
    remove(QString());
    EXPECT_EQ(folder.storedRows(), (std::vector<QStringList>{otherRow, nullRow}));
    remove(QString());
    EXPECT_EQ(folder.storedRows(), (std::vector<QStringList>{otherRow, nullRow}));
}

} // namespace
