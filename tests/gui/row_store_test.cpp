#include "gui/row_store.h"

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
    EXPECT_EQ(rows.cell(0, 5).toString(), QStringLiteral("f"));
    EXPECT_EQ(rows.cell(0, 6).toString(), QStringLiteral("g")) << "the store keeps every piece; the view shows six";
    EXPECT_EQ(rows.cell(1, 1).toString(), QStringLiteral("second"));
    EXPECT_TRUE(rows.cell(1, 2).isEmpty());
    EXPECT_TRUE(rows.cell(2, 0).isEmpty());
    EXPECT_TRUE(rows.cell(3, 0).isEmpty()) << "past the last row";
    EXPECT_TRUE(rows.cell(-1, 0).isEmpty());
}

// Refills write into the blocks an earlier fill left; nothing of the old rows may show through.
TEST(RowStore, RefillsAfterClearReadBackExactlyWhateverTheirSizes) {
    gui::RowStore rows;
    const QString longRow = QString(1'500'000, u'x') + QStringLiteral("\nend"); // larger than one block
    for (int round = 0; round < 3; ++round) {
        rows.clear();
        const int count = round == 1 ? 1000 : 200'000; // a small fill between two large ones
        for (int i = 0; i < count; ++i)
            rows.append(i == 7 ? QStringView(longRow) : QStringView(rowText(i + round)));
        rows.releaseUnused();
        ASSERT_EQ(rows.rowCount(), count);
        for (int i : {0, 6, 8, count / 2, count - 1}) {
            EXPECT_EQ(rows.cell(i, 0).toString(), QStringLiteral("K%1").arg(i + round)) << round << " row " << i;
            EXPECT_EQ(rows.cell(i, 5).toString(), QStringLiteral("0,0,%1").arg(i + round));
        }
        EXPECT_EQ(rows.cell(7, 1).toString(), QStringLiteral("end"));
        EXPECT_EQ(rows.cell(7, 0).size(), 1'500'000);
    }
}

} // namespace
