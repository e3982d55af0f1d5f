#include "gui/event_queue.h"

#include "support/event_printing.h"
#include <QTimer>

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using gui::EventType;

// Every event still queued, oldest first; the queue is empty afterwards.
std::vector<gui::Event> drain() {
    std::vector<gui::Event> events;
    while (const std::optional<gui::Event> event = gui::pollEvent())
        events.push_back(*event);
    return events;
}

class EventQueue : public ::testing::Test {
protected:
    void SetUp() override { gui::discardQueuedEvents(); }
    void TearDown() override { gui::discardQueuedEvents(); }
};

TEST_F(EventQueue, HandsEventsOutOldestFirst) {
    const std::vector<gui::Event> posted{gui::commandEvent(6), gui::controlEvent(0, EventType::Change),
                                         gui::sizeEvent(0), gui::closeEvent(1), gui::commandEvent(5)};
    for (const gui::Event& event : posted)
        gui::postEvent(event);
    EXPECT_EQ(gui::queuedEventCount(), 5);
    EXPECT_EQ(gui::waitEvent(), posted[0]);
    EXPECT_EQ(drain(), std::vector<gui::Event>(posted.begin() + 1, posted.end()));
    EXPECT_EQ(gui::queuedEventCount(), 0);
}

// Only an event equal to the newest waiting one is folded; what lies further back does not count.
struct FoldCase {
    const char* name;
    std::vector<gui::Event> posted;
    std::vector<gui::Event> queued;
};

class EventFolding : public EventQueue, public ::testing::WithParamInterface<FoldCase> {};

TEST_P(EventFolding, KeepsOnlyWhatDiffersFromTheNewest) {
    for (const gui::Event& event : GetParam().posted)
        gui::postEvent(event);
    EXPECT_EQ(gui::queuedEventCount(), int(GetParam().queued.size()));
    EXPECT_EQ(drain(), GetParam().queued);
}

const gui::Event kSize0 = gui::sizeEvent(0);
const gui::Event kSize1 = gui::sizeEvent(1);
const gui::Event kChange0 = gui::controlEvent(0, EventType::Change);
const gui::Event kRight0 = gui::controlEvent(0, EventType::RightClick);
const gui::Event kChange1 = gui::controlEvent(1, EventType::Change);

INSTANTIATE_TEST_SUITE_P(
    Bursts, EventFolding,
    ::testing::Values(FoldCase{"SizeBurstOfOneWindow", {kSize0, kSize0, kSize0, kSize0}, {kSize0}},
                      FoldCase{"SizeEventsOfTwoWindows", {kSize0, kSize1, kSize1, kSize0}, {kSize0, kSize1, kSize0}},
                      FoldCase{"EqualButNotNewest", {kChange0, kRight0, kChange0}, {kChange0, kRight0, kChange0}},
                      FoldCase{"ChangeThenRightClick", {kChange0, kRight0}, {kChange0, kRight0}},
                      FoldCase{"SameTypeOtherControl", {kChange0, kChange1, kChange1}, {kChange0, kChange1}},
                      FoldCase{"CommandRepeated",
                               {gui::commandEvent(3), gui::commandEvent(3), gui::commandEvent(4)},
                               {gui::commandEvent(3), gui::commandEvent(4)}},
                      FoldCase{
                          "CloseAfterSizeOfSameWindow", {kSize0, gui::closeEvent(0)}, {kSize0, gui::closeEvent(0)}}),
    [](const ::testing::TestParamInfo<FoldCase>& info) { return std::string(info.param.name); });

TEST_F(EventQueue, FoldsAgainstTheNewestEvenAfterTheOldestWasTaken) {
    gui::postEvent(kSize0);
    gui::postEvent(kChange0);
    EXPECT_EQ(gui::waitEvent(), kSize0);
    // The change event is now both oldest and newest: a second one folds into it.
    gui::postEvent(kChange0);
    EXPECT_EQ(gui::queuedEventCount(), 1);
    EXPECT_EQ(gui::waitEvent(), kChange0);
    // With the queue empty nothing is waiting to fold into.
    gui::postEvent(kChange0);
    EXPECT_EQ(gui::queuedEventCount(), 1);
}

TEST_F(EventQueue, PollOnAnEmptyQueueGivesNothing) {
    EXPECT_FALSE(gui::pollEvent().has_value());
    EXPECT_EQ(gui::queuedEventCount(), 0);
}

TEST_F(EventQueue, DiscardEmptiesTheQueue) {
    gui::postEvent(kSize0);
    gui::postEvent(kChange0);
    gui::discardQueuedEvents();
    EXPECT_EQ(gui::queuedEventCount(), 0);
    EXPECT_FALSE(gui::pollEvent().has_value());
    // A discarded event leaves nothing behind to fold into.
    gui::postEvent(kChange0);
    EXPECT_EQ(gui::queuedEventCount(), 1);
}

TEST_F(EventQueue, WaitReturnsAnEventPostedWhileItBlocks) {
    QTimer::singleShot(20, [] { gui::postEvent(gui::commandEvent(27)); });
    EXPECT_EQ(gui::waitEvent(), gui::commandEvent(27));
    EXPECT_EQ(gui::queuedEventCount(), 0);
}

TEST_F(EventQueue, WaitingForControlsDropsEverythingElseOnTheWay) {
    const gui::Event awaited = gui::controlEvent(30, EventType::Click);
    for (const gui::Event& event : {kSize0, gui::commandEvent(27), gui::closeEvent(0), kChange0,
                                    gui::controlEvent(31, EventType::Change), awaited, kChange1})
        gui::postEvent(event);
    EXPECT_EQ(gui::waitForControlEvent({31, 30}), gui::controlEvent(31, EventType::Change));
    EXPECT_EQ(gui::waitForControlEvent({30}), awaited);
    // What came after the awaited event is still there.
    EXPECT_EQ(drain(), std::vector<gui::Event>{kChange1});
}

TEST_F(EventQueue, PollDeliversWhatQtHasPending) {
    // A zero timer is Qt's own pending work; one poll must run it and hand out what it posted.
    QTimer::singleShot(0, [] { gui::postEvent(gui::closeEvent(0)); });
    const std::optional<gui::Event> event = gui::pollEvent();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(*event, gui::closeEvent(0));
}

} // namespace
