#include "app/ids.h"
#include "app/layout_formula.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/windows.h"
#include "support/program.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using testing_support::entry;

// The offscreen platform has no window manager: a window takes exactly the size it is given.
struct ResizeCase {
    const char* name;
    QSize requested;
    QSize final;
};

void PrintTo(const ResizeCase& c, std::ostream* out) {
    *out << c.name;
}

class MainWindowResize : public ::testing::TestWithParam<ResizeCase> {
protected:
    void SetUp() override { program_.settle(); }

    testing_support::Program program_{
        {entry(QStringLiteral("Natur"), QStringLiteral("Ostsee"), QStringLiteral("Brandung"),
               QStringLiteral("0,105,148"), QStringLiteral("102,170,200"), QStringLiteral("230,242,248"))}};
};

TEST_P(MainWindowResize, LaysOutTheControlsForTheFinalSize) {
    const ResizeCase& c = GetParam();
    gui::setWindowInnerSize(ids::kMainWindow, c.requested);
    program_.settle();

    EXPECT_EQ(gui::windowInnerSize(ids::kMainWindow), c.final);
    const app::MainLayout expected = app::mainLayout(c.final.width(), c.final.height());
    EXPECT_EQ(gui::controlGeometry(ids::kEntryList), expected.entryList);
    EXPECT_EQ(gui::controlGeometry(ids::kDetailText), expected.detailText);
    EXPECT_EQ(gui::controlGeometry(ids::kColourPreview), expected.colourPreview);
    EXPECT_EQ(gui::queuedEventCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MainWindowResize,
                         ::testing::Values(ResizeCase{"StartSize", {850, 616}, {850, 616}},
                                           ResizeCase{"Smaller", {700, 500}, {700, 500}},
                                           ResizeCase{"Larger", {1280, 960}, {1280, 960}},
                                           ResizeCase{"ExactlyTheMinimum", {623, 335}, {623, 335}},
                                           ResizeCase{"TooSmallBothWays", {500, 300}, {623, 335}},
                                           ResizeCase{"TooNarrow", {500, 700}, {623, 700}},
                                           ResizeCase{"TooLow", {900, 200}, {900, 335}},
                                           ResizeCase{"OnePixelShort", {622, 334}, {623, 335}}),
                         [](const ::testing::TestParamInfo<ResizeCase>& info) { return std::string(info.param.name); });

// The start size in numbers, so a fault shared by the formula and the handler still shows.
TEST(MainWindowStartSize, PlacesListAndDetailText) {
    testing_support::Program program;
    program.settle();
    gui::setWindowInnerSize(ids::kMainWindow, {850, 616});
    program.settle();
    EXPECT_EQ(gui::controlGeometry(ids::kEntryList), QRect(8, 32, 834, 400));
    EXPECT_EQ(gui::controlGeometry(ids::kDetailText), QRect(8, 440, 298, 149));
    EXPECT_EQ(gui::controlGeometry(ids::kColourPreview), QRect(314, 440, 528, 149));
}

TEST(MainWindowStartSize, BurstOfSizeChangesSettlesOnTheLast) {
    testing_support::Program program;
    program.settle();
    for (const QSize size : {QSize(700, 500), QSize(800, 550), QSize(640, 480), QSize(900, 650)})
        gui::setWindowInnerSize(ids::kMainWindow, size);
    // One size event stands for the whole burst.
    EXPECT_EQ(gui::queuedEventCount(), 1);
    program.settle();
    EXPECT_EQ(gui::controlGeometry(ids::kEntryList), app::mainLayout(900, 650).entryList);
    EXPECT_EQ(gui::controlGeometry(ids::kDetailText), app::mainLayout(900, 650).detailText);
}

} // namespace
