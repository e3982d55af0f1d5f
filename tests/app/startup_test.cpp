#include "app/dispatch.h"
#include "app/ids.h"
#include "gui/controls.h"
#include "gui/event_queue.h"
#include "gui/images.h"
#include "gui/list_view.h"
#include "gui/windows.h"
#include "store/entry_list.h"
#include "support/program.h"

#include "support/event_printing.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using testing_support::entry;
using testing_support::Program;

const std::vector<testing_support::Entry> kEntries{
    entry(QStringLiteral("Natur"), QStringLiteral("Herbstwald"), QStringLiteral("Moosgrün"),
          QStringLiteral("85,107,47"), QStringLiteral("138,154,91"), QStringLiteral("60,80,40")),
    entry(QStringLiteral("Wohnen"), QStringLiteral("Ostsee"), QStringLiteral("Strandhaus"),
          QStringLiteral("245,243,236"), QStringLiteral("120,160,190"), QStringLiteral("60,90,120")),
    entry(QStringLiteral("Natur"), QStringLiteral("Ostsee"), QStringLiteral("Brandung"), QStringLiteral("0,105,148"),
          QStringLiteral("102,170,200"), QStringLiteral("230,242,248")),
};

// The detail text while no row is selected: the column titles stand in for the entry.
const QString kTitlesDetail = QStringLiteral("Name\r\nKategorie: Kategorie\r\nPallette: Pallette\r\n"
                                             "Farbe 1: RGB(Farbe 1)\r\nFarbe 2: RGB(Farbe 2)\r\nFarbe 3: RGB(Farbe 3)");
const QString kFirstEntryDetail = QStringLiteral("Moosgrün\r\nKategorie: Natur\r\nPallette: Herbstwald\r\n"
                                                 "Farbe 1: RGB(85,107,47)\r\nFarbe 2: RGB(138,154,91)\r\n"
                                                 "Farbe 3: RGB(60,80,40)");

// Exactly what is queued now, without letting Qt add anything; the queue is empty afterwards.
std::vector<gui::Event> takeQueued() {
    std::vector<gui::Event> events;
    for (int count = gui::queuedEventCount(); count > 0; --count)
        events.push_back(*gui::pollEvent());
    return events;
}

// The label boxes sit at the three label corners; each is a digit's width and a line high at most.
bool inLabelBox(int x, int y) {
    const QPoint corners[] = {{0, 0}, {200, 0}, {200, 75}};
    for (const QPoint& corner : corners)
        if (x >= corner.x() && x < corner.x() + 30 && y >= corner.y() && y < corner.y() + 30)
            return true;
    return false;
}

TEST(StartUp, BeforeAnyEventIsDispatched) {
    Program program(kEntries);

    EXPECT_EQ(gui::controlText(ids::kCategoryFilter), store::kCategoryFilterLabel);
    EXPECT_EQ(gui::controlText(ids::kPaletteFilter), store::kPaletteFilterLabel);
    // Behind each label: the collection's distinct categories and palettes.
    EXPECT_EQ(gui::dropDownItemCount(ids::kCategoryFilter), 1 + 2);
    EXPECT_EQ(gui::dropDownItemCount(ids::kPaletteFilter), 1 + 2);

    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 3);
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);

    // The detail refresh ran once, while the list was still empty.
    EXPECT_EQ(gui::controlText(ids::kDetailText), kTitlesDetail);
    const QImage preview = gui::image(ids::kPreviewImage);
    ASSERT_EQ(preview.size(), QSize(530, 150));
    int white = 0;
    for (int y = 0; y < preview.height(); ++y) {
        for (int x = 0; x < preview.width(); ++x) {
            const QRgb pixel = preview.pixel(x, y) & 0xFFFFFFu;
            if (!inLabelBox(x, y))
                ASSERT_EQ(pixel, 0u) << "at " << x << "," << y;
            else if (pixel == 0xFFFFFFu)
                ++white;
        }
    }
    EXPECT_GT(white, 0);
    for (const QPoint corner : {QPoint(0, 0), QPoint(200, 0), QPoint(200, 75)})
        EXPECT_EQ(preview.pixel(corner) & 0xFFFFFFu, 0xFFFFFFu) << corner.x() << "," << corner.y();

    // The keyboard focus reaches the list once the window is active; no event of ours has to run for that.
    gui::processPendingToolkitEvents();
    ASSERT_TRUE(gui::isActiveWindow(ids::kMainWindow));
    EXPECT_EQ(gui::focusedControl(), ids::kEntryList);
}

TEST(StartUp, QueuesTheListsChangeAfterTheWindowsSizeEvents) {
    Program program(kEntries);
    const std::vector<gui::Event> events = takeQueued();
    ASSERT_GE(events.size(), 2u);
    for (std::size_t i = 0; i + 1 < events.size(); ++i)
        EXPECT_EQ(events[i], gui::sizeEvent(ids::kMainWindow)) << "event " << i;
    EXPECT_EQ(events.back(), gui::controlEvent(ids::kEntryList, gui::EventType::Change));

    // Those events, dispatched in order, bring the first entry into the detail panel.
    for (const gui::Event& event : events)
        app::dispatchEvent(event);
    EXPECT_EQ(gui::controlText(ids::kDetailText), kFirstEntryDetail);
}

TEST(StartUp, SettlingShowsTheFirstEntry) {
    Program program(kEntries);
    program.settle();
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 0);
    EXPECT_EQ(gui::controlText(ids::kDetailText), kFirstEntryDetail);
    // Colour 1 fills the left block, colours 2 and 3 the upper and lower right halves.
    const QImage& preview = gui::image(ids::kPreviewImage);
    EXPECT_EQ(QColor(preview.pixel(100, 100)), QColor(85, 107, 47));
    EXPECT_EQ(QColor(preview.pixel(400, 40)), QColor(138, 154, 91));
    EXPECT_EQ(QColor(preview.pixel(400, 110)), QColor(60, 80, 40));
    EXPECT_FALSE(app::quitRequested());
}

TEST(StartUp, EmptyCollectionLeavesTheTitlesShown) {
    Program program;
    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 0);
    for (const gui::Event& event : takeQueued())
        EXPECT_EQ(event, gui::sizeEvent(ids::kMainWindow));
    program.settle();
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), -1);
    EXPECT_EQ(gui::controlText(ids::kDetailText), kTitlesDetail);
    EXPECT_EQ(gui::dropDownItemCount(ids::kCategoryFilter), 1);
    EXPECT_EQ(gui::dropDownItemCount(ids::kPaletteFilter), 1);
}

// Only the main window's close box and "Beenden" end the program.
struct QuitCase {
    const char* name;
    gui::Event event;
    bool quits;
};

class QuitRequest : public ::testing::TestWithParam<QuitCase> {};

TEST_P(QuitRequest, IsSetOnlyByTheProgramsOwnQuitPaths) {
    Program program(kEntries);
    program.settle();
    ASSERT_FALSE(app::quitRequested());
    app::dispatchEvent(GetParam().event);
    EXPECT_EQ(app::quitRequested(), GetParam().quits);
    app::resetQuitFlag();
    EXPECT_FALSE(app::quitRequested());
}

INSTANTIATE_TEST_SUITE_P(Events, QuitRequest,
                         ::testing::Values(QuitCase{"CloseMainWindow", gui::closeEvent(ids::kMainWindow), true},
                                           QuitCase{"QuitCommand", gui::commandEvent(ids::kCmdQuit), true},
                                           QuitCase{"CloseAboutWindow", gui::closeEvent(ids::kAboutWindow), false},
                                           QuitCase{"CloseHelpWindow", gui::closeEvent(ids::kHelpWindow), false},
                                           QuitCase{"CloseNewEntryWindow", gui::closeEvent(ids::kNewEntryWindow),
                                                    false},
                                           QuitCase{"SizeOfMainWindow", gui::sizeEvent(ids::kMainWindow), false}),
                         [](const ::testing::TestParamInfo<QuitCase>& info) { return std::string(info.param.name); });

// Events naming nothing the program knows change nothing at all.
class UnknownEvent : public ::testing::TestWithParam<gui::Event> {};

TEST_P(UnknownEvent, ChangesNothing) {
    Program program(kEntries);
    program.settle();
    gui::selectListRow(ids::kEntryList, 2);
    program.settle();
    const QString detail = gui::controlText(ids::kDetailText);
    ASSERT_TRUE(detail.startsWith(QStringLiteral("Brandung")));
    const QSize size = gui::windowInnerSize(ids::kMainWindow);
    const QRect listPlace = gui::controlGeometry(ids::kEntryList);

    app::dispatchEvent(GetParam());

    EXPECT_EQ(gui::listRowCount(ids::kEntryList), 3);
    EXPECT_EQ(gui::listCellText(ids::kEntryList, 0, 2), QStringLiteral("Moosgrün"));
    EXPECT_EQ(gui::listCellText(ids::kEntryList, 2, 2), QStringLiteral("Brandung"));
    EXPECT_EQ(gui::selectedListRow(ids::kEntryList), 2);
    EXPECT_EQ(gui::controlText(ids::kDetailText), detail);
    EXPECT_EQ(gui::windowInnerSize(ids::kMainWindow), size);
    EXPECT_EQ(gui::controlGeometry(ids::kEntryList), listPlace);
    EXPECT_EQ(gui::queuedEventCount(), 0);
    EXPECT_FALSE(app::quitRequested());
    for (int window : {ids::kAboutWindow, ids::kHelpWindow, ids::kNewEntryWindow})
        EXPECT_FALSE(gui::windowExists(window)) << window;
}

INSTANTIATE_TEST_SUITE_P(Ids, UnknownEvent,
                         ::testing::Values(gui::controlEvent(999, gui::EventType::Change),
                                           gui::controlEvent(999, gui::EventType::Click),
                                           gui::controlEvent(-1, gui::EventType::RightClick), gui::commandEvent(1),
                                           gui::commandEvent(2), gui::commandEvent(28), gui::commandEvent(999),
                                           gui::commandEvent(-1), gui::Event{}));

} // namespace
