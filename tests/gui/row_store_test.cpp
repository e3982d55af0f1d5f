#include "gui/row_store.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString rowText(int i) {
    return QStringLiteral("K%1\nP%1\nN%1\n%1,0,0\n0,%1,0\n0,0,%1").arg(i);
}

TEST(RowStore, SplitsRowTextsIntoCells) {
    gui::RowStore rows;
    rows.append(u"a\nb\nc\nd\ne\nf\ng");
    rows.append(u"only\nsecond");
    rows.append(u"");
    EXPECT_EQ(rows.cell(0, 5), QStringLiteral("f"));
    EXPECT_EQ(rows.cell(0, 6), QStringLiteral("g")) << "the store keeps every piece; the view shows six";
    EXPECT_EQ(rows.cell(1, 1), QStringLiteral("second"));
    EXPECT_TRUE(rows.cell(1, 2).isEmpty());
    EXPECT_TRUE(rows.cell(2, 0).isEmpty());
    EXPECT_TRUE(rows.cell(3, 0).isEmpty()) << "past the last row";
    EXPECT_TRUE(rows.cell(-1, 0).isEmpty());
}

// Refills write into the blocks an earlier fill left; nothing of the old rows may show through.
TEST(RowStore, RefillsAfterClearReadBackExactlyWhateverTheirSizes) {
    gui::RowStore rows;
    // Kept in UTF-16 (U+0101 needs two bytes), and larger than one block.
    const QString longRow = QString(1'500'000, u'\u0101') + QStringLiteral("\nend");
    for (int round = 0; round < 3; ++round) {
        rows.clear();
        const int count = round == 1 ? 1000 : 200'000; // a small fill between two large ones
        for (int i = 0; i < count; ++i)
            rows.append(i == 7 ? QStringView(longRow) : QStringView(rowText(i + round)));
        rows.releaseUnused();
        ASSERT_EQ(rows.rowCount(), count);
        for (int i : {0, 6, 8, count / 2, count - 1}) {
            EXPECT_EQ(rows.cell(i, 0), QStringLiteral("K%1").arg(i + round)) << round << " row " << i;
            EXPECT_EQ(rows.cell(i, 5), QStringLiteral("0,0,%1").arg(i + round));
        }
        EXPECT_EQ(rows.cell(7, 1), QStringLiteral("end"));
        EXPECT_EQ(rows.cell(7, 0).size(), 1'500'000);
    }
}

// Rows are kept with one byte a character when they can be, else in UTF-16. Mixed in any order, and a UTF-16
// row behind a byte row of odd length (which must be moved to an even address), every cell reads back whole.
TEST(RowStore, KeepsEveryCharacterWhicheverFormTheRowIsKeptIn) {
    const QString rows[] = {
        QStringLiteral("Grün\nÄußeres\nÿ"),               // all below U+0100: bytes
        QStringLiteral("odd"),                            // three bytes, so the next row starts at an odd offset
        QStringLiteral("Ā\nzweite"),                      // U+0100: UTF-16
        QStringLiteral("🎨 Kunst\n日本\n") + QChar(u'\0'), // surrogate pair, CJK, U+0000 at the end
        QString(),                                        // empty
        QStringLiteral("\n\n"),                           // three empty pieces
        QStringLiteral("a\u2028b\nc"),                    // a line separator is no line feed
    };
    gui::RowStore store;
    for (const QString& row : rows)
        store.append(row);
    ASSERT_EQ(store.rowCount(), int(std::size(rows)));
    for (int row = 0; row < store.rowCount(); ++row) {
        const QStringList pieces = rows[row].split(u'\n');
        EXPECT_EQ(store.pieceCount(row), pieces.size()) << "row " << row;
        for (int column = 0; column <= pieces.size(); ++column)
            EXPECT_EQ(store.cell(row, column), pieces.value(column)) << "row " << row << " column " << column;
    }
}

} // namespace
