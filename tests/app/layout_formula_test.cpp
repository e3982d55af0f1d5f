#include "app/layout_formula.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    int width;
    int height;
    QRect entryList;
    QRect detailText;
    QRect colourPreview;
};

class MainLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MainLayoutTable, PlacesListDetailAndPreview) {
    const LayoutCase& c = GetParam();
    const app::MainLayout layout = app::mainLayout(c.width, c.height);
    EXPECT_EQ(layout.entryList, c.entryList) << c.width << " x " << c.height;
    EXPECT_EQ(layout.detailText, c.detailText) << c.width << " x " << c.height;
    EXPECT_EQ(layout.colourPreview, c.colourPreview) << c.width << " x " << c.height;
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, MainLayoutTable,
                         ::testing::Values(
                             // The window as it opens.
                             LayoutCase{850, 616, {8, 32, 834, 400}, {8, 440, 298, 149}, {314, 440, 528, 149}},
                             // The smallest window the resize handler allows.
                             LayoutCase{623, 335, {8, 32, 607, 218}, {8, 258, 218, 50}, {234, 258, 381, 50}},
                             // Exact halves go to the even neighbour: 214.5 gives 214, 227.5 gives 228 (the list's
                             // height), 254.5 gives 254, 267.5 gives 268 (the top) and 220.5 gives 220 (the width).
                             LayoutCase{623, 330, {8, 32, 607, 214}, {8, 254, 218, 49}, {234, 254, 381, 49}},
                             LayoutCase{630, 350, {8, 32, 614, 228}, {8, 268, 220, 55}, {236, 268, 386, 55}},
                             LayoutCase{700, 500, {8, 32, 684, 325}, {8, 365, 245, 108}, {261, 365, 431, 108}}));

TEST(MainLayout, TinyWindowsGiveNoNegativeExtents) {
    for (const QSize size : {QSize(10, 10), QSize(0, 0), QSize(1, 1), QSize(30, 100), QSize(100, 30)}) {
        const app::MainLayout layout = app::mainLayout(size.width(), size.height());
        for (const QRect& rect : {layout.entryList, layout.detailText, layout.colourPreview}) {
            EXPECT_GE(rect.width(), 0) << size.width() << " x " << size.height();
            EXPECT_GE(rect.height(), 0) << size.width() << " x " << size.height();
        }
    }
}

struct MinimumCase {
    QSize size;
    QSize expected;
};

class MinimumSizeTable : public ::testing::TestWithParam<MinimumCase> {};

TEST_P(MinimumSizeTable, PullsUpOnlyTheSideThatIsTooSmall) {
    const MinimumCase& c = GetParam();
    EXPECT_EQ(app::sizeAtLeastMinimum(c.size), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MinimumSizeTable,
                         ::testing::Values(MinimumCase{{500, 700}, {623, 700}}, MinimumCase{{700, 200}, {700, 335}},
                                           MinimumCase{{900, 700}, {900, 700}}, MinimumCase{{100, 100}, {623, 335}},
                                           MinimumCase{{623, 335}, {623, 335}}, MinimumCase{{622, 334}, {623, 335}},
                                           MinimumCase{{0, 0}, {623, 335}}));

} // namespace
